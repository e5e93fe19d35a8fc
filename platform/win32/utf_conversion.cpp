#include "platform/win32/utf_conversion.h"

#include <windows.h>

namespace tessaly::win32 {

std::wstring Utf8ToWide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

namespace {

std::optional<std::string> ToUtf8(std::wstring_view wide, DWORD flags) {
    if (wide.empty()) {
        return std::string();
    }
    const int length = static_cast<int>(wide.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0) {
        return std::nullopt;  // only with WC_ERR_INVALID_CHARS
    }
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, flags, wide.data(), length, utf8.data(), utf8Length, nullptr,
                        nullptr);
    return utf8;
}

}  // namespace

std::string WideToUtf8(std::wstring_view wide) {
    return ToUtf8(wide, 0).value_or(std::string());
}

std::optional<std::string> WellFormedWideToUtf8(std::wstring_view wide) {
    return ToUtf8(wide, WC_ERR_INVALID_CHARS);
}

}  // namespace tessaly::win32
