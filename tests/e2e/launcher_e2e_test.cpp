// Tessaly.exe end to end under Wine: the program is started per scenario with
// the registry prepared for it, and driven from this process with the window
// messages a user's typing and clicking produce. The shortcuts it writes are
// listed for the lnkinfo check that runs afterwards on Linux.
#include "core/author_info.h"
#include "resources/resource.h"
#include "tests/e2e/app_driver.h"
#include "tests/support/gbk_text.h"
#include "tests/windows/wine_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

namespace tessaly::e2e {
namespace {

constexpr char kInstallKey[] = "SOFTWARE\\TENCENT\\QQ";
constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kInstallFolder[] = "C:\\Program Files\\Tencent\\QQ";
constexpr char kArtifacts[] = "C:\\tessaly-test\\e2e";
constexpr char kExpectations[] = "C:\\tessaly-test\\e2e\\expected.txt";
constexpr char kOpenedUrls[] = "C:\\tessaly-test\\opened-urls.txt";
const std::string kSuccess =
    std::string("生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问") + kAuthorWebAddress;

std::vector<std::string> Utf8(const std::vector<std::string>& texts) {
    std::vector<std::string> converted;
    for (const std::string& text : texts) {
        converted.push_back(test::GbkToUtf8(text));
    }
    return converted;
}

// UTF-8 to the ANSI (code page 936) bytes the program works in.
std::string Ansi(const std::string& utf8) {
    wchar_t wide[512];
    char ansi[1024];
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide, 512);
    WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

void SetValue(HKEY root, const char* subkey, const char* name, const std::string& value) {
    RegSetKeyValueA(root, subkey, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

class LauncherEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CreateDirectoryA("C:\\tessaly-test", nullptr);
        CreateDirectoryA(kArtifacts, nullptr);
        DeleteFileA(kExpectations);
    }
    void SetUp() override {
        char desktop[MAX_PATH] = {};
        DWORD size = sizeof desktop;
        RegGetValueA(HKEY_CURRENT_USER, kShellFolders, "Desktop", RRF_RT_REG_SZ, nullptr, desktop,
                     &size);
        desktop_ = desktop;
        ASSERT_FALSE(desktop_.empty());
        SetValue(HKEY_LOCAL_MACHINE, kInstallKey, "Install", kInstallFolder);
    }
    void TearDown() override {
        SetValue(HKEY_CURRENT_USER, kShellFolders, "Desktop", desktop_);
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kInstallKey, "Install");
    }

    // Starts the program (answering any message box first) and returns its dialog.
    HWND Open() {
        app_ = std::make_unique<RunningApp>();
        EXPECT_TRUE(app_->started());
        std::vector<std::string> shown;
        HWND dialog = app_->OpenMainDialog(&shown);
        opening_ = Utf8(shown);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }
    // Presses the create button; returns the messages it shows, in UTF-8. The
    // last is its outcome: success and failure texts alike begin "生成".
    std::vector<std::string> Create(HWND dialog) {
        ClickButton(dialog, IDC_CREATE_SHORTCUT);
        return Utf8(app_->DismissMessageBoxesUntil(Ansi("生成")));
    }
    std::string LinkPath(const std::string& folder, const char* prefixUtf8,
                         const std::string& number) const {
        return folder + "\\" + Ansi(prefixUtf8) + number + ".lnk";
    }
    // Lists a shortcut for the lnkinfo check, which works out its target,
    // arguments and description from these inputs with its own MD5 and Base64.
    static void ExpectLink(const std::string& path, const std::string& folder,
                           const std::string& number, const std::string& password, int mode) {
        EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
        test::RecordExpectedFields(kExpectations, {"login", path, folder, number, password,
                                                   std::to_string(mode), kAuthorWebAddress});
    }

    std::string desktop_;
    std::unique_ptr<RunningApp> app_;   // started by Open, once the registry is ready
    std::vector<std::string> opening_;  // message boxes shown before the dialog
};

TEST_F(LauncherEndToEnd, OpensWithTheInstallFolderInNormalModeAndExits) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(opening_.empty());
    EXPECT_EQ(ControlText(dialog, IDC_INSTALL_FOLDER), kInstallFolder);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_INSTALL_FOLDER)));
    EXPECT_TRUE(IsChecked(dialog, IDC_MODE_NORMAL));
    EXPECT_FALSE(IsChecked(dialog, IDC_MODE_INVISIBLE));
    Sleep(500);  // let the first paint finish before the picture is taken
    EXPECT_TRUE(SaveWindowBitmap(dialog, std::string(kArtifacts) + "\\dialog.bmp"));
    ClickButton(dialog, IDCANCEL);  // "退出"
    EXPECT_TRUE(app_->WaitForExit());
}

