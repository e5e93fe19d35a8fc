#include "platform/registry_lookups.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(CleanFolderText, RemovesRunsOfThreeSpacesThenOnePairOfWrappingQuotes) {
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"C:\\Program Files\\QQ", "C:\\Program Files\\QQ"},  // single spaces stay
        {"a  b", "a  b"},                                    // double spaces stay
        {"a    b", "a b"},                                   // four: one left
        {"a      b", "ab"},                                  // six: none left
        {"   ", ""},
        {"", ""},
        {"\"C:\\Program Files\\Tencent\\QQ\"", "C:\\Program Files\\Tencent\\QQ"},
        {"\"C:\\QQ\"   ", "C:\\QQ"},       // spaces go first, then the quotes
        {"\"\"C:\\QQ\"\"", "\"C:\\QQ\""},  // one pair only
        {"\"C:\\QQ", "\"C:\\QQ"},          // not wrapped: kept whole
        {"\"\"", ""},
        {"\"", "\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanFolderText(c.input), c.expected) << '"' << c.input << '"';
    }
}

}  // namespace
}  // namespace tessaly
