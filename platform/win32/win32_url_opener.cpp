#include "platform/win32/win32_url_opener.h"

#include "platform/win32/utf_conversion.h"

#include <windows.h>
#include <shellapi.h>

namespace tessaly::win32 {

bool Win32UrlOpener::Open(const std::string& url) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Utf8ToWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // ShellExecute reports success as a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace tessaly::win32
