// The shell link adapter against Wine's real shell link object: write a
// shortcut, read it back through a second object, and check the failures.
#include "core/login_mode.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_shell_link_writer.h"
#include "tests/windows/wine_test_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

namespace tessaly::win32 {
namespace {

struct LinkFields {
    std::string target;
    std::string arguments;
    std::string description;
};

// Loads a .lnk through a second shell link object, independent of the writer.
bool LoadLink(const std::string& ansiPath, LinkFields* fields) {
    ScopedComInit com;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    WCHAR widePath[MAX_PATH];
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.receive())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.receive())) ||
        MultiByteToWideChar(CP_ACP, 0, ansiPath.c_str(), -1, widePath, MAX_PATH) == 0 ||
        FAILED(file->Load(widePath, STGM_READ))) {
        return false;
    }
    char buffer[INFOTIPSIZE];
    link->GetPath(buffer, sizeof buffer, nullptr, SLGP_RAWPATH);
    fields->target = buffer;
    link->GetArguments(buffer, sizeof buffer);
    fields->arguments = buffer;
    link->GetDescription(buffer, sizeof buffer);
    fields->description = buffer;
    return true;
}

HResult WriteLink(const std::string& path, const LinkFields& fields) {
    Win32ShellLinkWriter writer;
    std::unique_ptr<ShellLink> link;
    HResult hr = writer.Open(&link);
    if (!Succeeded(hr)) {
        return hr;
    }
    for (HResult step : {link->SetPath(fields.target), link->SetArguments(fields.arguments),
                         link->SetDescription(fields.description)}) {
        if (!Succeeded(step)) {
            return step;
        }
    }
    return link->Save(path);
}

TEST(ShellLinkWriter, WritesALinkThatReadsBackWithGbkText) {
    // Kept for the check from Linux with lnkinfo.
    test::TestFolder folder("links", /*keep=*/true);
    const std::string name = LinkNamePrefix(Normal) + "123456789";
    const std::string path = folder.path() + "\\" + name + ".lnk";
    const LinkFields written = {"C:\\Program Files\\Tencent\\QQ\\QQ.exe",
                                " /START QQUIN:123456789 PWDHASH:X03MO1qnZdYdgyfeuILPmQ== /STAT:10",
                                name + "\nhttp://www.example.org/"};
    const HResult hr = WriteLink(path, written);
    // The target does not exist: the shell link answers S_FALSE, a success.
    ASSERT_TRUE(Succeeded(hr)) << std::hex << hr;
    ASSERT_TRUE(test::FileExists(path));

    LinkFields read;
    ASSERT_TRUE(LoadLink(path, &read));
    EXPECT_EQ(read.target, written.target);
    EXPECT_EQ(read.arguments, written.arguments);
    EXPECT_EQ(read.description, written.description);
    test::RecordExpectedFields(
        folder.path() + "\\expected.txt",
        {"link", path, written.target, written.arguments, written.description});
}

TEST(ShellLinkWriter, SavingAgainReplacesTheFile) {
    test::TestFolder folder("relink");
    const std::string path = folder.path() + "\\again.lnk";
    ASSERT_TRUE(Succeeded(WriteLink(path, {"C:\\A\\QQ.exe", " /first", "one"})));
    ASSERT_TRUE(Succeeded(WriteLink(path, {"C:\\B\\QQ.exe", " /second", "two"})));
    LinkFields read;
    ASSERT_TRUE(LoadLink(path, &read));
    EXPECT_EQ(read.target, "C:\\B\\QQ.exe");
    EXPECT_EQ(read.arguments, " /second");
}

TEST(ShellLinkWriter, MissingFolderFailsAndWritesNothing) {
    const std::string path = "C:\\tessaly-test\\no-such-folder\\x.lnk";
    EXPECT_EQ(static_cast<std::uint32_t>(WriteLink(path, {"C:\\QQ\\QQ.exe", "", ""})),
              0x80070003u);  // HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)
    EXPECT_FALSE(test::FileExists(path));
}

TEST(ShellLinkWriter, PathOverMaxPathIsRefusedNotTruncated) {
    test::TestFolder folder("long");
    // 300 characters in all; its first 259 would name a file in the folder.
    const std::string path =
        folder.path() + "\\" + std::string(300 - folder.path().size() - 1 - 4, 'n') + ".lnk";
    ASSERT_EQ(path.size(), 300u);
    EXPECT_EQ(WriteLink(path, {"C:\\QQ\\QQ.exe", "", ""}), kLinkPathTooLong);
    EXPECT_FALSE(test::FileExists(path.substr(0, MAX_PATH - 1)));

    // 259 characters is the longest that fits the buffer with its terminator.
    const std::string longest = path.substr(0, MAX_PATH - 1 - 4) + ".lnk";
    EXPECT_NE(WriteLink(longest, {"C:\\QQ\\QQ.exe", "", ""}), kLinkPathTooLong);
}

}  // namespace
}  // namespace tessaly::win32
