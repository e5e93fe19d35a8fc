// The shortcut creation action with the real shell link, code page and file
// system under Wine; the shortcuts it writes are read back by lnkinfo, an
// independent parser. (Wine's shell link saves the target through the ANSI
// code page: the dialog tests show, in every locale, that a folder the code
// page cannot spell is refused before anything is replaced.)
#include "core/login_mode.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"
#include "platform/win32/win32_code_page_encoder.h"
#include "platform/win32/win32_shell_link_writer.h"
#include "tests/support/fake_services.h"
#include "tests/support/wine_test_support.h"
#include "ui/create_login_shortcut.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

using Names = std::vector<std::string>;

const std::string kRun = "C:\\tessaly-test\\action-" + std::to_string(GetACP());
const std::string kName = "正常登陆QQ 10001.lnk";
const std::string kSuccess =
    "| 生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问http://www.example.org/ ";
const std::string kFailed = "| 生成快捷方式失败!";

class CreateLoginShortcutWineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RemoveTree(kRun); }
    // Presses the create button for `installFolder` with `desktop` as the
    // desktop folder; returns the messages shown.
    test::CallLog Press(const std::string& installFolder, const std::string& desktop) {
        test::CallLog log;
        test::FakeRegistryReader registry;
        registry.values["Desktop"] = desktop;
        test::FakeMessagePresenter messages{log};
        win32::Win32ShellLinkWriter links;
        win32::Win32CodePageEncoder codePage;
        CreateLoginShortcut({installFolder, "10001", "pass", Normal},
                            {registry, links, messages, codePage});
        return log;
    }
    // A new desktop folder `name`, with a shortcut of the same name from an
    // earlier day in it unless `yesterday` is empty.
    static std::string Desktop(const std::string& name, const std::string& yesterday = "") {
        const std::string folder = kRun + "\\" + name;
        EXPECT_TRUE(test::MakeFolder(folder));
        if (!yesterday.empty()) {
            test::WriteBytes(folder + "\\" + kName, yesterday);
        }
        return folder;
    }
    win32::ScopedComInit com_;
};

TEST_F(CreateLoginShortcutWineTest, WritesOneFileAtThePathLimitsAndNoneForABadTarget) {
    // A link path of 259 units (the temporary file's too) with a Unicode
    // folder name; then the longest target, in place of an earlier shortcut.
    const std::string deep = Desktop("Zoë 𠮷 " + std::string(234 - kRun.size(), 'd'));
    ASSERT_EQ(win32::Utf8ToWide(deep + "\\" + kName).size(), 259u);
    EXPECT_EQ(Press("C:\\Program Files\\QQ", deep), kSuccess);
    EXPECT_EQ(test::FileNames(deep), Names{kName});
    // For the lnkinfo check, which works out the fields from the inputs.
    test::RecordExpectedFields(kRun + "\\expected.txt",
                               {"login", deep + "\\" + kName, "C:\\Program Files\\QQ", "10001",
                                "pass", "1", "http://www.example.org/"});
    // A temporary file's path is no longer than the shortest link's
    // ("正常登陆QQ .lnk", 11 units), and each has a name of its own.
    win32::Win32ShellLinkWriter links;
    std::string first, second;
    links.CreateTemporary(deep + "\\正常登陆QQ .lnk", &first);
    links.CreateTemporary(deep + "\\正常登陆QQ .lnk", &second);
    EXPECT_EQ(win32::Utf8ToWide(first).size(), win32::Utf8ToWide(deep).size() + 12);
    EXPECT_NE(first, second);
    links.Remove(first);
    links.Remove(second);

    const std::string desktop = Desktop("targets", "yesterday's shortcut");
    const std::string longest = "C:\\" + std::string(249, 'q');  // 259 units with "\QQ.exe"
    EXPECT_EQ(Press(longest, desktop), kSuccess);
    test::RecordExpectedFields(kRun + "\\expected.txt",
                               {"login", desktop + "\\" + kName, longest, "10001", "pass", "1",
                                "http://www.example.org/"});
    // A quote no path can hold: the shell link takes it with success and
    // keeps no target.
    const std::string written = test::ReadBytes(desktop + "\\" + kName);
    EXPECT_EQ(Press("C:\\a\"b", desktop),
              kFailed + "快捷方式无法指向QQ程序,请检查安装路径:\nC:\\a\"b\\QQ.exe ");
    EXPECT_EQ(test::ReadBytes(desktop + "\\" + kName), written);

    EXPECT_EQ(Press("C:\\QQ", kRun + "\\no such folder"), kFailed + "无法保存快捷方式文件\n" +
                                                              kRun + "\\no such folder\\" + kName +
                                                              "\n错误代码:0x80070003 ");
    EXPECT_EQ(test::FileNames(desktop), Names{kName});
}

// A new shortcut that cannot take the old one's place leaves it as it was.
// (One whose saved target differs is refused in the dialog tests, in every
// locale.)
TEST_F(CreateLoginShortcutWineTest, KeepsTheEarlierShortcutWhenTheNewOneCannotReplaceIt) {
    const std::string desktop = Desktop("kept", "yesterday's shortcut");
    const std::string link = desktop + "\\" + kName;
    // Held open by someone who lets nobody delete it.
    const HANDLE held = CreateFileW(win32::Utf8ToWide(link).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(Press("C:\\QQ", desktop),
              kFailed + "无法保存快捷方式文件\n" + link + "\n错误代码:0x80070005 ");
    CloseHandle(held);
    EXPECT_EQ(test::FileNames(desktop), Names{kName});
    EXPECT_EQ(test::ReadBytes(link), "yesterday's shortcut");
}

}  // namespace
}  // namespace tessaly
