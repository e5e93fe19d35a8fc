#include "platform/win32/win32_url_opener.h"

#include "text/utf_conversion.h"

#include <windows.h>
#include <shellapi.h>

namespace tessaly::win32 {

void Win32UrlOpener::Open(const std::string& url) {
    ShellExecuteW(nullptr, L"open", text::Utf8ToWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace tessaly::win32
