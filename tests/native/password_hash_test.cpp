#include "core/password_hash.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly {
namespace {

TEST(HexToBitText, MapsEachDigitInEitherCaseAndSkipsOthers) {
    EXPECT_EQ(HexToBitText("0123456789"), "0000000100100011010001010110011110001001");
    EXPECT_EQ(HexToBitText("abcdef"), "101010111100110111101111");
    EXPECT_EQ(HexToBitText("ABCDEF"), "101010111100110111101111");
    EXPECT_EQ(HexToBitText("0a"), "00001010");
    EXPECT_EQ(HexToBitText("0A"), "00001010");
    EXPECT_EQ(HexToBitText("0 a"), "00001010");
    EXPECT_EQ(HexToBitText("g-x\xB2"), "");
    EXPECT_EQ(HexToBitText(""), "");
}

TEST(BitGroupToLetter, CoversTheWholeAlphabetByValue) {
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int value = 0; value < 64; ++value) {
        std::string bits;
        for (int bit = 5; bit >= 0; --bit) {
            bits += ((value >> bit) & 1) ? '1' : '0';
        }
        EXPECT_EQ(BitGroupToLetter(bits), std::string(1, alphabet[value])) << bits;
    }
}

TEST(BitGroupToLetter, RefusesAnythingButSixBits) {
    for (const char* bad : {"", "00000", "0000000", "00000a", "0000 1", "222222"}) {
        EXPECT_EQ(BitGroupToLetter(bad), "") << '"' << bad << '"';
    }
}

TEST(EncodePasswordHash, IsBase64OfTheDigest) {
    // Answers from an independent MD5 piped into base64.
    EXPECT_EQ(EncodePasswordHash(""), "1B2M2Y8AsgTpgAmY7PhCfg==");
    EXPECT_EQ(EncodePasswordHash("password"), "X03MO1qnZdYdgyfeuILPmQ==");
    // "测试" as code page 936 bytes; the same characters in UTF-8 differ.
    EXPECT_EQ(EncodePasswordHash("\xB2\xE2\xCA\xD4"), "/xP39V9xVPaYTZom2KMX+Q==");
    EXPECT_NE(EncodePasswordHash("\xE6\xB5\x8B\xE8\xAF\x95"), "/xP39V9xVPaYTZom2KMX+Q==");
}

}  // namespace
}  // namespace tessaly
