// Tessaly.exe end to end under Wine: the program is started per scenario with
// the registry prepared for it, and driven from this process with the window
// messages a user's typing and clicking produce. The shortcuts it writes are
// listed for the lnkinfo check that runs afterwards on Linux.
//
// The same scenarios run once per system locale (the harness sets it); what a
// user sees must not depend on it, except which passwords the code page can
// hold. Each scenario has a desktop folder of its own, new for every run and
// named with characters no ANSI code page has.
#include "core/author_info.h"
#include "platform/win32/utf_conversion.h"
#include "resources/resource.h"
#include "tests/e2e/app_driver.h"
#include "tests/windows/wine_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

namespace tessaly::e2e {
namespace {

using win32::Utf8ToWide;

constexpr wchar_t kInstallKey[] = L"SOFTWARE\\TENCENT\\QQ";
constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr char kInstallFolder[] = "C:\\Program Files\\Tencent\\QQ";
constexpr char kOpenedUrls[] = "C:\\tessaly-test\\opened-urls.txt";
const std::string kSuccess =
    std::string("生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问") + kAuthorWebAddress;
const std::string kPasswordRefused =
    "生成快捷方式失败!密码中有本系统的语言编码无法表示的字符,QQ无法用它登陆,请修改密码后再试!";

// A password the locale's code page holds, and one it cannot.
struct PasswordPair {
    std::string held;
    std::string refused;
};
PasswordPair PasswordsFor(UINT codePage) {
    static const std::map<UINT, PasswordPair> pairs = {
        {936, {"密码 p@ss", "密码한국😀"}},
        {950, {"密碼 p@ss", "密码 p@ss"}},
        {932, {"パスワード", "密码 p@ss"}},
        {1252, {"pässwörd", "密码 p@ss"}},
    };
    return pairs.at(codePage);
}

// Everything this locale's run writes, the desktop among it.
std::string RunFolder() {
    return "C:\\tessaly-test\\e2e-" + std::to_string(GetACP());
}
std::string Desktop() {
    return RunFolder() + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
           " Zoë 𠮷";
}
std::string Expectations() {
    return RunFolder() + "\\expected.txt";
}

void SetValue(HKEY root, const wchar_t* subkey, const wchar_t* name, const std::string& value,
              DWORD type = REG_SZ) {
    const std::wstring wide = Utf8ToWide(value);
    RegSetKeyValueW(root, subkey, name, type, wide.c_str(),
                    static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

std::wstring ReadValue(HKEY root, const wchar_t* subkey, const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof value;
    RegGetValueW(root, subkey, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                 value, &size);
    return value;
}

class LauncherEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        test::MakeFolder("C:\\tessaly-test");
        test::RemoveTree(RunFolder());
        test::MakeFolder(RunFolder());
    }
    void SetUp() override {
        shellDesktop_ = ReadValue(HKEY_CURRENT_USER, kShellFolders, L"Desktop");
        userDesktop_ = ReadValue(HKEY_CURRENT_USER, kUserShellFolders, L"Desktop");
        ASSERT_FALSE(shellDesktop_.empty());
        // A fresh desktop, so no shortcut of an earlier run can pass for a new one.
        ASSERT_TRUE(test::MakeFolder(Desktop()));
        // Wine, like Windows, rewrites "Shell Folders" from "User Shell Folders"
        // whenever the shell looks a folder up: both must name the test desktop.
        SetValue(HKEY_CURRENT_USER, kShellFolders, L"Desktop", Desktop());
        SetValue(HKEY_CURRENT_USER, kUserShellFolders, L"Desktop", Desktop(), REG_EXPAND_SZ);
        SetValue(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", kInstallFolder);
    }
    void TearDown() override {
        RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Desktop", REG_SZ, shellDesktop_.c_str(),
                        static_cast<DWORD>((shellDesktop_.size() + 1) * sizeof(wchar_t)));
        RegSetKeyValueW(HKEY_CURRENT_USER, kUserShellFolders, L"Desktop", REG_EXPAND_SZ,
                        userDesktop_.c_str(),
                        static_cast<DWORD>((userDesktop_.size() + 1) * sizeof(wchar_t)));
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install");
    }

    // Starts the program (answering any message box first) and returns its dialog.
    HWND Open() {
        app_ = std::make_unique<RunningApp>();
        EXPECT_TRUE(app_->started());
        HWND dialog = app_->OpenMainDialog(&opening_);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }
    // Presses the create button; returns the messages it shows. The last is
    // its outcome: success and failure texts alike begin "生成".
    std::vector<std::string> Create(HWND dialog) {
        ClickButton(dialog, IDC_CREATE_SHORTCUT);
        return app_->DismissMessageBoxesUntil("生成");
    }
    static std::string LinkPath(const std::string& folder, const char* prefix,
                                const std::string& number) {
        return folder + "\\" + prefix + number + ".lnk";
    }
    // Lists a shortcut for the lnkinfo check, which works out its target,
    // arguments and description from these inputs with its own MD5, Base64
    // and code page tables.
    static void ExpectLink(const std::string& path, const std::string& folder,
                           const std::string& number, const std::string& password, int mode) {
        EXPECT_TRUE(test::FileExists(path)) << path;
        test::RecordExpectedFields(Expectations(), {"login", path, folder, number, password,
                                                    std::to_string(mode), kAuthorWebAddress});
    }

    std::wstring shellDesktop_;
    std::wstring userDesktop_;
    std::unique_ptr<RunningApp> app_;   // started by Open, once the registry is ready
    std::vector<std::string> opening_;  // message boxes shown before the dialog
};

TEST_F(LauncherEndToEnd, OpensWithTheDesignedTextsAndTheInstallFolderInNormalMode) {
    const std::string folder = "C:\\Zoë 𠮷\\QQ";
    SetValue(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", folder);
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(opening_.empty());
    EXPECT_EQ(ControlText(dialog, IDC_INSTALL_FOLDER), folder);
    EXPECT_EQ(ControlText(dialog, IDC_CREATE_SHORTCUT), "创建快捷方式到桌面");
    EXPECT_EQ(ControlText(dialog, IDCANCEL), "退出");
    EXPECT_EQ(ControlText(dialog, IDC_MODE_INVISIBLE), "隐身登陆");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_INSTALL_FOLDER)));
    EXPECT_TRUE(IsChecked(dialog, IDC_MODE_NORMAL));
    EXPECT_FALSE(IsChecked(dialog, IDC_MODE_INVISIBLE));
    wchar_t caption[128] = {};
    GetWindowTextW(dialog, caption, 128);
    EXPECT_EQ(win32::WideToUtf8(caption), "Tessaly V1.0 作者:林晓 http://www.example.org/");
    Sleep(500);  // let the first paint finish before the picture is taken
    EXPECT_TRUE(SaveWindowBitmap(dialog, RunFolder() + "\\dialog.bmp"));
    ClickButton(dialog, IDCANCEL);  // "退出"
    EXPECT_TRUE(app_->WaitForExit());
}

