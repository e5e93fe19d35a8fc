#include "tests/support/fake_services.h"

namespace tessaly::test {

namespace {

class FakeShellLink : public ShellLink {
public:
    explicit FakeShellLink(FakeShellLinkWriter& writer) : writer_(writer) { ++writer_.openLinks; }
    ~FakeShellLink() override {
        --writer_.openLinks;
        writer_.log.push_back("Release");
    }

    HResult SetPath(const std::string& text) override { return Set(0, text, "SetPath"); }
    HResult GetPath(std::string* text) override {
        *text = writer_.dropsTarget ? "" : fields_[0];
        return writer_.Step("GetPath");
    }
    HResult SetArguments(const std::string& text) override { return Set(1, text, "SetArguments"); }
    HResult SetDescription(const std::string& text) override {
        return Set(2, text, "SetDescription");
    }
    HResult Save(const std::string& path) override {
        const HResult hr = writer_.Step("Save");
        if (Succeeded(hr)) {
            writer_.files[path] = fields_[0] + "|" + fields_[1] + "|" + fields_[2];
        }
        return hr;
    }

private:
    HResult Set(int field, const std::string& text, const char* step) {
        fields_[field] = text;
        return writer_.Step(step);
    }

    FakeShellLinkWriter& writer_;
    std::string fields_[3];
};

}  // namespace

HResult FakeShellLinkWriter::Open(std::unique_ptr<ShellLink>* link) {
    const HResult hr = Step("Open");
    if (Succeeded(hr)) {
        *link = std::make_unique<FakeShellLink>(*this);
    }
    return hr;
}

}  // namespace tessaly::test