TEST_F(LauncherEndToEnd, WarnsWhenTheInstallFolderIsUnknown) {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kInstallKey, "Install");
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
    TypeText(dialog, IDC_PASSWORD, "secret");
    TypeText(dialog, IDC_QQ_NUMBER, "123456789");
    TypeText(dialog, IDC_QQ_NUMBER, "0x");  // a tenth digit; a letter the box refuses itself
    EXPECT_EQ(ControlText(dialog, IDC_QQ_NUMBER), "123456789");

    ClearText(dialog, IDC_QQ_NUMBER);
    PasteText(dialog, IDC_QQ_NUMBER, "1234567890");  // ten digits into the empty box
    EXPECT_EQ(ControlText(dialog, IDC_QQ_NUMBER), "");
    PasteText(dialog, IDC_QQ_NUMBER, "42");
    for (const char* refused : {"1a", "..\\x", "\xA3\xB1"}) {  // the last: a full-width 1
        PasteText(dialog, IDC_QQ_NUMBER, refused);
        EXPECT_EQ(ControlText(dialog, IDC_QQ_NUMBER), "42") << refused;
    }
    // The shortcut's hash shows the password the dialog held after all that.
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    ExpectLink(LinkPath(desktop_, "正常登陆QQ ", "42"), kInstallFolder, "42", "secret", 1);
}

TEST_F(LauncherEndToEnd, CreatesShortcutsInBothModesWithAnyPassword) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    TypeText(dialog, IDC_QQ_NUMBER, "123456789");
    PasteText(dialog, IDC_PASSWORD, Ansi("密码 p@ss"));
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    ClickButton(dialog, IDC_MODE_INVISIBLE);
    EXPECT_TRUE(Eventually(IsChecked, dialog, IDC_MODE_INVISIBLE));
    EXPECT_FALSE(IsChecked(dialog, IDC_MODE_NORMAL));
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    ExpectLink(LinkPath(desktop_, "正常登陆QQ ", "123456789"), kInstallFolder, "123456789",
               Ansi("密码 p@ss"), 1);
    ExpectLink(LinkPath(desktop_, "隐身登陆QQ ", "123456789"), kInstallFolder, "123456789",
               Ansi("密码 p@ss"), 0);

    ClickButton(dialog, IDC_MODE_NORMAL);
    EXPECT_TRUE(Eventually(IsChecked, dialog, IDC_MODE_NORMAL));
    ClearText(dialog, IDC_PASSWORD);
    ClearText(dialog, IDC_QQ_NUMBER);
    TypeText(dialog, IDC_QQ_NUMBER, "10001");
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    EXPECT_FALSE(IsChecked(dialog, IDC_MODE_INVISIBLE));
    ExpectLink(LinkPath(desktop_, "正常登陆QQ ", "10001"), kInstallFolder, "10001", "", 1);
}

TEST_F(LauncherEndToEnd, DesktopProblemsAreReportedTruthfully) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    TypeText(dialog, IDC_QQ_NUMBER, "30003");
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    EXPECT_EQ(Create(dialog), (std::vector<std::string>{
                                  "桌面路径获取失败!快捷方式将生成在C盘根目录下!", kSuccess}));
    ExpectLink(LinkPath("C:", "正常登陆QQ ", "30003"), kInstallFolder, "30003", "", 1);

    SetValue(HKEY_CURRENT_USER, kShellFolders, "Desktop", "C:\\no-such-desktop");
    const auto shown = Create(dialog);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("生成快捷方式失败!", 0), 0u) << shown[0];
    EXPECT_EQ(shown[0].find("成功"), std::string::npos);
}

TEST_F(LauncherEndToEnd, BrowsingForTheFolderKeepsWhatWasTyped) {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kInstallKey, "Install");
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    TypeText(dialog, IDC_QQ_NUMBER, "50005");
    TypeText(dialog, IDC_PASSWORD, "kept");
    for (WPARAM answer : {IDCANCEL, IDOK}) {
        ClickButton(dialog, IDC_BROWSE);
        HWND picker = app_->WaitForOtherDialog(dialog);
        ASSERT_NE(picker, nullptr);
        Sleep(500);  // let the picker fill its tree and select a folder
        PostMessageA(picker, WM_COMMAND, answer, 0);
        for (int attempt = 0; attempt < 100 && IsWindow(picker); ++attempt) {
            Sleep(100);
        }
        if (answer == IDCANCEL) {
            EXPECT_EQ(ControlText(dialog, IDC_INSTALL_FOLDER), "");
        }
    }
    const std::string folder = ControlText(dialog, IDC_INSTALL_FOLDER);  // the preselected one
    EXPECT_EQ(folder.rfind("C:\\", 0), 0u) << folder;
    EXPECT_EQ(ControlText(dialog, IDC_QQ_NUMBER), "50005");
    EXPECT_EQ(Create(dialog), std::vector<std::string>{kSuccess});
    ExpectLink(LinkPath(desktop_, "正常登陆QQ ", "50005"), folder, "50005", "kept", 1);
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
        std::string opened;
        for (int attempt = 0; attempt < 100 && opened.empty(); ++attempt) {
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
    PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = app_->WaitForDialog(Ansi("关于 Tessaly"));
    ASSERT_NE(about, nullptr);
    Sleep(300);
    SaveWindowBitmap(about, std::string(kArtifacts) + "\\about.bmp");
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
