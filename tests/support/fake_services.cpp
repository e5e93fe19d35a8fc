#include "tests/support/fake_services.h"

namespace tessaly::test {

namespace {

class FakeShellLink : public ShellLink {
public:
    explicit FakeShellLink(FakeShellLinkWriter& writer) : writer_(writer) {}
    ~FakeShellLink() override { writer_.log += "Release "; }

    // A doubled separator is taken as one, as the shell does.
    HResult SetPath(const std::string& text) override {
        std::string path = text;
        for (std::size_t at; (at = path.find("\\\\")) != std::string::npos;) {
            path.erase(at, 1);
        }
        return Set(0, writer_.dropsTarget ? "" : path, "SetPath");
    }
    HResult GetPath(std::string* text) override { return Get(0, text, "GetPath"); }
    HResult SetArguments(const std::string& text) override { return Set(1, text, "SetArguments"); }
    HResult GetArguments(std::string* text) override { return Get(1, text, "GetArguments"); }
    HResult SetDescription(const std::string& text) override {
        return Set(2, text, "SetDescription");
    }
    HResult GetDescription(std::string* text) override { return Get(2, text, "GetDescription"); }
    HResult Save(const std::string& path) override {
        const HResult hr = writer_.Step("Save");
        if (Succeeded(hr)) {
            writer_.files[path] = fields_;
            for (const auto& [field, text] : writer_.savedAs) {
                writer_.files[path][field] = text;
            }
        }
        return hr;
    }
    HResult Load(const std::string& path) override {
        const HResult hr = writer_.Step("Load");
        if (Succeeded(hr)) {
            fields_ = writer_.files[path];
        }
        return hr;
    }

private:
    HResult Set(int field, const std::string& text, const char* step) {
        fields_[field] = text;
        return writer_.Step(step);
    }
    HResult Get(int field, std::string* text, const char* step) {
        *text = fields_[field];
        return writer_.Step(step);
    }

    FakeShellLinkWriter& writer_;
    LinkFile fields_;
};

}  // namespace

HResult FakeShellLinkWriter::Open(std::unique_ptr<ShellLink>* link) {
    const HResult hr = Step("Open");
    if (Succeeded(hr)) {
        *link = std::make_unique<FakeShellLink>(*this);
    }
    return hr;
}

HResult FakeShellLinkWriter::CreateTemporary(const std::string& linkFilePath, std::string* path) {
    const HResult hr = Step("Temporary");
    if (Succeeded(hr)) {
        *path = linkFilePath.substr(0, linkFilePath.rfind('\\') + 1) + "~000001.tmp";
        files[*path] = {};
    }
    return hr;
}

HResult FakeShellLinkWriter::Replace(const std::string& from, const std::string& to) {
    const HResult hr = Step("Replace");
    if (Succeeded(hr)) {
        files[to] = files.extract(from).mapped();
    }
    return hr;
}

}  // namespace tessaly::test
