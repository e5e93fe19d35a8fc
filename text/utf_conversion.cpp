#include "text/utf_conversion.h"

#include <windows.h>

namespace tessaly::text {

std::size_t WideUnits(std::string_view utf8, wchar_t* wide, std::size_t capacity) {
    if (utf8.empty()) {
        return 0;
    }
    const int length = static_cast<int>(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide,
                                          wide != nullptr ? static_cast<int>(capacity) : 0);
    return units > 0 ? static_cast<std::size_t>(units) : 0;
}

std::optional<std::size_t> Utf8Bytes(std::wstring_view wide, bool strict, char* utf8,
                                     std::size_t capacity) {
    if (wide.empty()) {
        return 0;
    }
    const int length = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, strict ? WC_ERR_INVALID_CHARS : 0, wide.data(), length, utf8,
                            utf8 != nullptr ? static_cast<int>(capacity) : 0, nullptr, nullptr);
    if (bytes <= 0) {
        return strict ? std::nullopt : std::optional<std::size_t>(0);
    }
    return static_cast<std::size_t>(bytes);
}

}  // namespace tessaly::text