TEST_F(LauncherEndToEnd, WarnsWhenTheInstallFolderIsUnknown) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install");
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(opening_,
              std::vector<std::string>{"QQ默认安装路径获取失败!请选择安装路径或输入安装路径!"});
    EXPECT_EQ(ControlText(dialog, IDC_INSTALL_FOLDER), "");
    EXPECT_TRUE(IsChecked(dialog, IDC_MODE_NORMAL));
}

TEST_F(LauncherEndToEnd, NumberBoxTakesNineDigitsAndKeepsThePassword) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    // Far beyond an edit control's default limit of 30,000: kept whole.
    std::string password;
    for (int i = 0; i < 10000; ++i) {
        password += "p@ss-" + std::to_string(10000 + i);  // ten characters each
    }
    PasteText(dialog, IDC_PASSWORD, password);
    TypeText(dialog, IDC_QQ_NUMBER, "123456789");
    TypeText(dialog, IDC_QQ_NUMBER, "0x");  // a tenth digit; a letter the box refuses itself
    EXPECT_EQ(ControlText(dialog, IDC_QQ_NUMBER), "123456789");

    ClearText(dialog, IDC_QQ_NUMBER);
    PasteText(dialog, IDC_QQ_NUMBER, "1234567890");  // ten digits into the empty box
    EXPECT_EQ(ControlText(dialog, IDC_QQ_NUMBER), "");
    PasteText(dialog, IDC_QQ_NUMBER, "42");
    for (const char* refused : {"1a", "..\\x", "１", "٤"}) {  // full-width and Arabic digits
        PasteText(dialog, IDC_QQ_NUMBER, refused);
        EXPECT_EQ(ControlText(dialog, IDC_QQ_NUMBER), "42") << refused;
    }
    // The shortcut's hash shows the password the dialog held after all that.
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    ExpectLink(LinkPath(Desktop(), "正常登陆QQ ", "42"), kInstallFolder, "42", password, 1);
}

