#include "tests/support/fake_services.h"

namespace tessaly::test {

namespace {

class FakeShellLink : public ShellLink {
public:
    explicit FakeShellLink(FakeShellLinkWriter& writer) : writer_(writer) { ++writer_.openLinks; }
    ~FakeShellLink() override {
        --writer_.openLinks;
        writer_.calls.push_back("Release");
    }

    HResult SetPath(const std::string& targetPath) override {
        writer_.calls.push_back("SetPath");
        link_.targetPath = targetPath;
        return writer_.setPathResult;
    }
    HResult GetPath(std::string* targetPath) override {
        writer_.calls.push_back("GetPath");
        *targetPath = writer_.dropsTarget ? "" : link_.targetPath;
        return kOk;
    }
    HResult SetArguments(const std::string& arguments) override {
        writer_.calls.push_back("SetArguments");
        link_.arguments = arguments;
        return writer_.setArgumentsResult;
    }
    HResult SetDescription(const std::string& description) override {
        writer_.calls.push_back("SetDescription");
        link_.description = description;
        return writer_.setDescriptionResult;
    }
    HResult Save(const std::string& linkFilePath) override {
        writer_.calls.push_back("Save");
        if (Succeeded(writer_.saveResult)) {
            writer_.files[linkFilePath] = link_;
        }
        return writer_.saveResult;
    }

private:
    FakeShellLinkWriter& writer_;
    SavedLink link_;
};

}  // namespace

HResult FakeShellLinkWriter::Open(std::unique_ptr<ShellLink>* link) {
    calls.push_back("Open");
    if (!Succeeded(openResult)) {
        return openResult;
    }
    *link = std::make_unique<FakeShellLink>(*this);
    return openResult;
}

}  // namespace tessaly::test
