// The shortcut creation action with the real Win32 registry and shell link
// under Wine; the shortcuts it writes are checked from Linux with lnkinfo.
#include "ui/create_login_shortcut.h"

#include "core/author_info.h"
#include "core/login_mode.h"
#include "platform/registry_lookups.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"
#include "platform/win32/win32_code_page_encoder.h"
#include "platform/win32/win32_registry_reader.h"
#include "platform/win32/win32_shell_link_writer.h"
#include "tests/support/fake_services.h"
#include "tests/windows/wine_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace tessaly {
namespace {

constexpr char kExpectations[] = "C:\\tessaly-test\\action\\expected.txt";
constexpr char kSuccessStart[] = "生成QQ快捷登陆器成功!";

// The user's desktop folder value, changed by some tests and put back after each.
void SetDesktopValue(const std::string& folder) {
    const std::wstring wide = win32::Utf8ToWide(folder);
    RegSetKeyValueW(HKEY_CURRENT_USER, win32::Utf8ToWide(kDesktopFolderLookup.subkey).c_str(),
                    win32::Utf8ToWide(kDesktopFolderLookup.valueName).c_str(), REG_SZ, wide.c_str(),
                    static_cast<DWORD>((wide.size() + 1) * 2));
}

class CreateLoginShortcutOnWine : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        test::MakeFolder("C:\\tessaly-test");
        test::MakeFolder("C:\\tessaly-test\\action");
        DeleteFileA(kExpectations);
    }

    // Runs the action with the real adapters; returns the messages.
    std::vector<std::string> Create(const LoginRequest& request) {
        win32::ScopedComInit com;
        win32::Win32RegistryReader registry;
        win32::Win32ShellLinkWriter links;
        test::FakeMessagePresenter messages;
        win32::Win32CodePageEncoder codePage;
        CreateLoginShortcut(request, {registry, links, messages, codePage});
        return messages.shown;
    }

    // Notes the shortcut for the lnkinfo check, which works out the target,
    // arguments and description from these inputs on its own.
    static void ExpectLoginLink(const std::string& linkPath, const LoginRequest& request) {
        test::RecordExpectedFields(
            kExpectations,
            {"login", linkPath, request.installFolder, request.qqNumber, request.password,
             std::to_string(request.loginMode), kAuthorWebAddress});
    }

    void SetUp() override {
        win32::Win32RegistryReader reader;
        ASSERT_TRUE(reader.ReadValue(kDesktopFolderLookup.root, kDesktopFolderLookup.subkey,
                                     kDesktopFolderLookup.valueName, &desktop_));
    }
    void TearDown() override { SetDesktopValue(desktop_); }

    std::string desktop_;
};

TEST_F(CreateLoginShortcutOnWine, WritesIntoTheDesktopFolderFromTheRegistry) {
    // The hash is taken over the password's code page 936 bytes.
    const LoginRequest request{"C:\\Program Files\\Tencent\\QQ", "123456789", "密码测试", Normal};
    const std::string path = desktop_ + "\\" + LinkNamePrefix(Normal) + request.qqNumber + ".lnk";
    DeleteFileW(win32::Utf8ToWide(path).c_str());

    const auto shown = Create(request);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind(kSuccessStart, 0), 0u) << shown[0];
    ASSERT_TRUE(test::FileExists(path));
    ExpectLoginLink(path, request);
}

TEST_F(CreateLoginShortcutOnWine, MissingDesktopValueWritesToTheRootOfC) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopFolderLookup.subkey,
                       kDesktopFolderLookup.valueName);
    const LoginRequest request{"D:\\QQ", "10001", "", Invisible};
    const std::string path = "C:\\" + LinkNamePrefix(Invisible) + "10001.lnk";
    DeleteFileW(win32::Utf8ToWide(path).c_str());

    const auto shown = Create(request);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "桌面路径获取失败!快捷方式将生成在C盘根目录下!");
    EXPECT_EQ(shown[1].rfind(kSuccessStart, 0), 0u) << shown[1];
    ASSERT_TRUE(test::FileExists(path));
    ExpectLoginLink(path, request);
}

TEST_F(CreateLoginShortcutOnWine, MissingDesktopFolderIsAFailureNotASuccess) {
    SetDesktopValue("C:\\tessaly-test\\no-such-desktop");
    const auto shown = Create({"D:\\QQ", "10001", "x", Normal});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("生成快捷方式失败!无法保存快捷方式文件", 0), 0u) << shown[0];
    EXPECT_NE(shown[0].find("0x80070003"), std::string::npos) << shown[0];
    EXPECT_FALSE(test::FileExists("C:\\tessaly-test\\no-such-desktop"));
}

TEST_F(CreateLoginShortcutOnWine, OnlyATargetTheLinkKeepsIsReportedAsSaved) {
    const test::TestFolder desktop("action\\desktop", /*keep=*/true);  // for lnkinfo
    SetDesktopValue(desktop.path());
    // The longest target: 259 units with "\\QQ.exe". Kept whole, as lnkinfo shows.
    const LoginRequest longest{"C:\\" + std::string(249, 'q'), "40004", "", Normal};
    const std::string path = desktop.path() + "\\" + LinkNamePrefix(Normal) + "40004.lnk";
    EXPECT_EQ(Create(longest).at(0).rfind(kSuccessStart, 0), 0u);
    ExpectLoginLink(path, longest);

    // One unit more is refused; a quote, which no path can hold, is taken
    // with a success code and dropped by Wine's shell link.
    for (const std::string& folder : {longest.installFolder + "q", std::string("C:\\a\"b")}) {
        const std::string refused = desktop.path() + "\\" + LinkNamePrefix(Normal) + "50005.lnk";
        const auto shown = Create({folder, "50005", "", Normal});
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].rfind("生成快捷方式失败!", 0), 0u) << shown[0];
        EXPECT_NE(shown[0].find(folder + "\\QQ.exe"), std::string::npos) << shown[0];
        EXPECT_FALSE(test::FileExists(refused));
    }
}

}  // namespace
}  // namespace tessaly