TEST_F(LauncherEndToEnd, CreatesShortcutsInBothModesWhenTheCodePageHoldsThePassword) {
    const PasswordPair passwords = PasswordsFor(GetACP());
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    TypeText(dialog, IDC_QQ_NUMBER, "123456789");
    PasteText(dialog, IDC_PASSWORD, passwords.held);
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    ClickButton(dialog, IDC_MODE_INVISIBLE);
    EXPECT_TRUE(Eventually(IsChecked, dialog, IDC_MODE_INVISIBLE));
    EXPECT_FALSE(IsChecked(dialog, IDC_MODE_NORMAL));
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    ExpectLink(LinkPath(Desktop(), "正常登陆QQ ", "123456789"), kInstallFolder, "123456789",
               passwords.held, 1);
    ExpectLink(LinkPath(Desktop(), "隐身登陆QQ ", "123456789"), kInstallFolder, "123456789",
               passwords.held, 0);

    // A password the code page cannot spell is refused, never hashed as "?".
    ClearText(dialog, IDC_QQ_NUMBER);
    TypeText(dialog, IDC_QQ_NUMBER, "20002");
    ClearText(dialog, IDC_PASSWORD);
    PasteText(dialog, IDC_PASSWORD, passwords.refused);
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kPasswordRefused});
    EXPECT_FALSE(test::FileExists(LinkPath(Desktop(), "隐身登陆QQ ", "20002")));

    ClickButton(dialog, IDC_MODE_NORMAL);
    EXPECT_TRUE(Eventually(IsChecked, dialog, IDC_MODE_NORMAL));
    ClearText(dialog, IDC_PASSWORD);
    ClearText(dialog, IDC_QQ_NUMBER);
    TypeText(dialog, IDC_QQ_NUMBER, "10001");
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    EXPECT_FALSE(IsChecked(dialog, IDC_MODE_INVISIBLE));
    ExpectLink(LinkPath(Desktop(), "正常登陆QQ ", "10001"), kInstallFolder, "10001", "", 1);
}

TEST_F(LauncherEndToEnd, DesktopProblemsAreReportedTruthfully) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    TypeText(dialog, IDC_QQ_NUMBER, "30003");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Desktop");
    const std::string onC = LinkPath("C:", "正常登陆QQ ", "30003");
    DeleteFileW(Utf8ToWide(onC).c_str());
    EXPECT_EQ(Create(dialog), (std::vector<std::string>{
                                  "桌面路径获取失败!快捷方式将生成在C盘根目录下!", kSuccess}));
    ExpectLink(onC, kInstallFolder, "30003", "", 1);

    SetValue(HKEY_CURRENT_USER, kShellFolders, L"Desktop", RunFolder() + "\\no-such-desktop");
    const auto shown = Create(dialog);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("生成快捷方式失败!", 0), 0u) << shown[0];
    EXPECT_EQ(shown[0].find("成功"), std::string::npos);
}

TEST_F(LauncherEndToEnd, BrowsingForTheFolderKeepsWhatWasTyped) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install");
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    TypeText(dialog, IDC_QQ_NUMBER, "50005");
    TypeText(dialog, IDC_PASSWORD, "kept");
    for (WPARAM answer : {IDCANCEL, IDOK}) {
        ClickButton(dialog, IDC_BROWSE);
        HWND picker = app_->WaitForOtherDialog(dialog);
        ASSERT_NE(picker, nullptr);
        Sleep(500);  // let the picker fill its tree and select a folder
        PostMessageW(picker, WM_COMMAND, answer, 0);
        for (int attempt = 0; attempt < 100 && IsWindow(picker); ++attempt) {
            Sleep(100);
        }
        if (answer == IDCANCEL) {
            EXPECT_EQ(ControlText(dialog, IDC_INSTALL_FOLDER), "");
        }
    }
    // The picker preselects the desktop, a folder no code page can name.
    EXPECT_EQ(ControlText(dialog, IDC_INSTALL_FOLDER), Desktop());
    EXPECT_EQ(ControlText(dialog, IDC_QQ_NUMBER), "50005");
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    EXPECT_TRUE(test::FileExists(LinkPath(Desktop(), "正常登陆QQ ", "50005")));
}

TEST_F(LauncherEndToEnd, WebButtonsOpenTheAuthorsPages) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    for (const auto& [button, address] :
         {std::pair<int, std::string>{IDC_HOME_PAGE, kAuthorWebAddress},
          {IDC_MORE_PROGRAMS, kProgramsPage},
          {IDC_FEEDBACK, kFeedbackPage}}) {
        DeleteFileA(kOpenedUrls);
        ClickButton(dialog, button);
        // The stand-in browser appends a whole line; wait for its end.
        std::string opened;
        for (int attempt = 0; attempt < 100 && opened.find('\n') == std::string::npos; ++attempt) {
            Sleep(100);
            std::ifstream file(kOpenedUrls, std::ios::binary);
            opened.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        }
        EXPECT_EQ(opened, address + "\r\n") << "button " << button;
    }
}

TEST_F(LauncherEndToEnd, AboutBoxOpensFromTheSystemMenuAndCloses) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = app_->WaitForDialog("关于 Tessaly");
    ASSERT_NE(about, nullptr);
    Sleep(300);
    SaveWindowBitmap(about, RunFolder() + "\\about.bmp");
    Dismiss(about);
    for (int attempt = 0; attempt < 50 && IsWindow(about); ++attempt) {
        Sleep(100);
    }
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindowVisible(dialog));
}

}  // namespace
}  // namespace tessaly::e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH-OF-Tessaly.exe [gtest options]\n", argv[0]);
        return 2;
    }
    // ctest passes the Linux path; Wine's drive Z: is the Linux root.
    std::string path = argv[1];
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;
        std::replace(path.begin(), path.end(), '/', '\\');
    }
    tessaly::e2e::SetProgramPath(path);
    return RUN_ALL_TESTS();
}
