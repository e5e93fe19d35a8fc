#include "core/login_shortcut.h"

#include "core/author_info.h"
#include "core/login_mode.h"
#include "core/password_hash.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

LoginRequest SampleRequest(int mode) {
    LoginRequest request;
    request.installFolder = "D:\\Program Files\\Tencent\\QQ";
    request.qqNumber = "123456789";
    request.password = "secret";
    request.loginMode = mode;
    return request;
}

TEST(LoginMode, PrefixesAndCodesAreTheDesignedOnes) {
    EXPECT_EQ(LinkNamePrefix(Normal), "正常登陆QQ ");
    EXPECT_EQ(LinkNamePrefix(Invisible), "隐身登陆QQ ");
    EXPECT_EQ(StatusCode(Normal), "10");
    EXPECT_EQ(StatusCode(Invisible), "40");
}

TEST(LoginMode, UnknownModeHasNeitherPrefixNorCode) {
    for (int mode : {2, -1, 10}) {
        EXPECT_EQ(LinkNamePrefix(mode), "");
        EXPECT_EQ(StatusCode(mode), "");
    }
}

TEST(ComposeLoginShortcut, BuildsEveryField) {
    // The hash is taken over the password's code page bytes, not its UTF-8.
    const LoginShortcut shortcut =
        ComposeLoginShortcut(SampleRequest(Normal), "C:\\Users\\me\\Desktop", "bytes");
    const std::string name = "正常登陆QQ 123456789";
    EXPECT_EQ(shortcut.linkName, name);
    EXPECT_EQ(shortcut.targetPath, "D:\\Program Files\\Tencent\\QQ\\QQ.exe");
    EXPECT_EQ(shortcut.arguments,
              " /START QQUIN:123456789 PWDHASH:" + EncodePasswordHash("bytes") + " /STAT:10");
    EXPECT_EQ(shortcut.description, name + "\n" + kAuthorWebAddress);
    EXPECT_EQ(shortcut.linkFilePath, "C:\\Users\\me\\Desktop\\" + name + ".lnk");
}

TEST(ComposeLoginShortcut, ModesDifferOnlyInPrefixAndStatus) {
    const LoginShortcut normal = ComposeLoginShortcut(SampleRequest(Normal), "C:\\D", "x");
    const LoginShortcut invisible = ComposeLoginShortcut(SampleRequest(Invisible), "C:\\D", "x");
    EXPECT_EQ(invisible.linkName, "隐身登陆QQ 123456789");
    EXPECT_EQ(normal.targetPath, invisible.targetPath);
    const std::size_t common = normal.arguments.size() - 2;
    EXPECT_EQ(normal.arguments.substr(0, common), invisible.arguments.substr(0, common));
    EXPECT_EQ(invisible.arguments.substr(common), "40");
    EXPECT_NE(normal.linkFilePath, invisible.linkFilePath);
}

TEST(ComposeLoginShortcut, EmptyAndUnnormalisedInputsAreUsedAsTheyAre) {
    LoginRequest request = SampleRequest(Normal);
    request.qqNumber.clear();
    request.installFolder.clear();
    LoginShortcut shortcut = ComposeLoginShortcut(request, "", "");
    EXPECT_EQ(shortcut.linkName, LinkNamePrefix(Normal));
    EXPECT_EQ(shortcut.arguments.substr(0, 23), " /START QQUIN: PWDHASH:");
    EXPECT_EQ(shortcut.targetPath, "\\QQ.exe");
    EXPECT_EQ(shortcut.linkFilePath, "\\" + LinkNamePrefix(Normal) + ".lnk");

    request.installFolder = "E:\\QQ\\";
    EXPECT_EQ(ComposeLoginShortcut(request, "", "").targetPath, "E:\\QQ\\\\QQ.exe");
}

TEST(AuthorInfo, PagesAreOnTheAuthorsSite) {
    const std::string site = kAuthorWebAddress;
    EXPECT_EQ(std::string(kProgramsPage), site + "default.asp?cateID=5");
    EXPECT_EQ(std::string(kFeedbackPage), site + "LoadMod.asp?plugins=GuestBookForPJBlog");
}

}  // namespace
}  // namespace tessaly
