// The shortcut creation action with the real shell link, code page and file
// system under Wine; the shortcuts it writes are read back by lnkinfo, an
// independent parser. (Wine's shell link saves the target through the ANSI
// code page: the dialog tests show, in every locale, that a folder the code
// page cannot spell is refused before anything is replaced.)
#include "platform/win32/private_file.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"
#include "platform/win32/win32_code_page_encoder.h"
#include "platform/win32/win32_shell_link_writer.h"
#include "tests/support/fake_services.h"
#include "tests/support/golden_shortcuts.h"
#include "tests/support/product_texts.h"
#include "tests/support/wine_test_support.h"
#include "ui/create_login_shortcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <process.h>

namespace tessaly {
namespace {

using Names = std::vector<std::string>;
using Texts = std::vector<std::string>;

const std::string kRun = "C:\\tessaly-test\\action-" + std::to_string(GetACP());
const std::string kName = "正常登陆QQ 10001.lnk";
// Full access for SYSTEM and for Wine's one user, nothing for anyone else.
const std::string kPrivateDacl = "(A;;FA;;;SY)(A;;FA;;;S-1-5-21-0-0-0-1000)";

// Presses the create button for `request` with `desktop` as the desktop
// folder; returns the messages shown.
template <class Writer = win32::Win32ShellLinkWriter>
Texts Press(const LoginRequest& request, const std::string& desktop) {
    test::FakeRegistryReader registry;
    registry.values["Desktop"] = desktop;
    test::FakeMessagePresenter messages;
    Writer links;
    win32::Win32CodePageEncoder codePage;
    CreateLoginShortcut(request, {registry, links, messages, codePage});
    return messages.shown;
}
Texts Press(const std::string& installFolder, const std::string& desktop) {
    return Press({installFolder, "10001", "pass", 1}, desktop);
}

class CreateLoginShortcutWineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RemoveTree(kRun); }
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

TEST_F(CreateLoginShortcutWineTest, WritesEveryGoldenShortcut) {
    const std::string desktop = Desktop("golden Zoë 𠮷");
    for (const test::GoldenShortcut& row : test::kGoldenShortcuts) {
        EXPECT_EQ(
            Press({row.installFolder, row.number, SecretText(row.password), row.mode}, desktop),
            Texts{texts::kCreated});
        test::RecordGolden(kRun + "\\expected.txt", desktop, row);
        EXPECT_EQ(test::FileDacl(desktop + "\\" + row.fileName), kPrivateDacl);
    }
}

TEST_F(CreateLoginShortcutWineTest, WritesOneFileAtThePathLimit) {
    // A link path of 259 units, the temporary file's too, with a Unicode
    // folder name.
    const std::string deep = Desktop("Zoë 𠮷 " + std::string(234 - kRun.size(), 'd'));
    ASSERT_EQ(win32::Utf8ToWide(deep + "\\" + kName).size(), 259u);
    EXPECT_EQ(Press("C:\\Program Files\\QQ", deep), Texts{texts::kCreated});
}

// No desktop value, an empty one or one that names no folder: the root of C:
// takes the shortcut, as private as on the desktop, though C:\ lets every
// user read what is made there.
TEST_F(CreateLoginShortcutWineTest, WithNoDesktopTheRootOfCTakesAPrivateShortcut) {
    for (const std::string& desktop : Names{"", kRun + "\\no such folder"}) {
        DeleteFileW(L"C:\\正常登陆QQ 10001.lnk");
        EXPECT_EQ(Press("C:\\QQ", desktop), (Texts{texts::kDesktopUnknown, texts::kCreated}));
        EXPECT_EQ(test::FileDacl("C:\\" + kName), kPrivateDacl) << desktop;
    }
}

// Wine keeps no "protected" flag on a file, so the file's DACL above cannot
// show it; Windows would let a file without it inherit its folder's entries.
// The descriptor the file is created with has it.
TEST_F(CreateLoginShortcutWineTest, ThePrivateDescriptorInheritsNothing) {
    const auto descriptor = win32::PrivateSecurityDescriptor();
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(GetSecurityDescriptorControl(descriptor.get(), &control, &revision));
    EXPECT_EQ(control & SE_DACL_PROTECTED, SE_DACL_PROTECTED);
}

// A run stopped where a crash, a kill or a power cut could stop it, between
// the save and the move, in a copy of this process (TESSALY_TEST_DESKTOP).
class StopsBeforeTheMove : public win32::Win32ShellLinkWriter {
    HResult Replace(const std::string&, const std::string&) override {
        TerminateProcess(GetCurrentProcess(), 7);
        return E_FAIL;
    }
};
TEST(CreateLoginShortcutStopped, DISABLED_BeforeTheMove) {
    const win32::ScopedComInit com;
    Press<StopsBeforeTheMove>({"C:\\QQ", "10001", "pass", 1}, std::getenv("TESSALY_TEST_DESKTOP"));
}

TEST_F(CreateLoginShortcutWineTest, AStoppedRunLosesNothingAndTheNextClearsUpAfterIt) {
    const std::string desktop = Desktop("stopped", "yesterday's shortcut");
    // Files of the user's whose names merely look like a temporary file's.
    const Names lookAlikes = {"正常登陆QQ 10001~3F2", "正常登陆QQ 10001~3f2.txt",
                              "正常登陆QQ 10001~3f", "正常登陆QQ 1000~3f2", "隐身登陆QQ 10001~3f2"};
    for (const std::string& name : lookAlikes) {
        test::WriteBytes(desktop + "\\" + name, "mine");
    }
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SetEnvironmentVariableW(L"TESSALY_TEST_DESKTOP", win32::Utf8ToWide(desktop).c_str());
    ASSERT_EQ(_wspawnl(_P_WAIT, self, L"self", L"--gtest_also_run_disabled_tests",
                       L"--gtest_filter=CreateLoginShortcutStopped.*", nullptr),
              7);
    EXPECT_EQ(test::ReadBytes(desktop + "\\" + kName), "yesterday's shortcut");
    EXPECT_EQ(test::FileNames(desktop).size(), lookAlikes.size() + 2);  // and what it left

    EXPECT_EQ(Press("C:\\QQ", desktop), Texts{texts::kCreated});
    Names expected = lookAlikes;
    expected.push_back(kName);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(test::FileNames(desktop), expected);
}

// A new shortcut that cannot take the old one's place leaves it as it was.
TEST_F(CreateLoginShortcutWineTest, KeepsTheEarlierShortcutWhenTheNewOneCannotReplaceIt) {
    const std::string desktop = Desktop("kept", "yesterday's shortcut");
    const std::string link = desktop + "\\" + kName;
    // Held open by someone who lets nobody delete it.
    const HANDLE held = CreateFileW(win32::Utf8ToWide(link).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(Press("C:\\QQ", desktop), Texts{texts::SaveFailed(link, "80070005")});
    CloseHandle(held);
    EXPECT_EQ(test::FileNames(desktop), Names{kName});
    EXPECT_EQ(test::ReadBytes(link), "yesterday's shortcut");
}

}  // namespace
}  // namespace tessaly
