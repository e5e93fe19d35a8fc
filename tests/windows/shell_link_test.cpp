// The shell link adapter against Wine's real shell link object. What it saves
// is read back from Linux by lnkinfo, an independent parser.
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_shell_link_writer.h"
#include "tests/support/wine_test_support.h"

#include <gtest/gtest.h>

namespace tessaly::win32 {
namespace {

const std::string kFolder = "C:\\tessaly-test\\links";

HResult WriteLink(const std::string& path, const std::string& target, const std::string& arguments,
                  const std::string& description) {
    Win32ShellLinkWriter writer;
    std::unique_ptr<ShellLink> link;
    HResult hr = writer.Open(&link);
    if (Succeeded(hr)) {
        hr = link->SetPath(target);
    }
    if (Succeeded(hr)) {
        hr = link->SetArguments(arguments);
    }
    if (Succeeded(hr)) {
        hr = link->SetDescription(description);
    }
    return Succeeded(hr) ? link->Save(path) : hr;
}

class ShellLinkWriterTest : public ::testing::Test {
protected:
    ScopedComInit com_;
};

TEST_F(ShellLinkWriterTest, SavesUnicodeTextAndReplacesAnEarlierFile) {
    test::RemoveTree(kFolder);
    ASSERT_TRUE(test::MakeFolder(kFolder));
    // The name and the description hold characters no ANSI code page has
    // (lnkinfo misreads surrogate pairs, so the description keeps to the
    // first plane).
    const std::string path = kFolder + "\\Zoë 𠮷 正常登陆QQ 123456789.lnk";
    ASSERT_TRUE(Succeeded(WriteLink(path, "C:\\A\\QQ.exe", " /first", "one")));
    const std::vector<std::string> fields = {
        "C:\\Program Files\\Tencent\\QQ\\QQ.exe",
        " /START QQUIN:123456789 PWDHASH:X03MO1qnZdYdgyfeuILPmQ== /STAT:10",
        "正常登陆QQ 123456789 Zoë 한국\nhttp://www.example.org/"};
    // The target does not exist: the shell link answers S_FALSE, a success.
    ASSERT_TRUE(Succeeded(WriteLink(path, fields[0], fields[1], fields[2])));
    test::RecordExpectedFields(kFolder + "\\expected.txt",
                               {"link", path, fields[0], fields[1], fields[2]});
}

TEST_F(ShellLinkWriterTest, HoldsTheLongestTargetWholeAndNoneThatNoPathCanBe) {
    Win32ShellLinkWriter writer;
    // 259 units; then a quote, taken with a success code and not kept.
    const std::string longest = "C:\\" + std::string(249, 'q') + "\\QQ.exe";
    for (const std::string& target : {longest, std::string("C:\\a\"b\\QQ.exe")}) {
        std::unique_ptr<ShellLink> link;
        ASSERT_TRUE(Succeeded(writer.Open(&link)));
        std::string held = "untouched";
        EXPECT_TRUE(Succeeded(link->SetPath(target)));
        link->GetPath(&held);
        EXPECT_EQ(held, target == longest ? longest : "");
    }
}

TEST_F(ShellLinkWriterTest, MissingFolderFailsAndWritesNothing) {
    const std::string path = kFolder + "\\no-such-folder\\x.lnk";
    EXPECT_EQ(static_cast<std::uint32_t>(WriteLink(path, "C:\\QQ\\QQ.exe", "", "")),
              0x80070003u);  // HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)
    EXPECT_FALSE(test::FileExists(path));
}

}  // namespace
}  // namespace tessaly::win32
