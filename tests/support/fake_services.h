#pragma once

// In-memory stand-ins for the platform adapters, for native tests of the code
// that uses them: they keep files and messages, the outcomes a user meets.

#include "platform/code_page_encoder.h"
#include "platform/message_presenter.h"
#include "platform/registry_reader.h"
#include "platform/shell_links.h"
#include "platform/shortcut_files.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tessaly::test {

// Values by name, whatever the key.
class FakeRegistryReader : public RegistryReader {
public:
    std::map<std::string, std::string> values;
    HResult ReadValue(RegistryRoot, const std::string&, const std::string& name,
                      std::string* text) override {
        *text = values.count(name) != 0 ? values[name] : *text;
        return values.count(name) != 0 ? kOk : static_cast<HResult>(0x80070002);  // not found
    }
};

// A shortcut file: target, arguments, description.
using LinkFile = std::array<std::string, 3>;

// Shell links and the files beside a shortcut, kept by path. Any step
// ("Create", "SetPath", "SetArguments", "SetDescription", "Temporary", "Save",
// "Load", "Replace") can be given another result; `savedAs` stores other text
// in a field, as a shell link may.
class FakeShortcutSystem : public ShellLinks, public ShortcutFiles {
public:
    HResult Create(std::unique_ptr<ShellLink>* link) override;
    HResult CreateTemporary(const std::string& linkFilePath, std::string* path) override {
        return Step("Temporary", [&] {
            *path = linkFilePath.substr(0, linkFilePath.rfind('\\') + 1) + "~000001.tmp";
            files[*path] = {};
        });
    }
    HResult Replace(const std::string& from, const std::string& to) override {
        return Step("Replace", [&] { files[to] = files.extract(from).mapped(); });
    }
    void Remove(const std::string& path) override { files.erase(path); }
    bool FolderExists(const std::string& path) override { return missingFolders.count(path) == 0; }
    HResult Result(const std::string& step) { return results.count(step) ? results[step] : kOk; }
    // The step's result, with its effect only on success.
    template <class Effect>
    HResult Step(const std::string& step, Effect effect) {
        const HResult hr = Result(step);
        if (Succeeded(hr)) {
            effect();
        }
        return hr;
    }

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
    explicit FakeMessagePresenter(const FakeShortcutSystem* links = nullptr) : links_(links) {}
    // As the user reads it: the zero-width spaces (U+200B) a path wraps at are not seen.
    void Show(const std::string& text) override {
        std::string read = text;
        for (std::size_t at; (at = read.find("​")) != std::string::npos;) {
            read.erase(at, 3);
        }
        shown.push_back(links_ != nullptr && links_->openLinks != 0 ? "(link alive) " + read
                                                                    : read);
    }
    std::vector<std::string> shown;

private:
    const FakeShortcutSystem* links_;
};

// A code page that spells ASCII as it is, and nothing else.
class FakeCodePageEncoder : public CodePageEncoder {
public:
    HResult Encode(const SecretText& secret, SecretText* bytes) override {
        *bytes = secret;
        return std::all_of(secret.view().begin(), secret.view().end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; })
                   ? kOk
                   : static_cast<HResult>(0x80070459);  // ERROR_NO_UNICODE_TRANSLATION
    }
};

class FakeShellLink : public ShellLink {
public:
    explicit FakeShellLink(FakeShortcutSystem& writer) : writer_(writer) { ++writer_.openLinks; }
    ~FakeShellLink() override { --writer_.openLinks; }

    // A doubled separator is taken as one, as the shell does.
    HResult SetPath(const std::string& text) override {
        std::string path = writer_.dropsTarget ? "" : text;
        for (std::size_t at; (at = path.find("\\\\")) != std::string::npos;) {
            path.erase(at, 1);
        }
        return Set(0, path, "SetPath");
    }
    HResult SetArguments(const SecretText& text) override {
        return Set(1, std::string(text.view()), "SetArguments");
    }
    HResult SetDescription(const std::string& text) override {
        return Set(2, text, "SetDescription");
    }
    HResult GetPath(std::string* text) override { return Get(0, text); }
    HResult GetArguments(SecretText* text) override {
        *text = SecretText(fields_[1]);
        return kOk;
    }
    HResult GetDescription(std::string* text) override { return Get(2, text); }
    HResult Save(const std::string& path) override {
        LinkFile saved = fields_;
        for (const auto& [field, text] : writer_.savedAs) {
            saved[field] = text;
        }
        return writer_.Step("Save", [&] { writer_.files[path] = saved; });
    }
    HResult Load(const std::string& path) override {
        return writer_.Step("Load", [&] { fields_ = writer_.files.at(path); });
    }

private:
    HResult Set(int field, const std::string& text, const char* step) {
        fields_[field] = text;
        return writer_.Result(step);
    }
    HResult Get(int field, std::string* text) {
        *text = fields_[field];
        return kOk;
    }

    FakeShortcutSystem& writer_;
    LinkFile fields_;
};

inline HResult FakeShortcutSystem::Create(std::unique_ptr<ShellLink>* link) {
    return Step("Create", [&] { *link = std::make_unique<FakeShellLink>(*this); });
}

}  // namespace tessaly::test
