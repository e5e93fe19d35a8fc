#include "ui/create_login_shortcut.h"

#include "core/login_mode.h"
#include "core/password_hash.h"
#include "tests/support/fake_services.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessaly {
namespace {

constexpr char kDesktop[] = "C:\\Users\\Zoë 𠮷\\Desktop";
constexpr char kName[] = "正常登陆QQ 10001";
const std::string kWritten = "Open SetPath GetPath SetArguments SetDescription Save Release ";
const std::string kSuccess =
    "| 生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问http://www.example.org/ ";
const std::string kFailed = "| 生成快捷方式失败!";

// One press of the create button against the fakes, after `setUp`.
struct Press {
    explicit Press(const std::function<void(Press&)>& setUp = [](Press&) {}) {
        registry.values["Desktop"] = kDesktop;
        setUp(*this);
        CreateLoginShortcut(request, {registry, links, messages, codePage});
    }
    // Everything the fakes were asked, in order.
    std::string Log() const {
        std::string text;
        for (const std::string& call : log) {
            text += call + " ";
        }
        return text;
    }

    // A folder no ANSI code page can name reaches the shell link as it is.
    LoginRequest request{"D:\\Zoë 𠮷\\QQ", "10001", "pass", Normal};
    test::CallLog log;
    test::FakeRegistryReader registry;
    test::FakeShellLinkWriter links{log};
    test::FakeMessagePresenter messages{log};
    test::FakeCodePageEncoder codePage;
};

TEST(CreateLoginShortcut, WritesTheShortcutReleasesItAndOnlyThenSaysSo) {
    Press press;
    ASSERT_EQ(press.links.files.size(), 1u);
    // The target, the arguments with the hash of the password as the code
    // page spells it, and the description.
    EXPECT_EQ(
        press.links.files[std::string(kDesktop) + "\\" + kName + ".lnk"],
        "D:\\Zoë 𠮷\\QQ\\QQ.exe| /START QQUIN:10001 PWDHASH:" + EncodePasswordHash("cp:pass") +
            " /STAT:10|" + kName + "\nhttp://www.example.org/");
    EXPECT_EQ(press.Log(), kWritten + kSuccess);
}

TEST(CreateLoginShortcut, ReportsEveryFailureAndNeverClaimsSuccessForIt) {
    const HResult classNotRegistered = static_cast<HResult>(0x80040154);
    const HResult invalidArgument = static_cast<HResult>(0x80070057);
    const std::string refused = kFailed + "无法设置快捷方式的内容,错误代码:0x80070057 ";
    const struct {
        std::function<void(Press&)> setUp;
        std::string log;
    } rows[] = {
        {[&](Press& p) { p.links.results["Open"] = classNotRegistered; },
         "Open " + kFailed + "系统无法创建快捷方式对象,错误代码:0x80040154 "},
        {[&](Press& p) { p.links.results["SetPath"] = invalidArgument; },
         "Open SetPath Release " + refused},
        {[&](Press& p) { p.links.results["SetArguments"] = invalidArgument; },
         "Open SetPath GetPath SetArguments Release " + refused},
        {[&](Press& p) { p.links.results["SetDescription"] = invalidArgument; },
         "Open SetPath GetPath SetArguments SetDescription Release " + refused},
        // A target the link takes with success but does not keep.
        {[](Press& p) { p.links.dropsTarget = true; },
         "Open SetPath GetPath Release " + kFailed +
             "快捷方式无法指向QQ程序,请检查安装路径:\nD:\\Zoë 𠮷\\QQ\\QQ.exe "},
        {[](Press& p) { p.links.results["Save"] = static_cast<HResult>(0x80070003); },
         kWritten + kFailed + "无法保存快捷方式文件\n" + kDesktop + "\\" + kName +
             ".lnk\n错误代码:0x80070003 "},
        // Nothing is asked, not even the desktop, for a password the client
        // could never be given.
        {[](Press& p) { p.codePage.holdsNothing = true; },
         kFailed + "密码中有本系统的语言编码无法表示的字符,QQ无法用它登陆,请修改密码后再试! "},
        // Success codes other than S_OK are successes.
        {[](Press& p) { p.links.results["SetPath"] = 1; }, kWritten + kSuccess},
        {[](Press& p) { p.registry.values.clear(); },
         "| 桌面路径获取失败!快捷方式将生成在C盘根目录下! " + kWritten + kSuccess},
    };
    for (const auto& row : rows) {
        const Press press(row.setUp);
        EXPECT_EQ(press.Log(), row.log);
        EXPECT_EQ(press.links.files.size(), row.log.find("成功") != std::string::npos ? 1u : 0u);
        EXPECT_EQ(press.links.openLinks, 0) << "the shell link object was not released";
    }
    // Without a desktop value, the root of C:; with one empty once cleaned,
    // the root of the current drive.
    EXPECT_EQ(Press([](Press& p) {
                  p.registry.values.clear();
              }).links.files.count("C:\\正常登陆QQ 10001.lnk"),
              1u);
    EXPECT_EQ(Press([](Press& p) {
                  p.registry.values["Desktop"] = "   ";
              }).links.files.count("\\正常登陆QQ 10001.lnk"),
              1u);
}

TEST(CreateLoginShortcut, PathLimitsCountUtf16UnitsAndRefuseBeforeAnyLinkIsMade) {
    // "正常登陆QQ 10001.lnk" is 16 units; "𠮷" needs two, "ë" one. Each
    // desktop that fits makes a link path of exactly 259 units.
    const std::string tooLong = kFailed + "快捷方式的文件路径超过259个字符,请缩短路径:\n";
    const struct {
        std::string desktop;
        std::string installFolder;
        std::string log;
    } rows[] = {
        {"C:\\" + std::string(239, 'd'), "D:\\QQ", kWritten + kSuccess},
        {"C:\\" + std::string(240, 'd'), "D:\\QQ",
         tooLong + "C:\\" + std::string(240, 'd') + "\\" + kName + ".lnk "},
        {"C:\\𠮷" + std::string(237, 'd'), "D:\\QQ", kWritten + kSuccess},
        {"C:\\𠮷" + std::string(238, 'd'), "D:\\QQ",
         tooLong + "C:\\𠮷" + std::string(238, 'd') + "\\" + kName + ".lnk "},
        {"C:\\" + std::string(177, 'd') + "ë中\\" + std::string(59, 'd'), "D:\\QQ",
         kWritten + kSuccess},
        // The target: 259 units with "\QQ.exe", then one more.
        {"C:\\D", "D:\\" + std::string(249, 'q'), kWritten + kSuccess},
        {"C:\\D", "D:\\" + std::string(248, 'q') + "𠮷",
         kFailed + "QQ程序的路径超过259个字符,请缩短安装路径:\nD:\\" + std::string(248, 'q') +
             "𠮷\\QQ.exe "},
    };
    for (const auto& row : rows) {
        const Press press([&](Press& p) {
            p.registry.values["Desktop"] = row.desktop;
            p.request.installFolder = row.installFolder;
        });
        EXPECT_EQ(press.Log(), row.log);
    }
}

}  // namespace
}  // namespace tessaly
