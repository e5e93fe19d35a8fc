#include "ui/number_guard.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(GuardNumber, KeepsUpToNineAsciiDigitsAndOtherwiseTheLastAcceptedText) {
    std::string last;
    EXPECT_EQ(GuardNumber("12345678901234", last), "");  // pasted into the empty box
    EXPECT_EQ(GuardNumber("123456789", last), "123456789");
    EXPECT_EQ(GuardNumber("1234567890", last), "123456789");  // a tenth digit
    EXPECT_EQ(GuardNumber("42", last), "42");
    for (const char* bad : {"12a", "..\\x", " 42", "-1", "１", "٤", "42\n"}) {
        EXPECT_EQ(GuardNumber(bad, last), "42") << bad;
    }
    EXPECT_EQ(last, "42");
    EXPECT_EQ(GuardNumber("", last), "");  // the user emptied the box
}

}  // namespace
}  // namespace tessaly
