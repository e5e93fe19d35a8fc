#pragma once

// In-memory stand-ins for the platform adapters, for native tests of the code
// that uses them: they keep files and messages, the outcomes a user meets.

#include "platform/code_page_encoder.h"
#include "platform/message_presenter.h"
#include "platform/registry_reader.h"
#include "platform/shell_link_writer.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tessaly::test {

// Values by name, whatever the key.
class FakeRegistryReader : public RegistryReader {
public:
    std::map<std::string, std::string> values;
    bool ReadValue(RegistryRoot, const std::string&, const std::string& name,
                   std::string* text) override {
        const bool found = values.count(name) != 0;
        *text = found ? values[name] : *text;
        return found;
    }
};

// A shortcut file: target, arguments, description.
using LinkFile = std::array<std::string, 3>;

// Keeps files by path. Any step ("Open", "SetPath", "SetArguments",
// "SetDescription", "Temporary", "Save", "Load", "Replace") can be given
// another result; `savedAs` stores other text in a field, as a shell link may.
class FakeShellLinkWriter : public ShellLinkWriter {
public:
    HResult Open(std::unique_ptr<ShellLink>* link) override;
    HResult CreateTemporary(const std::string& linkFilePath, std::string* path) override;
    HResult Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override { files.erase(path); }
    bool FolderExists(const std::string& path) override { return missingFolders.count(path) == 0; }
    HResult Result(const std::string& step) { return results.count(step) ? results[step] : kOk; }

    std::map<std::string, HResult> results;
    bool dropsTarget = false;  // takes paths with success, keeps none, as Wine may
    std::map<int, std::string> savedAs;
    std::map<std::string, LinkFile> files;
    std::set<std::string> missingFolders;  // every other folder exists
    int openLinks = 0;                     // shell link objects alive now
};

// Keeps the texts shown, and with fake links, notes a message shown while a
// shell link object was alive: its modal loop must not hold one.
class FakeMessagePresenter : public MessagePresenter {
public:
    explicit FakeMessagePresenter(const FakeShellLinkWriter* links = nullptr) : links_(links) {}
    void Show(const std::string& text) override {
        shown.push_back(links_ != nullptr && links_->openLinks != 0 ? "(link alive) " + text
                                                                    : text);
    }
    std::vector<std::string> shown;

private:
    const FakeShellLinkWriter* links_;
};

// Spells a text in Latin-1, a code page of its own bytes: ASCII stays as it
// is, "ä" becomes one byte, and anything beyond U+00FF cannot be spelled.
class FakeCodePageEncoder : public CodePageEncoder {
public:
    std::optional<SecretText> Encode(const SecretText& utf8) override;
};

}  // namespace tessaly::test
