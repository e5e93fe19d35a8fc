#include "core/password_hash.h"

#include "core/md5_digest.h"

namespace tessaly {

namespace {

constexpr char kBase64Letters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Value of a hexadecimal digit, or -1.
int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string HexToBitText(const std::string& hex) {
    std::string bits;
    bits.reserve(hex.size() * 4);
    for (char c : hex) {
        const int value = HexDigitValue(c);
        if (value < 0) {
            continue;
        }
        for (int bit = 3; bit >= 0; --bit) {
            bits += ((value >> bit) & 1) ? '1' : '0';
        }
    }
    return bits;
}

std::string BitGroupToLetter(const std::string& bits) {
    if (bits.size() != 6) {
        return {};
    }
    int value = 0;
    for (char c : bits) {
        if (c != '0' && c != '1') {
            return {};
        }
        value = value * 2 + (c - '0');
    }
    return std::string(1, kBase64Letters[value]);
}

std::string EncodePasswordHash(const std::string& password) {
    const std::string digest =
        Md5Digest::Md5Hex(reinterpret_cast<const unsigned char*>(password.data()),
                          static_cast<std::uint32_t>(password.size()));
    // 128 digest bits plus four zero bits make 22 whole groups of six.
    const std::string bits = HexToBitText(digest) + "0000";
    std::string hash;
    for (std::size_t offset = 0; offset < bits.size(); offset += 6) {
        hash += BitGroupToLetter(bits.substr(offset, 6));
    }
    return hash + "==";
}

}  // namespace tessaly
