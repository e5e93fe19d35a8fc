#include "core/md5_digest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly {
namespace {

std::string Md5Of(const std::string& text) {
    return Md5Digest::Md5Hex(reinterpret_cast<const unsigned char*>(text.data()),
                             static_cast<std::uint32_t>(text.size()));
}

// Feeds `text` in pieces of `chunk` bytes (the last may be shorter).
std::string Md5InChunks(const std::string& text, std::size_t chunk) {
    Md5Digest digest;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t at = 0; at < text.size(); at += chunk) {
        const std::size_t n = std::min(chunk, text.size() - at);
        digest.Update(bytes + at, static_cast<std::uint32_t>(n));
    }
    return digest.Final();
}

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

struct KnownAnswer {
    std::string input;
    const char* digest;
};

// RFC 1321, appendix A.5, and the lengths around the padding boundaries
// (answers from an independent implementation).
const std::vector<KnownAnswer>& KnownAnswers() {
    static const std::vector<KnownAnswer> answers = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {Repeat("1234567890", 8), "57edf4a22be3c955ac49da2e2107b67a"},
        {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
        {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
        {std::string(63, 'a'), "b06521f39153d618550606be297466d5"},
        {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
        {std::string(65, 'a'), "c743a45e0d2e6a95cb859adae0248435"},
        {std::string(119, 'a'), "8a7bd0732ed6a28ce75f6dabc90e1613"},
        {std::string(120, 'a'), "5f61c0ccad4cac44c75ff505e1f1e537"},
        // "测试" in code page 936: bytes above 0x7F are hashed as they are.
        {"\xB2\xE2\xCA\xD4", "ff13f7f55f7154f6984d9a26d8a317f9"},
    };
    return answers;
}

TEST(Md5Digest, KnownAnswersFedFourWays) {
    for (const KnownAnswer& answer : KnownAnswers()) {
        SCOPED_TRACE("input length " + std::to_string(answer.input.size()));
        EXPECT_EQ(Md5Of(answer.input), answer.digest);
        EXPECT_EQ(Md5InChunks(answer.input, 1), answer.digest);

        Md5Digest twoWrites;
        const std::size_t half = answer.input.size() / 2;
        const auto* bytes = reinterpret_cast<const unsigned char*>(answer.input.data());
        twoWrites.Update(bytes, static_cast<std::uint32_t>(half));
        twoWrites.Update(bytes + half, static_cast<std::uint32_t>(answer.input.size() - half));
        EXPECT_EQ(twoWrites.Final(), answer.digest);

        // From a buffer that does not start on a word boundary.
        std::vector<unsigned char> unaligned(answer.input.size() + 1);
        std::copy(answer.input.begin(), answer.input.end(), unaligned.begin() + 1);
        EXPECT_EQ(Md5Digest::Md5Hex(unaligned.data() + 1,
                                    static_cast<std::uint32_t>(answer.input.size())),
                  answer.digest);
    }
}

TEST(Md5Digest, AnySplitOfALongInputGivesTheOneShotDigest) {
    std::string input;
    for (int i = 0; i < 1000; ++i) {
        input += static_cast<char>((i * 131 + 7) & 0xFF);
    }
    const std::string oneShot = Md5Of(input);
    for (std::size_t chunk : {1u, 3u, 55u, 56u, 63u, 64u, 65u, 127u, 999u}) {
        EXPECT_EQ(Md5InChunks(input, chunk), oneShot) << "chunk " << chunk;
    }
    // Every two-way split point, across several block boundaries.
    const auto* bytes = reinterpret_cast<const unsigned char*>(input.data());
    for (std::uint32_t split = 0; split <= 200; ++split) {
        Md5Digest digest;
        digest.Update(bytes, split);
        digest.Update(bytes + split, static_cast<std::uint32_t>(input.size()) - split);
        ASSERT_EQ(digest.Final(), oneShot) << "split at " << split;
    }
}

}  // namespace
}  // namespace tessaly
