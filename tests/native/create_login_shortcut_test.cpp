#include "ui/create_login_shortcut.h"

#include "core/login_mode.h"
#include "tests/support/fake_services.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <tuple>

namespace tessaly {
namespace {

constexpr char kDesktop[] = "C:\\Users\\Zoë 𠮷\\Desktop";
constexpr char kName[] = "正常登陆QQ 10001";
const std::string kLink = std::string(kDesktop) + "\\" + kName + ".lnk";
const test::LinkFile kYesterday = {"C:\\QQ\\QQ.exe", " /START QQUIN:10001", "yesterday's"};
// Filled and saved under a temporary name; read back by a second object.
const std::string kSaved =
    "Open SetPath GetPath SetArguments SetDescription Temporary Save Release ";
const std::string kReadBack = "Open Load GetPath GetArguments GetDescription Release ";
const std::string kSuccess =
    "| 生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问http://www.example.org/ ";
const std::string kWritten = kSaved + kReadBack + "Replace " + kSuccess;
const std::string kFailed = "| 生成快捷方式失败!";

// One press of the create button against the fakes, after `setUp`, with a
// shortcut of the same name from an earlier day where the new one is to go:
// the desktop, or the root of C: when there is none.
struct Press {
    explicit Press(const std::function<void(Press&)>& setUp = [](Press&) {}) {
        registry.values["Desktop"] = kDesktop;
        setUp(*this);
        const auto desktop = registry.values.find("Desktop");
        link = (desktop != registry.values.end() ? desktop->second : "C:") + "\\正常登陆QQ " +
               request.qqNumber + ".lnk";
        links.files[link] = kYesterday;
        CreateLoginShortcut(request, {registry, links, messages, codePage});
    }
    std::string link;
    // A folder no ANSI code page can name reaches the shell link as it is.
    LoginRequest request{"D:\\Zoë 𠮷\\QQ", "10001", "pass", Normal};
    // Everything the fakes were asked, in order: each shell link object's
    // "Release" shows whether it was gone before a message was shown.
    test::CallLog log;
    test::FakeRegistryReader registry;
    test::FakeShellLinkWriter links{log};
    test::FakeMessagePresenter messages{log};
    test::FakeCodePageEncoder codePage;
};

TEST(CreateLoginShortcut, SavesReadsBackAndOnlyThenReplacesTheEarlierShortcutInEitherMode) {
    for (const auto& [mode, name, status] :
         {std::tuple<int, std::string, std::string>{Normal, "正常登陆QQ 10001", "10"},
          {Invisible, "隐身登陆QQ 10001", "40"}}) {
        const Press press([&](Press& p) { p.request.loginMode = mode; });
        EXPECT_EQ(press.log, kWritten);
        // The target, the arguments with the hash of the password as the code
        // page spells it (Base64 of MD5("cp:pass"), by Python's hashlib), and
        // the description.
        const test::LinkFile written = {
            "D:\\Zoë 𠮷\\QQ\\QQ.exe",
            " /START QQUIN:10001 PWDHASH:phmZZWcrXdtvJAWk4Yg8Vg== /STAT:" + status,
            name + "\nhttp://www.example.org/"};
        EXPECT_EQ(press.links.files.at(std::string(kDesktop) + "\\" + name + ".lnk"), written);
        // No temporary file left; the other mode's shortcut stays.
        EXPECT_EQ(press.links.files.size(), mode == Normal ? 1u : 2u);
    }
}

// A press where `step` of the shell link gives `result`, or where the saved
// file holds `text` in `field`.
std::function<void(Press&)> Gives(const char* step, std::uint32_t result) {
    return [=](Press& p) { p.links.results[step] = static_cast<HResult>(result); };
}
std::function<void(Press&)> Stores(int field, const std::string& text) {
    return [=](Press& p) { p.links.savedAs[field] = text; };
}
// A press with another desktop and install folder.
std::function<void(Press&)> At(const std::string& desktop, const std::string& folder = "D:\\QQ") {
    return [=](Press& p) {
        p.registry.values["Desktop"] = desktop;
        p.request.installFolder = folder;
    };
}

TEST(CreateLoginShortcut, ReportsEveryFailureAndLeavesTheEarlierShortcutAsItWas) {
    const std::string refused = kFailed + "无法设置快捷方式的内容,错误代码:0x80070057 ";
    const std::string notSaved =
        kFailed + "无法保存快捷方式文件\n" + kLink + "\n错误代码:0x8007000";
    const std::string notTaken =
        kFailed + "快捷方式无法指向QQ程序,请检查安装路径:\nD:\\Zoë 𠮷\\QQ\\QQ.exe ";
    const std::string otherTarget =
        kFailed +
        "快捷方式保存后读出的QQ程序路径与所选路径不一致,请检查安装路径:\nD:\\Zoë 𠮷\\QQ\\QQ.exe ";
    const std::string otherText = kSaved + kReadBack + "Remove " + kFailed +
                                  "快捷方式保存后读出的参数或说明与写入的不一致:\n" + kLink + " ";
    const std::string noPassword =
        kFailed + "密码中有本系统的语言编码无法表示的字符,QQ无法用它登陆,请修改密码后再试! ";
    const std::string filled = "Open SetPath GetPath SetArguments SetDescription ";
    const struct {
        std::function<void(Press&)> setUp;
        std::string log;
    } rows[] = {
        {Gives("Open", 0x80040154),
         "Open " + kFailed + "系统无法创建快捷方式对象,错误代码:0x80040154 "},
        {Gives("SetPath", 0x80070057), "Open SetPath Release " + refused},
        {Gives("SetArguments", 0x80070057), "Open SetPath GetPath SetArguments Release " + refused},
        {Gives("SetDescription", 0x80070057), filled + "Release " + refused},
        // A target the link takes with success but does not keep.
        {[](Press& p) { p.links.dropsTarget = true; }, "Open SetPath GetPath Release " + notTaken},
        {Gives("Temporary", 0x80070003), filled + "Temporary Release " + notSaved + "3 "},
        {Gives("Save", 0x80070003), kSaved + "Remove " + notSaved + "3 "},
        {Gives("Load", 0x80070005), kSaved + "Open Load Release Remove " + kFailed +
                                        "无法读回保存的快捷方式文件\n" + kLink +
                                        "\n错误代码:0x80070005 "},
        // The file holds other text than was set, in each field.
        {Stores(0, "D:\\Zo? ??\\QQ\\QQ.exe"), kSaved + kReadBack + "Remove " + otherTarget},
        {Stores(1, " /START QQUIN:10001"), otherText},
        {Stores(2, kName), otherText},
        {Gives("Replace", 0x80070005), kSaved + kReadBack + "Replace Remove " + notSaved + "5 "},
        // Nothing is asked, not even the desktop, for a password the client
        // could never be given; with the desktop gone too, only that is said.
        {[](Press& p) { p.codePage.holdsNothing = true; }, noPassword},
        {[](Press& p) {
             p.codePage.holdsNothing = true;
             p.registry.values.clear();
         },
         noPassword},
        // A refused target ends it before a save that would fail too.
        {[](Press& p) {
             p.links.dropsTarget = true;
             p.links.results["Save"] = static_cast<HResult>(0x80070003);
         },
         "Open SetPath GetPath Release " + notTaken},
        // Success codes other than S_OK are successes.
        {Gives("SetPath", 1), kWritten},
        {Gives("Load", 1), kWritten},
        // Nothing is validated: empty inputs make a shortcut too.
        {[](Press& p) {
             p.request = {"", "", "", Normal};
         },
         kWritten},
        // The target is compared as the shell took it, separators collapsed.
        {[](Press& p) { p.request.installFolder = "D:\\QQ\\"; }, kWritten},
        {[](Press& p) { p.registry.values.clear(); },
         "| 桌面路径获取失败!快捷方式将生成在C盘根目录下! " + kWritten},
        // Path limits count UTF-16 units: "正常登陆QQ 10001.lnk" is 16, "𠮷"
        // two, "ë" and "中" one. A desktop that fits makes a link path of
        // exactly 259 units, the one that does not 260; then the target.
        {At("C:\\" + std::string(239, 'd')), kWritten},
        {At("C:\\𠮷" + std::string(238, 'd')),
         kFailed + "快捷方式的文件路径超过259个字符,请缩短路径:\nC:\\𠮷" + std::string(238, 'd') +
             "\\" + kName + ".lnk "},
        {At("C:\\" + std::string(177, 'd') + "ë中\\" + std::string(59, 'd')), kWritten},
        {At("C:\\D", "D:\\" + std::string(249, 'q')), kWritten},
        {At("C:\\D", "D:\\" + std::string(248, 'q') + "𠮷"),
         kFailed + "QQ程序的路径超过259个字符,请缩短安装路径:\nD:\\" + std::string(248, 'q') +
             "𠮷\\QQ.exe "},
    };
    for (const auto& row : rows) {
        const Press press(row.setUp);
        EXPECT_EQ(press.log, row.log);
        EXPECT_EQ(press.links.files.size(), 1u) << "a temporary file is left: " << row.log;
        EXPECT_EQ(press.links.files.at(press.link) == kYesterday,
                  row.log.find("成功") == row.log.npos)
            << row.log;
    }
    // A desktop value empty once cleaned: the root of the current drive.
    EXPECT_EQ(Press([](Press& p) {
                  p.registry.values["Desktop"] = "   ";
              }).links.files.count("\\正常登陆QQ 10001.lnk"),
              1u);
}

}  // namespace
}  // namespace tessaly
