#include "ui/number_guard.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(GuardNumber, AcceptsUpToNineDigitsAndRemembersThem) {
    std::string last;
    EXPECT_EQ(GuardNumber("1", last), "1");
    EXPECT_EQ(GuardNumber("123456789", last), "123456789");
    EXPECT_EQ(last, "123456789");
    EXPECT_EQ(GuardNumber("", last), "");  // the user emptied the box
    EXPECT_EQ(last, "");
}

TEST(GuardNumber, TenthDigitGivesBackTheLastAcceptedText) {
    std::string last;
    GuardNumber("123456789", last);
    EXPECT_EQ(GuardNumber("1234567890", last), "123456789");
    EXPECT_EQ(last, "123456789");
    // Writing the accepted text back is itself acceptable and changes nothing.
    EXPECT_EQ(GuardNumber("123456789", last), "123456789");
}

TEST(GuardNumber, PastedLongOrNonDigitTextIsRefused) {
    std::string last;
    EXPECT_EQ(GuardNumber("12345678901234", last), "");  // into an empty box
    GuardNumber("42", last);
    for (const char* bad : {"12a", "..\\x", " 42", "4 2", "-1", "\xA3\xB1", "42\n"}) {
        EXPECT_EQ(GuardNumber(bad, last), "42") << bad;
    }
    EXPECT_EQ(last, "42");
}

}  // namespace
}  // namespace tessaly
