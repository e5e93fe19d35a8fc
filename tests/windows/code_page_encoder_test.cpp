// Passwords in the ANSI code pages of the systems Tessaly meets, through
// Wine's real conversion tables. Expected bytes are Python's, not Windows'.
#include "platform/win32/utf_conversion.h"
#include "platform/win32/win32_code_page_encoder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tessaly::win32 {
namespace {

TEST(EncodeInCodePage, SpellsWhatTheCodePageHoldsAndRefusesTheRest) {
    const struct {
        UINT codePage;
        const char* text;
        std::optional<std::string> bytes;  // nullopt: refused
    } cases[] = {
        {936, "密码", "\xC3\xDC\xC2\xEB"},
        {936, "密码한국😀", std::nullopt},
        {936, "ä", std::nullopt},  // best fit would give "a"
        {950, "密碼", "\xB1\x4B\xBD\x58"},
        {950, "密码", std::nullopt},
        {932, "パス", "\x83\x70\x83\x58"},
        {1252, "pässwörd", "p\xE4ssw\xF6rd"},
        {1252, "ā", std::nullopt},  // best fit would give "a"
        {1252, "密", std::nullopt},
        {1252, "?", "?"},  // a question mark is a character, not a stand-in
        {CP_UTF8, "密码한국😀", "密码한국😀"},
        {936, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeInCodePage(Utf8ToWide(c.text), c.codePage), c.bytes)
            << c.codePage << " " << c.text;
    }
    // UTF-8 holds every character, but not half of one.
    EXPECT_EQ(EncodeInCodePage(std::wstring(1, L'\xD800'), CP_UTF8), std::nullopt);
}

}  // namespace
}  // namespace tessaly::win32
