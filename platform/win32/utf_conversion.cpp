#include "platform/win32/utf_conversion.h"

#include <windows.h>

namespace tessaly::win32 {

namespace {

// Into a new std::wstring or SecretWideText of the converted length.
template <class Wide>
Wide ToWide(std::string_view utf8) {
    if (utf8.empty()) {
        return Wide();
    }
    const int length = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    Wide wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

// Into a new std::string or SecretText; std::nullopt only with
// WC_ERR_INVALID_CHARS.
template <class Utf8>
std::optional<Utf8> ToUtf8(std::wstring_view wide, DWORD flags) {
    if (wide.empty()) {
        return Utf8();
    }
    const int length = static_cast<int>(wide.size());
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0) {
        return std::nullopt;
    }
    Utf8 utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, flags, wide.data(), length, utf8.data(), utf8Length, nullptr,
                        nullptr);
    return utf8;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    return ToWide<std::wstring>(utf8);
}

std::string WideToUtf8(std::wstring_view wide) {
    return ToUtf8<std::string>(wide, 0).value_or(std::string());
}

std::optional<std::string> WellFormedWideToUtf8(std::wstring_view wide) {
    return ToUtf8<std::string>(wide, WC_ERR_INVALID_CHARS);
}

SecretWideText SecretUtf8ToWide(std::string_view utf8) {
    return ToWide<SecretWideText>(utf8);
}

SecretText SecretWideToUtf8(std::wstring_view wide) {
    return ToUtf8<SecretText>(wide, 0).value_or(SecretText());
}

std::optional<SecretText> SecretWellFormedWideToUtf8(std::wstring_view wide) {
    return ToUtf8<SecretText>(wide, WC_ERR_INVALID_CHARS);
}

}  // namespace tessaly::win32
