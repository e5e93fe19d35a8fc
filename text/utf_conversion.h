#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::text {

// The program keeps text as UTF-8 and hands Windows UTF-16: these are the
// only crossings. Each converts into a new string of the caller's type: a
// std::string / std::wstring, or a secret text (core/secret_text.h) for
// passwords and the client's command line, of which no unwiped copy may be
// left on the way.

// How many UTF-16 units `utf8` takes, written into `wide` when it has room
// (`capacity` units); ill-formed sequences become U+FFFD.
std::size_t WideUnits(std::string_view utf8, wchar_t* wide, std::size_t capacity);
// How many UTF-8 bytes `wide` takes, written into `utf8` when it has room;
// std::nullopt when `strict` and it is not well formed, else U+FFFD stands in.
std::optional<std::size_t> Utf8Bytes(std::wstring_view wide, bool strict, char* utf8,
                                     std::size_t capacity);

template <class Wide = std::wstring>
Wide Utf8ToWide(std::string_view utf8) {
    Wide wide(WideUnits(utf8, nullptr, 0), L'\0');
    WideUnits(utf8, wide.data(), wide.size());
    return wide;
}

// Strict: std::nullopt for UTF-16 that is not well formed. For text the
// program takes as a name from stored data (registry values, shortcut
// files): with one unit replaced it names another folder, so it is refused.
template <class Utf8 = std::string>
std::optional<Utf8> WellFormedWideToUtf8(std::wstring_view wide, bool strict = true) {
    const std::optional<std::size_t> bytes = Utf8Bytes(wide, strict, nullptr, 0);
    if (!bytes) {
        return std::nullopt;
    }
    Utf8 utf8(*bytes, '\0');
    Utf8Bytes(wide, strict, utf8.data(), utf8.size());
    return utf8;
}

// Lenient: for text Windows hands the program from the user, such as window
// texts: a lone surrogate pasted into a box is the user's to see and mend,
// and refusing the whole text would lose what was typed around it.
template <class Utf8 = std::string>
Utf8 WideToUtf8(std::wstring_view wide) {
    return *WellFormedWideToUtf8<Utf8>(wide, false);
}

}  // namespace tessaly::text
