#pragma once

// In-memory stand-ins for the platform adapters, for native tests of the code
// that uses them. They note what they are asked, in order, in one shared log,
// each step followed by a space; messages shown start with "| ".

#include "platform/code_page_encoder.h"
#include "platform/message_presenter.h"
#include "platform/registry_reader.h"
#include "platform/shell_link_writer.h"

#include <array>
#include <map>
#include <optional>
#include <string>

namespace tessaly::test {

using CallLog = std::string;

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

// Keeps files by path. Any step ("Open", "SetPath", "GetPath", "SetArguments", "GetArguments",
// "SetDescription", "GetDescription", "Temporary", "Save", "Load", "Replace")
// can be given another result; `savedAs` stores other text in a field, as a
// shell link may.
class FakeShellLinkWriter : public ShellLinkWriter {
public:
    explicit FakeShellLinkWriter(CallLog& log) : log(log) {}
    HResult Open(std::unique_ptr<ShellLink>* link) override;
    HResult CreateTemporary(const std::string& linkFilePath, std::string* path) override;
    HResult Replace(const std::string& from, const std::string& to) override;
    // Noted as "Remove", or "Remove(none)" when there was no such file.
    void Remove(const std::string& path) override {
        log += files.erase(path) != 0 ? "Remove " : "Remove(none) ";
    }
    HResult Step(const std::string& step) {
        log += step + " ";
        return results.count(step) != 0 ? results[step] : kOk;
    }

    CallLog& log;
    std::map<std::string, HResult> results;
    bool dropsTarget = false;  // takes paths with success, keeps none, as Wine may
    std::map<int, std::string> savedAs;
    std::map<std::string, LinkFile> files;
};

class FakeMessagePresenter : public MessagePresenter {
public:
    explicit FakeMessagePresenter(CallLog& log) : log(log) {}
    void Show(const std::string& text) override { log += "| " + text + " "; }
    CallLog& log;
};

// Spells a text "in the code page" as "cp:" + the text, so a test can tell
// which form reached the hash; refuses every text when `holdsNothing`.
class FakeCodePageEncoder : public CodePageEncoder {
public:
    bool holdsNothing = false;
    std::optional<std::string> Encode(const std::string& utf8) override {
        return holdsNothing ? std::nullopt : std::optional<std::string>("cp:" + utf8);
    }
};

}  // namespace tessaly::test
