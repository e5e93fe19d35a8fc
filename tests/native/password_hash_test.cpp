// MD5 and the password hash text against OpenSSL, in the shape of Go's
// crypto/md5 tests: a golden table of inputs, each fed four ways. OpenSSL
// gives every expected value.
#include "core/md5_digest.h"
#include "core/password_hash.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace tessaly {
namespace {

// OpenSSL's MD5 of `input`: its lowercase hex text and its Base64 text.
std::pair<std::string, std::string> OpenSslMd5(const std::string& input) {
    unsigned char digest[16];
    unsigned char base64[25];
    EVP_Digest(input.data(), input.size(), digest, nullptr, EVP_md5(), nullptr);
    EVP_EncodeBlock(base64, digest, 16);
    char hex[33];
    for (int i = 0; i < 16; ++i) {
        std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
    }
    return {hex, reinterpret_cast<char*>(base64)};
}

// `count` bytes 0, 1, 2, ... 250, 0, 1, ...: every value, repeating out of
// step with the 64-byte block.
std::string Bytes(std::size_t count) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<char>(i % 251);
    }
    return bytes;
}

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

// Feeds `input` in pieces of `chunk` bytes.
std::string Md5InChunks(const std::string& input, std::size_t chunk) {
    Md5Digest digest;
    for (std::size_t at = 0; at < input.size(); at += chunk) {
        digest.Update(Bytes(input) + at,
                      static_cast<std::uint32_t>(std::min(chunk, input.size() - at)));
    }
    return std::string(digest.Final().view());
}

TEST(Md5Digest, GoldenInputsFedFourWaysMatchOpenSsl) {
    // clang-format off
    const std::string golden[] = {
        "", "a", "abc", "message digest", "abcdefghijklmnopqrstuvwxyz",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
        // Around the padding boundaries: 1 byte of padding at 55, 64 at 56.
        std::string(55, 'a'), std::string(56, 'a'), std::string(63, 'a'), std::string(64, 'a'),
        std::string(65, 'a'), std::string(119, 'a'), std::string(120, 'a'), std::string(80, '7'),
        "\xB2\xE2\xCA\xD4",  // bytes above 0x7F are hashed as they are
        Bytes(128), Bytes(1000)};  // every byte value, across two and many blocks
    // clang-format on
    for (const std::string& input : golden) {
        SCOPED_TRACE("input of " + std::to_string(input.size()) + " bytes");
        const auto [expected, base64] = OpenSslMd5(input);
        EXPECT_EQ(EncodePasswordHash(SecretText(input)).view(), base64);
        // In one call, from an address off the word boundary...
        const std::string unaligned = "." + input;
        EXPECT_EQ(Md5Digest::Md5Hex(Bytes(unaligned) + 1, static_cast<std::uint32_t>(input.size()))
                      .view(),
                  expected);
        // ...in two writes, and a byte at a time.
        EXPECT_EQ(Md5InChunks(input, input.size() / 2 + 1), expected);
        EXPECT_EQ(Md5InChunks(input, 1), expected);
    }
}

}  // namespace
}  // namespace tessaly
