#include "tests/support/fake_services.h"

namespace tessaly::test {

namespace {

class FakeShellLink : public ShellLink {
public:
    explicit FakeShellLink(FakeShellLinkWriter& writer) : writer_(writer) { ++writer_.openLinks; }
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
        return Step("Save", [&] { writer_.files[path] = saved; });
    }
    HResult Load(const std::string& path) override {
        return Step("Load", [&] { fields_ = writer_.files.at(path); });
    }

private:
    template <class Effect>
    HResult Step(const char* step, Effect effect) {
        const HResult hr = writer_.Result(step);
        if (Succeeded(hr)) {
            effect();
        }
        return hr;
    }
    HResult Set(int field, const std::string& text, const char* step) {
        fields_[field] = text;
        return writer_.Result(step);
    }
    HResult Get(int field, std::string* text) {
        *text = fields_[field];
        return kOk;
    }

    FakeShellLinkWriter& writer_;
    LinkFile fields_;
};

}  // namespace

HResult FakeShellLinkWriter::Open(std::unique_ptr<ShellLink>* link) {
    const HResult hr = Result("Open");
    if (Succeeded(hr)) {
        *link = std::make_unique<FakeShellLink>(*this);
    }
    return hr;
}

HResult FakeShellLinkWriter::CreateTemporary(const std::string& linkFilePath, std::string* path) {
    const HResult hr = Result("Temporary");
    if (Succeeded(hr)) {
        *path = linkFilePath.substr(0, linkFilePath.rfind('\\') + 1) + "~000001.tmp";
        files[*path] = {};
    }
    return hr;
}

HResult FakeShellLinkWriter::Replace(const std::string& from, const std::string& to) {
    const HResult hr = Result("Replace");
    if (Succeeded(hr)) {
        files[to] = files.extract(from).mapped();
    }
    return hr;
}

std::optional<SecretText> FakeCodePageEncoder::Encode(const SecretText& secret) {
    const std::string_view utf8 = secret.view();
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0x80 && (lead > 0xC3 || lead < 0xC2 || i + 1 == utf8.size())) {
            return std::nullopt;
        }
        bytes += lead < 0x80 ? utf8[i] : static_cast<char>((lead & 0x03) << 6 | (utf8[++i] & 0x3F));
    }
    return SecretText(bytes);
}

}  // namespace tessaly::test
