#include "platform/win32/win32_shell_link_writer.h"

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"

#include <shlobj.h>

namespace tessaly::win32 {

namespace {

// The shell link class, spelled out rather than taken from libuuid, whose one
// object file would bring every GUID it has along. The interfaces' own IDs
// come with their declarations, through IID_PPV_ARGS.
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

class Win32ShellLink : public ShellLink {
public:
    HRESULT Create() {
        HRESULT hr = CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(link_.put()));
        if (FAILED(hr)) {
            return hr;
        }
        return link_->QueryInterface(IID_PPV_ARGS(file_.put()));
    }

    HResult SetPath(const std::string& targetPath) override {
        return link_->SetPath(Utf8ToWide(targetPath).c_str());
    }
    HResult GetPath(std::string* targetPath) override {
        wchar_t path[MAX_PATH] = {};
        const HRESULT hr = link_->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
        *targetPath = WideToUtf8(path);
        return hr;
    }
    HResult SetArguments(const std::string& arguments) override {
        return link_->SetArguments(Utf8ToWide(arguments).c_str());
    }
    HResult SetDescription(const std::string& description) override {
        return link_->SetDescription(Utf8ToWide(description).c_str());
    }
    HResult Save(const std::string& linkFilePath) override {
        return file_->Save(Utf8ToWide(linkFilePath).c_str(), TRUE);
    }

private:
    // Declared so that destruction releases IPersistFile, then IShellLinkW.
    ComPtr<IShellLinkW> link_;
    ComPtr<IPersistFile> file_;
};

}  // namespace

HResult Win32ShellLinkWriter::Open(std::unique_ptr<ShellLink>* link) {
    auto shellLink = std::make_unique<Win32ShellLink>();
    const HRESULT hr = shellLink->Create();
    if (FAILED(hr)) {
        return hr;
    }
    *link = std::move(shellLink);
    return hr;
}

}  // namespace tessaly::win32
