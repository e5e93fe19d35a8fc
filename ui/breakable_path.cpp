#include "ui/breakable_path.h"

#include <cstddef>

namespace tessaly {

namespace {

constexpr char kZeroWidthSpace[] = "​";  // U+200B ZERO WIDTH SPACE
// 24 ideographs at 144 DPI are some 430 pixels: a line of any screen.
constexpr std::size_t kLongestPiece = 24;

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;  // not a UTF-8 continuation
}

bool IsSeparator(char byte) {
    return byte == '\\' || byte == '/';
}

}  // namespace

std::string BreakablePath(const std::string& path) {
    std::string text;
    std::size_t piece = 0;  // characters since the last place to break
    for (const char byte : path) {
        if (piece == kLongestPiece && StartsCharacter(byte) && byte != ' ' && !IsSeparator(byte)) {
            text += kZeroWidthSpace;
            piece = 0;
        }
        text += byte;
        if (IsSeparator(byte)) {
            text += kZeroWidthSpace;
            piece = 0;
        } else if (byte == ' ') {
            piece = 0;  // the box breaks there by itself
        } else if (StartsCharacter(byte)) {
            ++piece;
        }
    }
    return text;
}

}  // namespace tessaly
