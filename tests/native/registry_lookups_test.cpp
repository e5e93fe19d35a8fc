#include "platform/registry_lookups.h"

#include "tests/support/fake_services.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(RemoveTripleSpaces, RemovesNonOverlappingRunsOfThree) {
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"C:\\Program Files\\QQ", "C:\\Program Files\\QQ"},  // single spaces stay
        {"a  b", "a  b"},                                    // double spaces stay
        {"a    b", "a b"},                                   // four: one left
        {"a     b", "a  b"},                                 // five: two left
        {"a      b", "ab"},                                  // six: none left
        {"   ", ""},
        {"      C:\\QQ   ", "C:\\QQ"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemoveTripleSpaces(c.input), c.expected) << '"' << c.input << '"';
    }
}

TEST(RegistryLookups, TableNamesTheTwoFoldersAndTheirMessages) {
    EXPECT_EQ(kInstallFolderLookup.root, RegistryRoot::LocalMachine);
    EXPECT_STREQ(kInstallFolderLookup.subkey, "SOFTWARE\\TENCENT\\QQ");
    EXPECT_STREQ(kInstallFolderLookup.valueName, "Install");
    EXPECT_STREQ(kInstallFolderLookup.failureMessage,
                 "QQ默认安装路径获取失败!请选择安装路径或输入安装路径!");

    EXPECT_EQ(kDesktopFolderLookup.root, RegistryRoot::CurrentUser);
    EXPECT_STREQ(kDesktopFolderLookup.subkey,
                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
    EXPECT_STREQ(kDesktopFolderLookup.valueName, "Desktop");
    EXPECT_STREQ(kDesktopFolderLookup.failureMessage,
                 "桌面路径获取失败!快捷方式将生成在C盘根目录下!");
}

TEST(CleanFolderText, DropsOnePairOfWrappingQuotesAfterTheSpaces) {
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"\"C:\\Program Files\\Tencent\\QQ\"", "C:\\Program Files\\Tencent\\QQ"},
        {"\"C:\\QQ\"   ", "C:\\QQ"},       // spaces go first, then the quotes
        {"\"\"C:\\QQ\"\"", "\"C:\\QQ\""},  // one pair only
        {"\"C:\\QQ", "\"C:\\QQ"},          // not wrapped: kept whole
        {"C:\\QQ\"", "C:\\QQ\""},
        {"\"\"", ""},
        {"\"", "\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanFolderText(c.input), c.expected) << c.input;
    }
}

TEST(ReadRegistryText, CleansTheValueAndPassesFailureOn) {
    test::FakeRegistryReader registry;
    EXPECT_FALSE(ReadRegistryText(registry, kDesktopFolderLookup).has_value());

    registry.Set(kDesktopFolderLookup, "C:\\Users\\me   \\Desktop");
    EXPECT_EQ(ReadRegistryText(registry, kDesktopFolderLookup), "C:\\Users\\me\\Desktop");
    EXPECT_FALSE(ReadRegistryText(registry, kInstallFolderLookup).has_value());

    registry.Set(kDesktopFolderLookup, "   ");
    EXPECT_EQ(ReadRegistryText(registry, kDesktopFolderLookup), "");  // success, no folder
}

}  // namespace
}  // namespace tessaly
