// The shortcut creation action with the real shell link, code page and file
// system under Wine; the shortcuts it writes are read back by lnkinfo, an
// independent parser. (Wine's shell link saves the target through the ANSI
// code page: the dialog tests show, in every locale, that a folder the code
// page cannot spell is refused before anything is replaced.)
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_code_page_encoder.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_shortcut_files.h"
#include "tests/support/fake_services.h"
#include "tests/support/golden_shortcuts.h"
#include "tests/support/product_texts.h"
#include "tests/support/wine_test_support.h"
#include "text/utf_conversion.h"
#include "ui/create_login_shortcut.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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
template <class Files = win32::Win32ShortcutFiles>
Texts Press(const std::string& desktop,
            const LoginRequest& request = {"C:\\QQ", "10001", "pass", 1}) {
    test::FakeRegistryReader registry;
    registry.values["Desktop"] = desktop;
    test::FakeMessagePresenter messages;
    win32::Win32ShellLinks links;
    Files files;
    win32::Win32CodePageEncoder codePage;
    CreateLoginShortcut(request, {registry, links, files, messages, codePage});
    return messages.shown;
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

// The longest name's link path is 259 units, the limit, and its temporary
// file's too, in a folder with a Unicode name.
TEST_F(CreateLoginShortcutWineTest, WritesEveryGoldenShortcutTheLongestAtThePathLimit) {
    const std::string desktop = Desktop("golden Zoë 𠮷 " + std::string(223 - kRun.size(), 'd'));
    ASSERT_EQ(text::Utf8ToWide(desktop + "\\正常登陆QQ 987654321.lnk").size(), 259u);
    for (const test::GoldenShortcut& row : test::kGoldenShortcuts) {
        EXPECT_EQ(
            Press(desktop, {row.installFolder, row.number, SecretText(row.password), row.mode}),
            Texts{texts::kCreated});
        test::RecordGolden(kRun + "\\expected.txt", desktop, row);
        EXPECT_EQ(test::FileDacl(desktop + "\\" + row.fileName), kPrivateDacl);
    }
}

// No desktop value, an empty one or one that names no folder: the root of C:
// takes the shortcut, as private as on the desktop, though C:\ lets every
// user read what is made there.
TEST_F(CreateLoginShortcutWineTest, WithNoDesktopTheRootOfCTakesAPrivateShortcut) {
    for (const std::string& desktop : Names{"", kRun + "\\no such folder"}) {
        DeleteFileW(L"C:\\正常登陆QQ 10001.lnk");
        EXPECT_EQ(Press(desktop), (Texts{texts::kDesktopUnknown, texts::kCreated}));
        EXPECT_EQ(test::FileDacl("C:\\" + kName), kPrivateDacl) << desktop;
    }
}

// Wine keeps no "protected" flag on a file, so the file's DACL above cannot
// show it; Windows would let a file without it inherit its folder's entries.
// The descriptor the file is created with has it.
TEST_F(CreateLoginShortcutWineTest, ThePrivateDescriptorInheritsNothing) {
    const auto descriptor = win32::PrivateFileDescriptor();
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(GetSecurityDescriptorControl(descriptor.get(), &control, &revision));
    EXPECT_EQ(control & SE_DACL_PROTECTED, SE_DACL_PROTECTED);
}

// A run stopped where a crash, a kill or a power cut could stop it, between
// the save and the move, in a copy of this process (TESSALY_TEST_DESKTOP).
class StopsBeforeTheMove : public win32::Win32ShortcutFiles {
    HResult Replace(const std::string&, const std::string&) override {
        TerminateProcess(GetCurrentProcess(), 7);
        return E_FAIL;
    }
};
TEST(CreateLoginShortcutStopped, DISABLED_BeforeTheMove) {
    const win32::ScopedComInit com;
    Press<StopsBeforeTheMove>(std::getenv("TESSALY_TEST_DESKTOP"));
}

TEST_F(CreateLoginShortcutWineTest, AStoppedRunLosesNothingAndTheNextClearsUpAfterIt) {
    const std::string desktop = Desktop("stopped", "yesterday's shortcut");
    // Files of the user's whose names merely look like a temporary file's.
    const Names lookAlikes = {"正常登陆QQ 10001~3F2", "正常登陆QQ 10001~3f2.txt",
                              "正常登陆QQ 10001~3f", "正常登陆QQ 1000~3f2", "隐身登陆QQ 10001~3f2"};
    for (const std::string& name : lookAlikes) {
        test::WriteBytes(desktop + "\\" + name, "mine");
    }
    const Names before = test::FileNames(desktop);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SetEnvironmentVariableW(L"TESSALY_TEST_DESKTOP", text::Utf8ToWide(desktop).c_str());
    ASSERT_EQ(_wspawnl(_P_WAIT, self, L"self", L"--gtest_also_run_disabled_tests",
                       L"--gtest_filter=CreateLoginShortcutStopped.*", nullptr),
              7);
    EXPECT_EQ(test::ReadBytes(desktop + "\\" + kName), "yesterday's shortcut");
    const Names stopped = test::FileNames(desktop);
    EXPECT_EQ(stopped.size(), lookAlikes.size() + 2);  // and what it left

    // What it left is kept while another run may still be writing it (every
    // file stamped a day ahead, so that no slow machine can age it meanwhile),
    // and removed once it is older than a minute.
    for (const int hours : {24, -1}) {
        for (const std::string& name : test::FileNames(desktop)) {
            std::filesystem::last_write_time(
                text::Utf8ToWide(desktop + "\\" + name),
                std::filesystem::file_time_type::clock::now() + std::chrono::hours(hours));
        }
        EXPECT_EQ(Press(desktop), Texts{texts::kCreated});
        EXPECT_EQ(test::FileNames(desktop), hours > 0 ? stopped : before) << hours;
    }
}

// A run paused after creating its temporary, which another run's clean-up
// then took away (as it would, had the pause lasted over a minute): the shell
// link saves a new file under that name with its folder's rights.
class SweptAfterCreation : public win32::Win32ShortcutFiles {
    HResult CreateTemporary(const std::string& link, std::string* path) override {
        const HResult hr = Win32ShortcutFiles::CreateTemporary(link, path);
        DeleteFileW(text::Utf8ToWide(*path).c_str());
        return hr;
    }
};

// A new shortcut that cannot take the old one's place, or that is no longer
// private, leaves the old one as it was.
TEST_F(CreateLoginShortcutWineTest, KeepsTheEarlierShortcutUnlessTheNewOnePrivatelyReplacesIt) {
    for (const bool swept : {false, true}) {
        const std::string desktop = Desktop(swept ? "swept" : "kept", "yesterday's shortcut");
        const std::string link = desktop + "\\" + kName;
        // Held open by someone who lets nobody delete it.
        const win32::ScopedHandle held(swept ? nullptr
                                             : CreateFileW(text::Utf8ToWide(link).c_str(),
                                                           GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                           OPEN_EXISTING, 0, nullptr));
        EXPECT_EQ(swept ? Press<SweptAfterCreation>(desktop) : Press(desktop),
                  Texts{texts::SaveFailed(link, "80070005")});
        EXPECT_EQ(test::FileNames(desktop), Names{kName});
        EXPECT_EQ(test::ReadBytes(link), "yesterday's shortcut");
    }
}

}  // namespace
}  // namespace tessaly
