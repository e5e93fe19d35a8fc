#pragma once

#include <cstddef>
#include <string_view>

namespace tessaly {

// The longest path, in UTF-16 units, that a shortcut file or its target may
// have: MAX_PATH less the terminator.
constexpr std::size_t kMaxPathLength = 259;

// How many UTF-16 code units Windows needs for a UTF-8 text: one per
// character, two for a character beyond the Basic Multilingual Plane. Path
// limits such as MAX_PATH count these units, not bytes or characters.
constexpr std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            units += byte >= 0xF0 ? 2 : 1;  // a lead byte of four needs a surrogate pair
        }
    }
    return units;
}

// True when a path is too long for MAX_PATH.
constexpr bool ExceedsMaxPath(std::string_view utf8) {
    return Utf16Length(utf8) > kMaxPathLength;
}

}  // namespace tessaly
