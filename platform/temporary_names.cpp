#include "platform/temporary_names.h"

namespace tessaly {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::string_view kLinkExtension = ".lnk";

std::string_view Stem(std::string_view linkFileName) {
    if (linkFileName.size() >= kLinkExtension.size() &&
        linkFileName.substr(linkFileName.size() - kLinkExtension.size()) == kLinkExtension) {
        linkFileName.remove_suffix(kLinkExtension.size());
    }
    return linkFileName;
}

}  // namespace

std::string TemporaryNameFor(std::string_view linkFileName, unsigned suffix) {
    std::string name(Stem(linkFileName));
    name += '~';
    for (int shift = 8; shift >= 0; shift -= 4) {
        name += kHexDigits[suffix >> shift & 0xF];
    }
    return name;
}

std::string TemporaryNamePattern(std::string_view linkFileName) {
    return std::string(Stem(linkFileName)) + "~*";
}

bool IsTemporaryNameFor(std::string_view fileName, std::string_view linkFileName) {
    const std::string_view stem = Stem(linkFileName);
    if (fileName.size() != stem.size() + 4 || fileName.substr(0, stem.size()) != stem ||
        fileName[stem.size()] != '~') {
        return false;
    }
    for (const char c : fileName.substr(stem.size() + 1)) {
        if (std::string_view(kHexDigits).find(c) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace tessaly
