// Passwords in the ANSI code pages of the systems Tessaly meets, through
// Wine's real conversion tables, the system's code page given to the encoder
// as each system would name it, UTF-8 (65001) included. Expected bytes are
// Python's, not Windows'. (What each code page spells, the dialog tests show
// in its own locale, by the hash of the bytes.)
#include "platform/win32/win32_code_page_encoder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tessaly::win32 {
namespace {

UINT systemCodePage;

TEST(Win32CodePageEncoder, SpellsWhatTheSystemsCodePageHoldsAndRefusesTheRest) {
    const struct {
        UINT codePage;
        const char* text;
        std::optional<std::string> bytes;  // nullopt: refused
    } cases[] = {
        {936, "密码한국😀", std::nullopt},
        {936, "ä", std::nullopt},  // best fit would give "a"
        {950, "密码", std::nullopt},
        {1252, "ā", std::nullopt},  // best fit would give "a"
        {1252, "密", std::nullopt},
        {1252, "?", "?"},  // a question mark is a character, not a stand-in
        // Texts of 0, 1 and 2 units, and more.
        {65001, "", ""},
        {65001, "é", "\xC3\xA9"},
        {65001, "😀", "\xF0\x9F\x98\x80"},
    };
    Win32CodePageEncoder encoder([] { return systemCodePage; });
    for (const auto& c : cases) {
        systemCodePage = c.codePage;
        SecretText bytes;
        const bool spelled = Succeeded(encoder.Encode(c.text, &bytes));
        EXPECT_EQ(spelled ? std::optional<std::string>(bytes.view()) : std::nullopt, c.bytes)
            << c.codePage << " " << c.text;
    }
    // UTF-8 holds every character, but not half of one.
    SecretText bytes;
    EXPECT_TRUE(Failed(EncodeInCodePage(std::wstring(1, L'\xD800'), CP_UTF8, &bytes)));
}

}  // namespace
}  // namespace tessaly::win32
