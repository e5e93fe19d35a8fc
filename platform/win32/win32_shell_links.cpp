#include "platform/win32/win32_shell_links.h"

#include "core/secure_wipe.h"
#include "text/utf_conversion.h"

#include <shlobj.h>
#include <wrl/client.h>

namespace tessaly::win32 {

namespace {

using Microsoft::WRL::ComPtr;

// The shell link class, spelled out rather than taken from libuuid, whose one
// object file would bring every GUID it has along. The interfaces' own IDs
// come with their declarations, through IID_PPV_ARGS.
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// One text field read into a buffer of INFOTIPSIZE units, the shell's own
// limit for a description and more than a path or the arguments can take,
// and converted strictly. The buffer is wiped: it may have held the command
// line.
template <class Text, class Getter>
HResult Get(Text* field, Getter get) {
    wchar_t buffer[INFOTIPSIZE] = {};
    HRESULT hr = get(buffer, INFOTIPSIZE);
    if (SUCCEEDED(hr)) {
        std::optional<Text> utf8 = text::WellFormedWideToUtf8<Text>(buffer);
        if (utf8) {
            *field = std::move(*utf8);
        } else {
            hr = HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
        }
    }
    SecureWipe(buffer, sizeof buffer);
    return hr;
}

class Win32ShellLink : public ShellLink {
public:
    HRESULT Create() {
        const HRESULT hr = CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_PPV_ARGS(link_.ReleaseAndGetAddressOf()));
        if (FAILED(hr)) {
            return hr;
        }
        return link_.As(&file_);
    }

    HResult SetPath(const std::string& targetPath) override {
        return link_->SetPath(text::Utf8ToWide(targetPath).c_str());
    }
    HResult GetPath(std::string* targetPath) override {
        return Get(targetPath, [this](wchar_t* text, int size) {
            return link_->GetPath(text, size, nullptr, SLGP_RAWPATH);
        });
    }
    HResult SetArguments(const SecretText& arguments) override {
        return link_->SetArguments(text::Utf8ToWide<SecretWideText>(arguments.view()).c_str());
    }
    HResult GetArguments(SecretText* arguments) override {
        return Get(arguments,
                   [this](wchar_t* text, int size) { return link_->GetArguments(text, size); });
    }
    HResult SetDescription(const std::string& description) override {
        return link_->SetDescription(text::Utf8ToWide(description).c_str());
    }
    HResult GetDescription(std::string* description) override {
        return Get(description,
                   [this](wchar_t* text, int size) { return link_->GetDescription(text, size); });
    }
    HResult Save(const std::string& linkFilePath) override {
        return file_->Save(text::Utf8ToWide(linkFilePath).c_str(), TRUE);
    }
    HResult Load(const std::string& linkFilePath) override {
        return file_->Load(text::Utf8ToWide(linkFilePath).c_str(), STGM_READ);
    }

private:
    ComPtr<IShellLinkW> link_;
    ComPtr<IPersistFile> file_;
};

}  // namespace

HResult Win32ShellLinks::Create(std::unique_ptr<ShellLink>* link) {
    auto shellLink = std::make_unique<Win32ShellLink>();
    const HRESULT hr = shellLink->Create();
    if (FAILED(hr)) {
        return hr;
    }
    *link = std::move(shellLink);
    return hr;
}

}  // namespace tessaly::win32
