#pragma once

// In-memory stand-ins for the platform adapters, for native tests of the
// code that uses them.

#include "platform/code_page_encoder.h"
#include "platform/message_box.h"
#include "platform/registry_lookups.h"
#include "platform/registry_reader.h"
#include "platform/shell_link_writer.h"
#include "platform/url_opener.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace tessaly::test {

class FakeRegistryReader : public RegistryReader {
public:
    void Set(const RegistryLookup& lookup, const std::string& text) {
        values_[Key(lookup.root, lookup.subkey, lookup.valueName)] = text;
    }
    void Remove(const RegistryLookup& lookup) {
        values_.erase(Key(lookup.root, lookup.subkey, lookup.valueName));
    }
    bool ReadValue(RegistryRoot root, const std::string& subkey, const std::string& valueName,
                   std::string* text) override {
        const auto found = values_.find(Key(root, subkey, valueName));
        if (found == values_.end()) {
            return false;
        }
        *text = found->second;
        return true;
    }

private:
    using ValueKey = std::tuple<RegistryRoot, std::string, std::string>;
    static ValueKey Key(RegistryRoot root, const std::string& subkey, const std::string& name) {
        return {root, subkey, name};
    }
    std::map<ValueKey, std::string> values_;
};

// A shortcut as the fake shell link saved it.
struct SavedLink {
    std::string targetPath;
    std::string arguments;
    std::string description;
};

// Records every call and keeps saved links in a map of path to fields. Any
// step can be made to fail with a chosen result.
class FakeShellLinkWriter : public ShellLinkWriter {
public:
    HResult openResult = kOk;
    HResult setPathResult = kOk;
    HResult setArgumentsResult = kOk;
    HResult setDescriptionResult = kOk;
    HResult saveResult = kOk;
    // Takes every path with success but keeps none, as Wine does with
    // targets it cannot store.
    bool dropsTarget = false;

    std::map<std::string, SavedLink> files;
    std::vector<std::string> calls;
    int openLinks = 0;  // links opened and not yet destroyed

    HResult Open(std::unique_ptr<ShellLink>* link) override;
};

class FakeMessagePresenter : public MessagePresenter {
public:
    void Show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

// Spells a text "in the code page" as "cp:" + the text, so a test can tell
// which form reached the hash; refuses every text when `holdsNothing`.
class FakeCodePageEncoder : public CodePageEncoder {
public:
    bool holdsNothing = false;
    std::optional<std::string> Encode(const std::string& utf8) override {
        if (holdsNothing) {
            return std::nullopt;
        }
        return "cp:" + utf8;
    }
};

class FakeUrlOpener : public UrlOpener {
public:
    bool Open(const std::string& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<std::string> opened;
};

}  // namespace tessaly::test
