#include "ui/create_login_shortcut.h"

#include "core/login_mode.h"
#include "core/password_hash.h"
#include "platform/registry_lookups.h"
#include "tests/support/fake_services.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

constexpr char kDesktop[] = "C:\\Users\\me\\Desktop";
constexpr char kSuccessText[] =
    "生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问http://www.example.org/";
constexpr char kDesktopWarningText[] = "桌面路径获取失败!快捷方式将生成在C盘根目录下!";

class CreateLoginShortcutTest : public ::testing::Test {
protected:
    CreateLoginShortcutTest() { registry.Set(kDesktopFolderLookup, kDesktop); }

    void Create(int mode = Normal) {
        request.loginMode = mode;
        CreateLoginShortcut(request, {registry, links, messages, codePage});
        EXPECT_EQ(links.openLinks, 0) << "the shell link object was not released";
    }

    const std::vector<std::string>& Shown() const { return messages.shown; }

    std::string NormalName() const { return LinkNamePrefix(Normal) + request.qqNumber; }

    // A folder no ANSI code page can name reaches the shell link as it is.
    LoginRequest request{"D:\\Zoë 𠮷\\QQ", "10001", "pass", Normal};
    test::FakeRegistryReader registry;
    test::FakeShellLinkWriter links;
    test::FakeMessagePresenter messages;
    test::FakeCodePageEncoder codePage;
};

TEST_F(CreateLoginShortcutTest, WritesTheShortcutOnTheDesktopAndSaysSo) {
    Create();
    const std::string path = std::string(kDesktop) + "\\" + NormalName() + ".lnk";
    ASSERT_EQ(links.files.count(path), 1u);
    const test::SavedLink& link = links.files[path];
    EXPECT_EQ(link.targetPath, "D:\\Zoë 𠮷\\QQ\\QQ.exe");
    EXPECT_EQ(link.arguments,
              " /START QQUIN:10001 PWDHASH:" + EncodePasswordHash("cp:pass") + " /STAT:10");
    EXPECT_EQ(link.description, NormalName() + "\nhttp://www.example.org/");
    EXPECT_EQ(Shown(), std::vector<std::string>{kSuccessText});
    EXPECT_EQ(links.calls, (std::vector<std::string>{"Open", "SetPath", "GetPath", "SetArguments",
                                                     "SetDescription", "Save", "Release"}));
}

TEST_F(CreateLoginShortcutTest, MissingDesktopWarnsThenWritesToTheRootOfC) {
    registry.Remove(kDesktopFolderLookup);
    Create();
    EXPECT_EQ(Shown(), (std::vector<std::string>{kDesktopWarningText, kSuccessText}));
    EXPECT_EQ(links.files.count("C:\\" + NormalName() + ".lnk"), 1u);
    EXPECT_EQ(links.files.size(), 1u);
}

TEST_F(CreateLoginShortcutTest, EmptyDesktopValueGivesAPathFromTheDriveRoot) {
    registry.Set(kDesktopFolderLookup, "   ");  // empty once cleaned
    Create();
    EXPECT_EQ(links.files.count("\\" + NormalName() + ".lnk"), 1u);
    EXPECT_EQ(Shown(), std::vector<std::string>{kSuccessText});
}

TEST_F(CreateLoginShortcutTest, InputIsNotValidated) {
    request = {"", "", "", Invisible};
    Create(Invisible);
    ASSERT_EQ(links.files.size(), 1u);
    EXPECT_EQ(links.files.begin()->second.targetPath, "\\QQ.exe");
    EXPECT_EQ(Shown(), std::vector<std::string>{kSuccessText});
}

TEST_F(CreateLoginShortcutTest, PressingTwiceOverwritesSwitchingModeAddsASecondFile) {
    Create();
    request.password = "changed";
    Create();
    ASSERT_EQ(links.files.size(), 1u);
    EXPECT_NE(links.files.begin()->second.arguments.find(EncodePasswordHash("cp:changed")),
              std::string::npos);

    Create(Invisible);
    ASSERT_EQ(links.files.size(), 2u);
    const std::string invisiblePath =
        std::string(kDesktop) + "\\" + LinkNamePrefix(Invisible) + "10001.lnk";
    ASSERT_EQ(links.files.count(invisiblePath), 1u);
    EXPECT_EQ(links.files[invisiblePath].arguments.substr(
                  links.files[invisiblePath].arguments.size() - 9),
              " /STAT:40");
}

TEST_F(CreateLoginShortcutTest, NoShellLinkObjectIsReportedAsAFailure) {
    links.openResult = static_cast<HResult>(0x80040154);  // REGDB_E_CLASSNOTREG
    Create();
    EXPECT_TRUE(links.files.empty());
    EXPECT_EQ(Shown(), std::vector<std::string>{
                           "生成快捷方式失败!系统无法创建快捷方式对象,错误代码:0x80040154"});
}

