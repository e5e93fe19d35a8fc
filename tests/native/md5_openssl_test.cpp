// Differential test: the project's MD5 and password hash against OpenSSL's
// libcrypto and a plain Base64 encoder, over random inputs.
#include "core/md5_digest.h"
#include "core/password_hash.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <cstdint>
#include <random>
#include <string>

namespace tessaly {
namespace {

std::string OpenSslMd5Raw(const std::string& input) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(input.data(), input.size(), digest, &length, EVP_md5(), nullptr);
    return std::string(reinterpret_cast<char*>(digest), length);
}

std::string ToHex(const std::string& raw) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : raw) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

std::string OpenSslBase64(const std::string& raw) {
    unsigned char out[64];
    const int length = EVP_EncodeBlock(out, reinterpret_cast<const unsigned char*>(raw.data()),
                                       static_cast<int>(raw.size()));
    return std::string(reinterpret_cast<char*>(out), length);
}

TEST(Md5AgainstOpenSsl, RandomInputsOfRandomLengths) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> shortLength(0, 300);
    std::uniform_int_distribution<int> longLength(0, 5000);
    for (int round = 0; round < 3000; ++round) {
        const int length = round % 10 == 0 ? longLength(random) : shortLength(random);
        std::string input(static_cast<std::size_t>(length), '\0');
        for (char& c : input) {
            c = static_cast<char>(byte(random));
        }
        const std::string raw = OpenSslMd5Raw(input);
        ASSERT_EQ(Md5Digest::Md5Hex(reinterpret_cast<const unsigned char*>(input.data()),
                                    static_cast<std::uint32_t>(input.size())),
                  ToHex(raw))
            << "round " << round << ", length " << length;

        const std::string hash = EncodePasswordHash(input);
        ASSERT_EQ(hash, OpenSslBase64(raw)) << "round " << round;
        ASSERT_EQ(hash.size(), 24u);
        ASSERT_EQ(hash.substr(22), "==");
    }
}

}  // namespace
}  // namespace tessaly
