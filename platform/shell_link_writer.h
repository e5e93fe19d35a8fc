#pragma once

#include "core/secret_text.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tessaly {

// An HRESULT, kept as a plain integer so portable code can carry it.
using HResult = std::int32_t;

// SUCCEEDED(): S_FALSE counts as success (the shell link returns it for a
// target that does not exist yet), so never compare with S_OK.
inline bool Succeeded(HResult hr) {
    return hr >= 0;
}

constexpr HResult kOk = 0;

// One shell link object, open for the length of one shortcut. Destroying it
// releases the object and whatever the writer set up for it. Texts are UTF-8;
// a text read back that is not well-formed UTF-16 is a failure, never a
// look-alike.
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

// Makes shell link objects, and puts their files in place.
class ShellLinkWriter {
public:
    virtual ~ShellLinkWriter() = default;
    // On success `link` holds the new object; on failure it is left empty and
    // the result says why.
    virtual HResult Open(std::unique_ptr<ShellLink>* link) = 0;
    // Creates a new empty file beside `linkFilePath`, under a name tied to
    // that shortcut and as long as its name (platform/temporary_names.h),
    // that only the user and the system may open. The files earlier runs for
    // the same shortcut left behind are deleted first.
    virtual HResult CreateTemporary(const std::string& linkFilePath,
                                    std::string* temporaryPath) = 0;
    // Writes the file `from` through to the disk, then puts it in the place
    // of `to` in one step, replacing any file there; returns once the move is
    // on disk too.
    virtual HResult Replace(const std::string& from, const std::string& to) = 0;
    // Deletes a file; one that is already gone is no failure.
    virtual void Remove(const std::string& path) = 0;
    // True when `path` names a folder that exists.
    virtual bool FolderExists(const std::string& path) = 0;
};

}  // namespace tessaly