TEST_F(CreateLoginShortcutTest, AnyRefusedValueIsReportedAndNothingIsSaved) {
    const HResult refused = static_cast<HResult>(0x80070057);  // E_INVALIDARG
    for (HResult test::FakeShellLinkWriter::*step :
         {&test::FakeShellLinkWriter::setPathResult, &test::FakeShellLinkWriter::setArgumentsResult,
          &test::FakeShellLinkWriter::setDescriptionResult}) {
        test::FakeShellLinkWriter failing;
        failing.*step = refused;
        test::FakeMessagePresenter shown;
        CreateLoginShortcut(request, {registry, failing, shown, codePage});
        EXPECT_TRUE(failing.files.empty());
        EXPECT_EQ(failing.openLinks, 0);
        EXPECT_EQ(std::count(failing.calls.begin(), failing.calls.end(), "Save"), 0);
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0], "生成快捷方式失败!无法设置快捷方式的内容,错误代码:0x80070057");
    }
}

TEST_F(CreateLoginShortcutTest, FailedSaveNamesTheFileAndNeverClaimsSuccess) {
    links.saveResult = static_cast<HResult>(0x80070003);  // path not found
    Create();
    EXPECT_TRUE(links.files.empty());
    const std::string path = std::string(kDesktop) + "\\" + NormalName() + ".lnk";
    EXPECT_EQ(Shown(), std::vector<std::string>{"生成快捷方式失败!无法保存快捷方式文件\n" + path +
                                                "\n错误代码:0x80070003"});
}

TEST_F(CreateLoginShortcutTest, ShellLinkSuccessCodesCountAsSuccess) {
    links.setPathResult = 1;  // S_FALSE: the target does not exist yet
    Create();
    EXPECT_EQ(links.files.size(), 1u);
    EXPECT_EQ(Shown(), std::vector<std::string>{kSuccessText});
}

TEST_F(CreateLoginShortcutTest, LinkPathLimitCountsUtf16UnitsAndRefusesBeforeWriting) {
    // "正常登陆QQ 10001.lnk" is 16 units in 24 bytes; "𠮷" needs two units in
    // four bytes, "ë" one in two. Each folder that fits makes a 259-unit path.
    const std::string name = NormalName() + ".lnk";
    for (const auto& [folder, fits] :
         {std::pair<std::string, bool>{"C:\\" + std::string(239, 'd'), true},
          {"C:\\" + std::string(240, 'd'), false},
          {"C:\\𠮷" + std::string(237, 'd'), true},
          {"C:\\𠮷" + std::string(238, 'd'), false},
          {"C:\\" + std::string(177, 'd') + "ë中\\" + std::string(59, 'd'), true}}) {
        test::FakeShellLinkWriter writer;
        test::FakeMessagePresenter shown;
        registry.Set(kDesktopFolderLookup, folder);
        CreateLoginShortcut(request, {registry, writer, shown, codePage});
        SCOPED_TRACE(folder.size());
        EXPECT_EQ(writer.files.size(), fits ? 1u : 0u);
        EXPECT_EQ(writer.calls.empty(), !fits) << "nothing is opened for a path that cannot fit";
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0], fits ? kSuccessText
                                       : "生成快捷方式失败!快捷方式的文件路径超过259个字符,"
                                         "请缩短路径:\n" +
                                             folder + "\\" + name);
    }
}

TEST_F(CreateLoginShortcutTest, TargetTheLinkCannotHoldIsAFailureNotASuccess) {
    // A target over 259 units is refused before any link is made...
    request.installFolder = "D:\\" + std::string(249, 'q');  // 259 units with "\\QQ.exe"
    Create();
    EXPECT_EQ(links.files.size(), 1u);
    request.installFolder += "q";
    links.calls.clear();
    Create();
    EXPECT_TRUE(links.calls.empty());
    EXPECT_EQ(Shown().back(), "生成快捷方式失败!QQ程序的路径超过259个字符,请缩短安装路径:\n" +
                                  request.installFolder + "\\QQ.exe");

    // ...and one the link takes but does not keep is never reported saved.
    links = test::FakeShellLinkWriter();
    links.dropsTarget = true;
    request.installFolder = "D:\\QQ";
    Create();
    EXPECT_TRUE(links.files.empty());
    EXPECT_EQ(std::count(links.calls.begin(), links.calls.end(), "Save"), 0);
    EXPECT_EQ(Shown().back(),
              "生成快捷方式失败!快捷方式无法指向QQ程序,请检查安装路径:\nD:\\QQ\\QQ.exe");
}

TEST_F(CreateLoginShortcutTest, PasswordTheCodePageCannotHoldIsRefusedAndNothingIsWritten) {
    codePage.holdsNothing = true;
    registry.Remove(kDesktopFolderLookup);  // not even the desktop warning comes first
    Create();
    EXPECT_TRUE(links.calls.empty());
    EXPECT_EQ(Shown(),
              std::vector<std::string>{"生成快捷方式失败!密码中有本系统的语言编码无法表示的字符,"
                                       "QQ无法用它登陆,请修改密码后再试!"});
}

}  // namespace
}  // namespace tessaly
