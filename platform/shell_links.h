#pragma once

#include "core/secret_text.h"
#include "platform/result.h"

#include <memory>
#include <string>

namespace tessaly {

// One shell link object, alive for the length of one shortcut. Texts are
// UTF-8; a text read back that is not well-formed UTF-16 is a failure, never
// a look-alike.
class ShellLink {
public:
    virtual ~ShellLink() = default;
    virtual HResult SetPath(const std::string& targetPath) = 0;
    // The target the link holds now, as it would be saved. A shell link may
    // accept a path with a success code and still hold nothing.
    virtual HResult GetPath(std::string* targetPath) = 0;
    virtual HResult SetArguments(const SecretText& arguments) = 0;
    virtual HResult GetArguments(SecretText* arguments) = 0;
    virtual HResult SetDescription(const std::string& description) = 0;
    virtual HResult GetDescription(std::string* description) = 0;
    // Saves to `linkFilePath`, replacing any file of that name.
    virtual HResult Save(const std::string& linkFilePath) = 0;
    // Takes the fields of the shortcut file at `linkFilePath`.
    virtual HResult Load(const std::string& linkFilePath) = 0;
};

// Makes shell link objects; what happens to their files is ShortcutFiles'.
class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    // On success `link` holds a new, empty object; on failure it is left
    // empty and the result says why.
    virtual HResult Create(std::unique_ptr<ShellLink>* link) = 0;
};

}  // namespace tessaly
