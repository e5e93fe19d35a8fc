#include "ui/create_login_shortcut.h"

#include "tests/support/fake_services.h"
#include "tests/support/golden_shortcuts.h"
#include "tests/support/product_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace tessaly {
namespace {

using Texts = std::vector<std::string>;
constexpr char kDesktop[] = "C:\\Users\\Zoë 𠮷\\Desktop";
const test::LinkFile kYesterday = {"C:\\QQ\\QQ.exe", " /START QQUIN:10001", "yesterday's"};

// One press of the create button against the fakes, after `setUp`, with a
// shortcut of the same name from an earlier day where the new one is to go:
// the desktop, or the root of C: when there is none (no value, a blank one,
// or one that names no folder).
struct Press {
    explicit Press(const std::function<void(Press&)>& setUp = [](Press&) {}) {
        registry.values["Desktop"] = kDesktop;
        setUp(*this);
        const auto desktop = registry.values.find("Desktop");
        const bool known = desktop != registry.values.end() &&
                           desktop->second.find_first_not_of(' ') != std::string::npos &&
                           links.missingFolders.count(desktop->second) == 0;
        link = (known ? desktop->second : "C:") +
               (request.loginMode == 1 ? "\\正常登陆QQ " : "\\隐身登陆QQ ") + request.qqNumber +
               ".lnk";
        links.files[link] = kYesterday;
        CreateLoginShortcut(request, {registry, links, links, messages, codePage});
    }
    std::string link;
    // A folder no ANSI code page can name reaches the shell link as it is.
    LoginRequest request{"D:\\Zoë 𠮷\\QQ", "10001", "pass", 1};
    test::FakeRegistryReader registry;
    test::FakeShortcutSystem links;
    test::FakeMessagePresenter messages{&links};
    test::FakeCodePageEncoder codePage;
};

TEST(CreateLoginShortcut, WritesEveryGoldenShortcutInPlaceOfTheEarlierOne) {
    for (const test::GoldenShortcut& row : test::kGoldenShortcuts) {
        const Press press([&](Press& p) {
            p.request = {row.installFolder, row.number, SecretText(row.password), row.mode};
        });
        EXPECT_EQ(press.messages.shown, Texts{texts::kCreated}) << row.fileName;
        const std::map<std::string, test::LinkFile> files = {
            {std::string(kDesktop) + "\\" + row.fileName,
             {row.target, row.arguments, test::DescriptionOf(row)}}};
        EXPECT_EQ(press.links.files, files) << row.fileName;
    }
}

// A press where `step` of the shell link gives `result`, or where the saved
// file holds `text` in `field`, or with another desktop and install folder.
std::function<void(Press&)> Gives(const char* step, std::uint32_t result) {
    return [=](Press& p) { p.links.results[step] = static_cast<HResult>(result); };
}
std::function<void(Press&)> Stores(int field, const std::string& text) {
    return [=](Press& p) { p.links.savedAs[field] = text; };
}
std::function<void(Press&)> At(const std::string& desktop, const std::string& folder = "D:\\QQ") {
    return [=](Press& p) {
        p.registry.values["Desktop"] = desktop;
        p.request.installFolder = folder;
    };
}

TEST(CreateLoginShortcut, TellsTheOutcomeAndReplacesTheEarlierShortcutOnlyOnSuccess) {
    using namespace texts;
    const std::string link = std::string(kDesktop) + "\\正常登陆QQ 10001.lnk";
    const std::string target = "D:\\Zoë 𠮷\\QQ\\QQ.exe";
    const std::string deep = "C:\\𠮷" + std::string(238, 'd');
    const std::string longTarget = "D:\\" + std::string(248, 'q') + "𠮷\\QQ.exe";
    const struct {
        std::function<void(Press&)> setUp;
        Texts shown;
    } rows[] = {
        {Gives("Create", 0x80040154), {ObjectFailed("80040154")}},
        {Gives("SetPath", 0x80070057), {ContentFailed("80070057")}},
        {Gives("SetArguments", 0x80070057), {ContentFailed("80070057")}},
        {Gives("SetDescription", 0x80070057), {ContentFailed("80070057")}},
        // A target the link takes with success but does not keep; a refused
        // target ends it before a save that would fail too.
        {[](Press& p) { p.links.dropsTarget = true; }, {TargetNotTaken(target)}},
        {[](Press& p) {
             p.links.dropsTarget = true;
             p.links.results["Save"] = static_cast<HResult>(0x80070003);
         },
         {TargetNotTaken(target)}},
        {Gives("Temporary", 0x80070003), {SaveFailed(link, "80070003")}},
        {Gives("Save", 0x80070003), {SaveFailed(link, "80070003")}},
        {Gives("Load", 0x80070005), {ReadBackFailed(link, "80070005")}},
        // The file holds other text than was set, in each field.
        {Stores(0, "D:\\Zo? ??\\QQ\\QQ.exe"), {TargetNotSaved(target)}},
        {Stores(1, " /START QQUIN:10001"), {ContentNotSaved(link)}},
        {Stores(2, "正常登陆QQ 10001"), {ContentNotSaved(link)}},
        {Gives("Replace", 0x80070005), {SaveFailed(link, "80070005")}},
        // Success codes other than S_OK are successes.
        {Gives("SetPath", 1), {kCreated}},
        {Gives("Load", 1), {kCreated}},
        {[](Press& p) { p.registry.values.clear(); }, {kDesktopUnknown, kCreated}},
        // Nothing is asked, not even the desktop, for a password the client
        // could never be given: with the desktop gone too, only that is said.
        {[](Press& p) {
             p.request.password = "密码";
             p.registry.values.clear();
         },
         {kPasswordNotInCodePage}},
        {At(""), {kDesktopUnknown, kCreated}},
        {At("  "), {kDesktopUnknown, kCreated}},
        {[](Press& p) { p.links.missingFolders = {kDesktop}; }, {kDesktopUnknown, kCreated}},
        // Path limits count UTF-16 units: "正常登陆QQ 10001.lnk" is 16, "𠮷"
        // two, "ë" and "中" one. A desktop that fits makes a link path of
        // exactly 259 units, the one that does not 260; then the target.
        {At("C:\\" + std::string(239, 'd')), {kCreated}},
        {At(deep), {LinkPathTooLong(deep + "\\正常登陆QQ 10001.lnk")}},
        {At("C:\\" + std::string(177, 'd') + "ë中\\" + std::string(59, 'd')), {kCreated}},
        {At("C:\\D", "D:\\" + std::string(249, 'q')), {kCreated}},
        {At("C:\\D", "D:\\" + std::string(248, 'q') + "𠮷"), {TargetPathTooLong(longTarget)}},
    };
    for (const auto& row : rows) {
        const Press press(row.setUp);
        EXPECT_EQ(press.messages.shown, row.shown);
        // One file: no temporary one is left; the earlier shortcut is replaced
        // only when the user is told of success.
        ASSERT_EQ(press.links.files.size(), 1u) << row.shown.back();
        EXPECT_EQ(press.links.files.at(press.link) == kYesterday, row.shown.back() != kCreated)
            << row.shown.back();
    }
}

}  // namespace
}  // namespace tessaly
