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

SecretText HexToBitText(std::string_view hex) {
    SecretText bits(hex.size() * 4, '\0');
    std::size_t length = 0;
    for (char c : hex) {
        const int value = HexDigitValue(c);
        if (value < 0) {
            continue;
        }
        for (int bit = 3; bit >= 0; --bit) {
            bits.data()[length++] = ((value >> bit) & 1) ? '1' : '0';
        }
    }
    bits.resize(length);
    return bits;
}

std::string BitGroupToLetter(std::string_view bits) {
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

SecretText EncodePasswordHash(const SecretText& password) {
    const SecretText digest =
        Md5Digest::Md5Hex(reinterpret_cast<const unsigned char*>(password.c_str()),
                          static_cast<std::uint32_t>(password.size()));
    // 128 digest bits plus four zero bits make 22 whole groups of six.
    SecretText bits = HexToBitText(digest.view());
    bits += "0000";
    SecretText hash(24, '\0');
    std::size_t length = 0;
    for (std::size_t offset = 0; offset < bits.size(); offset += 6) {
        for (const char letter : BitGroupToLetter(bits.view().substr(offset, 6))) {
            hash.data()[length++] = letter;
        }
    }
    hash.resize(length);
    hash += "==";
    return hash;
}

}  // namespace tessaly
