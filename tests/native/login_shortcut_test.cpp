#include "core/login_shortcut.h"

#include "core/login_mode.h"
#include "core/password_hash.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(ComposeLoginShortcut, BuildsEveryFieldForEitherMode) {
    const struct {
        int mode;
        const char* name;
        const char* status;
    } modes[] = {{Normal, "正常登陆QQ 123456789", "10"}, {Invisible, "隐身登陆QQ 123456789", "40"}};
    for (const auto& m : modes) {
        const LoginRequest request{"D:\\Zoë\\QQ", "123456789", "secret", m.mode};
        // The hash is taken over the password's code page bytes, not its UTF-8.
        const LoginShortcut shortcut = ComposeLoginShortcut(request, "C:\\Desktop", "bytes");
        EXPECT_EQ(shortcut.linkName, m.name);
        EXPECT_EQ(shortcut.targetPath, "D:\\Zoë\\QQ\\QQ.exe");
        EXPECT_EQ(shortcut.arguments, " /START QQUIN:123456789 PWDHASH:" +
                                          EncodePasswordHash("bytes") + " /STAT:" + m.status);
        EXPECT_EQ(shortcut.description, std::string(m.name) + "\nhttp://www.example.org/");
        EXPECT_EQ(shortcut.linkFilePath, "C:\\Desktop\\" + std::string(m.name) + ".lnk");
    }
}

TEST(ComposeLoginShortcut, UsesEmptyAndUnnormalisedInputsAsTheyAre) {
    LoginRequest request{"", "", "", Normal};
    LoginShortcut shortcut = ComposeLoginShortcut(request, "", "");
    EXPECT_EQ(shortcut.linkName, "正常登陆QQ ");
    EXPECT_EQ(shortcut.arguments.substr(0, 23), " /START QQUIN: PWDHASH:");
    EXPECT_EQ(shortcut.targetPath, "\\QQ.exe");
    EXPECT_EQ(shortcut.linkFilePath, "\\正常登陆QQ .lnk");

    request.installFolder = "E:\\QQ\\";
    EXPECT_EQ(ComposeLoginShortcut(request, "", "").targetPath, "E:\\QQ\\\\QQ.exe");
}

}  // namespace
}  // namespace tessaly
