#include "platform/win32/win32_shell_link_writer.h"

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"

#include <shlobj.h>

#include <optional>

namespace tessaly::win32 {

namespace {

// The shell link class, spelled out rather than taken from libuuid, whose one
// object file would bring every GUID it has along. The interfaces' own IDs
// come with their declarations, through IID_PPV_ARGS.
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// One text field read into a buffer of INFOTIPSIZE units, the shell's own
// limit for a description and more than a path or the arguments can take.
template <class Getter>
HResult Get(std::string* text, Getter get) {
    wchar_t buffer[INFOTIPSIZE] = {};
    HRESULT hr = get(buffer, INFOTIPSIZE);
    if (SUCCEEDED(hr)) {
        std::optional<std::string> utf8 = WellFormedWideToUtf8(buffer);
        if (!utf8) {
            return HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
        }
        *text = std::move(*utf8);
    }
    return hr;
}

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
        return Get(targetPath, [this](wchar_t* text, int size) {
            return link_->GetPath(text, size, nullptr, SLGP_RAWPATH);
        });
    }
    HResult SetArguments(const std::string& arguments) override {
        return link_->SetArguments(Utf8ToWide(arguments).c_str());
    }
    HResult GetArguments(std::string* arguments) override {
        return Get(arguments,
                   [this](wchar_t* text, int size) { return link_->GetArguments(text, size); });
    }
    HResult SetDescription(const std::string& description) override {
        return link_->SetDescription(Utf8ToWide(description).c_str());
    }
    HResult GetDescription(std::string* description) override {
        return Get(description,
                   [this](wchar_t* text, int size) { return link_->GetDescription(text, size); });
    }
    HResult Save(const std::string& linkFilePath) override {
        return file_->Save(Utf8ToWide(linkFilePath).c_str(), TRUE);
    }
    HResult Load(const std::string& linkFilePath) override {
        return file_->Load(Utf8ToWide(linkFilePath).c_str(), STGM_READ);
    }

private:
    // Declared so that destruction releases IPersistFile, then IShellLinkW.
    ComPtr<IShellLinkW> link_;
    ComPtr<IPersistFile> file_;
};

HResult LastError() {
    return HRESULT_FROM_WIN32(GetLastError());
}

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

HResult Win32ShellLinkWriter::CreateTemporary(const std::string& linkFilePath,
                                              std::string* temporaryPath) {
    const std::wstring folder = Utf8ToWide(linkFilePath.substr(0, linkFilePath.rfind('\\') + 1));
    // "~" + six hex digits + ".tmp": 11 units. CREATE_NEW claims a name no
    // file had, so a file of the user's is never the one written over.
    const DWORD seed = GetTickCount() ^ GetCurrentProcessId() << 12;
    for (DWORD attempt = 0; attempt < 1000; ++attempt) {
        std::wstring path = folder + L"~";
        for (int shift = 20; shift >= 0; shift -= 4) {
            path += L"0123456789abcdef"[(seed + attempt) >> shift & 0xF];
        }
        path += L".tmp";
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            *temporaryPath = WideToUtf8(path);
            return S_OK;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) {
            return LastError();
        }
    }
    return HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);
}

HResult Win32ShellLinkWriter::Replace(const std::string& from, const std::string& to) {
    return MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? S_OK
               : LastError();
}

void Win32ShellLinkWriter::Remove(const std::string& path) {
    DeleteFileW(Utf8ToWide(path).c_str());
}

}  // namespace tessaly::win32
