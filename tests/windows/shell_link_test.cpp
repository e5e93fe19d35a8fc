// The shell link adapter against Wine's real shell link object: write a
// shortcut, read it back through a second object, and check the failures.
#include "core/login_mode.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"
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
bool LoadLink(const std::string& path, LinkFields* fields) {
    ScopedComInit com;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(link.put()))) ||
        FAILED(link->QueryInterface(IID_PPV_ARGS(file.put()))) ||
        FAILED(file->Load(Utf8ToWide(path).c_str(), STGM_READ))) {
        return false;
    }
    wchar_t buffer[INFOTIPSIZE];
    link->GetPath(buffer, INFOTIPSIZE, nullptr, SLGP_RAWPATH);
    fields->target = WideToUtf8(buffer);
    link->GetArguments(buffer, INFOTIPSIZE);
    fields->arguments = WideToUtf8(buffer);
    link->GetDescription(buffer, INFOTIPSIZE);
    fields->description = WideToUtf8(buffer);
    return true;
}

HResult WriteLink(const std::string& path, const LinkFields& fields) {
    ScopedComInit com;
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

TEST(ShellLinkWriter, WritesALinkThatReadsBackWithUnicodeText) {
    // Kept for the check from Linux with lnkinfo. The name and the
    // description hold characters no ANSI code page has (lnkinfo misreads
    // surrogate pairs, so the description keeps to the first plane).
    test::TestFolder folder("links", /*keep=*/true);
    const std::string name = LinkNamePrefix(Normal) + "123456789";
    const std::string path = folder.path() + "\\Zoë 𠮷 " + name + ".lnk";
    const LinkFields written = {"C:\\Program Files\\Tencent\\QQ\\QQ.exe",
                                " /START QQUIN:123456789 PWDHASH:X03MO1qnZdYdgyfeuILPmQ== /STAT:10",
                                name + " Zoë 한국\nhttp://www.example.org/"};
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

}  // namespace
}  // namespace tessaly::win32
