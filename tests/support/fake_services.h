#pragma once

// In-memory stand-ins for the platform adapters, for native tests of the code
// that uses them. They note what they are asked, in order, in one shared log;
// messages shown start with "| ".

#include "platform/code_page_encoder.h"
#include "platform/message_presenter.h"
#include "platform/registry_reader.h"
#include "platform/shell_link_writer.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::test {

using CallLog = std::vector<std::string>;

// Values by name, whatever the key.
class FakeRegistryReader : public RegistryReader {
public:
    std::map<std::string, std::string> values;
    bool ReadValue(RegistryRoot, const std::string&, const std::string& name,
                   std::string* text) override {
        const auto found = values.find(name);
        if (found != values.end()) {
            *text = found->second;
        }
        return found != values.end();
    }
};

// Keeps saved links by path, as "target|arguments|description". Any step
// ("Open", "SetPath", "SetArguments", "SetDescription", "Save") can be given
// another result.
class FakeShellLinkWriter : public ShellLinkWriter {
public:
    explicit FakeShellLinkWriter(CallLog& log) : log(log) {}
    HResult Open(std::unique_ptr<ShellLink>* link) override;
    HResult Step(const std::string& step) {
        log.push_back(step);
        return results.count(step) != 0 ? results[step] : kOk;
    }

    CallLog& log;
    std::map<std::string, HResult> results;
    bool dropsTarget = false;  // takes paths with success, keeps none, as Wine may
    std::map<std::string, std::string> files;
    int openLinks = 0;  // opened and not yet released
};

class FakeMessagePresenter : public MessagePresenter {
public:
    explicit FakeMessagePresenter(CallLog& log) : log(log) {}
    void Show(const std::string& text) override { log.push_back("| " + text); }
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
