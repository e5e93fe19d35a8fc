#include "platform/win32/win32_shell_link_writer.h"

#include "platform/win32/scoped_handles.h"

#include <shlobj.h>

namespace tessaly::win32 {

namespace {

// The shell link class and its two interfaces, spelled out rather than taken
// from libuuid, whose one object file would bring every GUID it has along.
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kShellLinkAInterface = {0x000214EE, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kPersistFileInterface = {0x0000010B, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

class Win32ShellLink : public ShellLink {
public:
    HRESULT Create() {
        HRESULT hr = CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                      kShellLinkAInterface, link_.receive());
        if (FAILED(hr)) {
            return hr;
        }
        return link_->QueryInterface(kPersistFileInterface, file_.receive());
    }

    HResult SetPath(const std::string& targetPath) override {
        return link_->SetPath(targetPath.c_str());
    }
    HResult SetArguments(const std::string& arguments) override {
        return link_->SetArguments(arguments.c_str());
    }
    HResult SetDescription(const std::string& description) override {
        return link_->SetDescription(description.c_str());
    }

    HResult Save(const std::string& linkFilePath) override {
        WCHAR widePath[MAX_PATH];
        if (MultiByteToWideChar(CP_ACP, 0, linkFilePath.c_str(), -1, widePath, MAX_PATH) == 0) {
            const DWORD error = GetLastError();
            return error == ERROR_INSUFFICIENT_BUFFER ? kLinkPathTooLong
                                                      : HRESULT_FROM_WIN32(error);
        }
        return file_->Save(widePath, TRUE);
    }

private:
    // Declared so that destruction releases IPersistFile, then IShellLinkA,
    // then uninitialises COM.
    ScopedComInit com_;
    ComPtr<IShellLinkA> link_;
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
