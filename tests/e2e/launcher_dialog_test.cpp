// Tessaly's application and dialogs in this process under Wine, with the real
// registry, shell link, folder picker, browser and message boxes, played by a
// user on a second thread. The shortcuts written are listed for the lnkinfo
// check that runs afterwards on Linux.
//
// The same scenarios run once per system locale (the harness sets it): what
// a user sees must not depend on it, except which passwords the code page can
// hold. Each scenario has a desktop folder of its own, new for every run and
// named with characters no ANSI code page has.
#include "core/author_info.h"
#include "platform/win32/utf_conversion.h"
#include "resources/resource.h"
#include "tests/e2e/dialog_user.h"
#include "tests/support/wine_test_support.h"
#include "ui/framework/data_exchange.h"
#include "ui/launcher_app.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <map>

namespace tessaly::e2e {
namespace {

using win32::Utf8ToWide;

constexpr wchar_t kInstallKey[] = L"SOFTWARE\\TENCENT\\QQ";
constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr char kInstallFolder[] = "C:\\Program Files\\Tencent\\QQ";
const std::string kSuccess =
    std::string("生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问") + kAuthorWebAddress;

// Everything this locale's run writes.
std::string RunFolder() {
    return "C:\\tessaly-test\\e2e-" + std::to_string(GetACP());
}
std::string Desktop() {
    return RunFolder() + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
           " Zoë 𠮷";
}
// Where a shortcut for `number` in `mode` (1 normal, 0 invisible) must be.
std::string LinkPath(const std::string& folder, const std::string& number, int mode = 1) {
    return folder + "\\" + (mode == 1 ? "正常登陆QQ " : "隐身登陆QQ ") + number + ".lnk";
}

void SetValue(HKEY root, const wchar_t* subkey, const wchar_t* name, const std::string& value,
              DWORD type = REG_SZ) {
    const std::wstring wide = Utf8ToWide(value);
    RegSetKeyValueW(root, subkey, name, type, wide.c_str(),
                    static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

class LauncherDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RemoveTree(RunFolder()); }
    // The prefix's desktop is the scenario's own from here on. Wine, like
    // Windows, rewrites "Shell Folders" from "User Shell Folders" whenever the
    // shell looks a folder up: both name it.
    void SetUp() override {
        ASSERT_TRUE(test::MakeFolder(Desktop()));
        SetValue(HKEY_CURRENT_USER, kShellFolders, L"Desktop", Desktop());
        SetValue(HKEY_CURRENT_USER, kUserShellFolders, L"Desktop", Desktop(), REG_EXPAND_SZ);
        SetValue(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", kInstallFolder);
    }
    void TearDown() override { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install"); }

    // Runs Tessaly's application object as Tessaly.exe does, with `play` as its user.
    static void Run(const std::function<void(DialogUser&)>& play) {
        DialogUser::Play([] { LauncherApp().Run(); }, play);
    }
    // Presses the create button; returns the texts of the boxes it shows, each
    // checked to be owned by the dialog. The last is the outcome: success and
    // failure alike begin "生成".
    static std::vector<std::string> Create(DialogUser& user) {
        user.Click(IDC_CREATE_SHORTCUT);
        std::vector<std::string> texts;
        for (const MessageBoxSeen& box : user.AnswerBoxesUntil("生成")) {
            EXPECT_EQ(box.owner, user.dialog()) << box.text;
            texts.push_back(box.text);
        }
        return texts;
    }
    // Lists a shortcut for the lnkinfo check, which works out its target,
    // arguments and description from these inputs with its own MD5, Base64
    // and code page tables.
    static void ExpectLink(const std::string& number, const std::string& password, int mode = 1,
                           const std::string& desktop = Desktop()) {
        test::RecordExpectedFields(RunFolder() + "\\expected.txt",
                                   {"login", LinkPath(desktop, number, mode), kInstallFolder,
                                    number, password, std::to_string(mode), kAuthorWebAddress});
    }
};

TEST_F(LauncherDialogTest, OpensWithItsDesignedLook) {
    const std::string folder = "C:\\Zoë 𠮷\\QQ";
    SetValue(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", folder);
    Run([&](DialogUser& user) {
        HWND dialog = user.dialog();
        EXPECT_TRUE(user.shownFirst().empty());
        EXPECT_EQ(ui::WindowText(dialog), "Tessaly V1.0 作者:林晓 http://www.example.org/");
        const LONG tab = WS_TABSTOP, group = WS_GROUP;
        // The controls in template order: text, and style bits that must be set.
        const std::vector<std::pair<std::string, LONG>> designed = {
            {"退出", tab},
            {"请选择QQ安装文件夹:", 0},
            {folder, WS_DISABLED},  // shown exactly, though no code page can hold it
            {"选择", tab},
            {"", ES_NUMBER | tab},
            {"QQ号码:", 0},
            {"", ES_PASSWORD | tab},
            {"QQ密码:", 0},
            {"创建快捷方式到桌面", tab},
            {"说明", 0},
            {"    使用本软件可以在桌面建立一个快捷方式,以后登录QQ只要双击快捷方式即可,"
             "避免每次都要输入密码的麻烦,同时避免被盗号的风险.",
             0},
            {"    本软件采用QQ官方高强度加密算法加密,请放心使用.", 0},
            {"    声明:本程序绝不含任何后门程序,全部源码在官方网站:http://www.example.org/"
             "提供下载学习交流,欢迎提出修改意见.加密过程是采用QQ官方高强度多次MD5加密,"
             "暂时也没有算法能够破解,希望大家在使用本软件的时候不要忘记原密码."
             "对任何因为使用本软件产生的纠纷,作者一概不负责.",
             0},
            {"作者主页", tab},
            {"更多开源程序", tab},
            {"问题反馈", tab},
            {"联系作者:tessaly@example.org     http://www.example.org/", 0},
            {"登陆模式", 0},
            {"正常登陆", group},
            {"隐身登陆", group},
        };
        std::vector<HWND> children;  // in template order
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            children.push_back(child);
        }
        ASSERT_EQ(children.size(), designed.size());
        for (std::size_t n = 0; n < designed.size(); ++n) {
            const LONG style = GetWindowLongW(children[n], GWL_STYLE);
            const auto& [text, bits] = designed[n];
            EXPECT_EQ(ui::WindowText(children[n]), text) << "control #" << n;
            EXPECT_EQ(style & bits, bits) << "control #" << n;
            // No default button: Enter must not create a shortcut by surprise.
            EXPECT_NE(style & 0xF, BS_DEFPUSHBUTTON) << "control #" << n;
            // Only the designed tab stops (the system gives a checked radio
            // button one of its own).
            if (!(bits & (WS_TABSTOP | WS_GROUP))) {
                EXPECT_FALSE(style & WS_TABSTOP) << "control #" << n;
            }
        }
        EXPECT_TRUE(user.Checked(IDC_MODE_NORMAL));
        EXPECT_FALSE(user.Checked(IDC_MODE_INVISIBLE));
        EXPECT_EQ(SendMessageW(dialog, WM_QUERYDRAGICON, 0, 0),
                  reinterpret_cast<LRESULT>(
                      LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_LAUNCHER))));

        // The system menu's last item opens the about box it is named after;
        // the menu's other commands keep the system's handling.
        wchar_t item[64] = {};
        GetMenuStringW(GetSystemMenu(dialog, FALSE), IDM_ABOUT, item, 64, MF_BYCOMMAND);
        PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0);
        HWND about = user.WaitForOtherWindow();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(win32::WideToUtf8(item), ui::WindowText(about) + "(&A)...");
        EXPECT_EQ(ui::WindowText(about), "关于 Tessaly");
        PostMessageW(about, WM_COMMAND, IDOK, 0);
        user.WaitUntilGone(about);
        SendMessageW(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(IsIconic(dialog));
        SendMessageW(dialog, WM_SYSCOMMAND, SC_RESTORE, 0);
        user.Click(IDCANCEL);  // "退出"
        user.WaitUntilGone(dialog);
        EXPECT_FALSE(IsWindow(dialog));
    });
}

TEST_F(LauncherDialogTest, NumberBoxKeepsNineDigitsAndThePasswordIsTakenWhole) {
    Run([](DialogUser& user) {
        // Far beyond an edit control's default limit of 30,000 characters.
        std::string password;
        for (int i = 0; i < 10000; ++i) {
            password += "p@ss-" + std::to_string(10000 + i);
        }
        user.Paste(IDC_PASSWORD, password);
        user.Type(IDC_QQ_NUMBER, "1234567890");  // a tenth digit
        EXPECT_EQ(user.Text(IDC_QQ_NUMBER), "123456789");
        // The caret stays at the end, so typing goes on where it was.
        EXPECT_EQ(SendMessageW(GetDlgItem(user.dialog(), IDC_QQ_NUMBER), EM_GETSEL, 0, 0),
                  MAKELONG(9, 9));
        EXPECT_EQ(Create(user), std::vector<std::string>{kSuccess});
        ExpectLink("123456789", password);
    });
}

TEST_F(LauncherDialogTest, CreatesShortcutsInBothModesWhenTheCodePageHoldsThePassword) {
    // A password the locale's code page holds, and one it cannot.
    const std::map<UINT, std::pair<std::string, std::string>> passwords = {
        {936, {"密码 p@ss", "密码한국😀"}},
        {950, {"密碼 p@ss", "密码 p@ss"}},
        {932, {"パスワード", "密码 p@ss"}},
        {1252, {"pässwörd", "密码 p@ss"}},
    };
    const auto& [held, refused] = passwords.at(GetACP());
    DeleteFileW(Utf8ToWide(LinkPath("C:", "200023")).c_str());
    Run([&](DialogUser& user) {
        user.Type(IDC_QQ_NUMBER, "123456789");
        user.Paste(IDC_PASSWORD, held);
        EXPECT_EQ(Create(user), std::vector<std::string>{kSuccess});
        user.Click(IDC_MODE_INVISIBLE);
        EXPECT_EQ(Create(user), std::vector<std::string>{kSuccess});
        EXPECT_TRUE(user.Checked(IDC_MODE_INVISIBLE));
        EXPECT_FALSE(user.Checked(IDC_MODE_NORMAL));
        ExpectLink("123456789", held, 1);
        ExpectLink("123456789", held, 0);

        // A password the code page cannot spell is refused, never hashed as "?".
        user.Paste(IDC_QQ_NUMBER, "20002");
        user.Paste(IDC_PASSWORD, refused);
        EXPECT_EQ(Create(user), std::vector<std::string>{
                                    "生成快捷方式失败!密码中有本系统的语言编码无法表示的字符,"
                                    "QQ无法用它登陆,请修改密码后再试!"});
        EXPECT_FALSE(test::FileExists(LinkPath(Desktop(), "20002", 0)));

        user.Click(IDC_MODE_NORMAL);
        user.Paste(IDC_PASSWORD, "");
        EXPECT_EQ(Create(user), std::vector<std::string>{kSuccess});
        EXPECT_FALSE(user.Checked(IDC_MODE_INVISIBLE));
        ExpectLink("20002", "");

        // With no desktop folder known, the root of drive C: takes the shortcut.
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Desktop");
        user.Type(IDC_QQ_NUMBER, "3");
        EXPECT_EQ(Create(user), (std::vector<std::string>{
                                    "桌面路径获取失败!快捷方式将生成在C盘根目录下!", kSuccess}));
        ExpectLink("200023", "", 1, "C:");
    });
}

TEST_F(LauncherDialogTest, WithoutAnInstallFolderItWarnsOnceAndBrowsingKeepsWhatWasTyped) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install");
    const std::string folder = Desktop() + "\\QQ 𠮷";  // no code page can name it
    ASSERT_TRUE(test::MakeFolder(folder));
    Run([&](DialogUser& user) {
        ASSERT_EQ(user.shownFirst().size(), 1u);
        EXPECT_EQ(user.shownFirst()[0].text,
                  "QQ默认安装路径获取失败!请选择安装路径或输入安装路径!");
        EXPECT_EQ(user.shownFirst()[0].owner, user.dialog());
        user.Type(IDC_QQ_NUMBER, "50005");
        user.Type(IDC_PASSWORD, "kept");
        for (const WPARAM answer : {IDCANCEL, IDOK}) {
            user.Click(IDC_BROWSE);
            HWND picker = user.WaitForOtherWindow();
            ASSERT_NE(picker, nullptr);
            const std::wstring wide = Utf8ToWide(folder);
            SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
            PostMessageW(picker, WM_COMMAND, answer, 0);
            user.WaitUntilGone(picker);
            EXPECT_EQ(user.Text(IDC_INSTALL_FOLDER), answer == IDOK ? folder : "");
        }
        EXPECT_EQ(user.Text(IDC_QQ_NUMBER), "50005");
        EXPECT_EQ(user.Text(IDC_PASSWORD), "kept");
        EXPECT_EQ(Create(user), std::vector<std::string>{kSuccess});
        EXPECT_TRUE(test::FileExists(LinkPath(Desktop(), "50005")));
    });
}

TEST_F(LauncherDialogTest, WebButtonsOpenTheAuthorsPages) {
    const char* recorded = "C:\\tessaly-test\\opened-urls.txt";  // by the stand-in browser
    Run([&](DialogUser& user) {
        for (const auto& [button, address] :
             {std::pair<int, std::string>{IDC_HOME_PAGE, kAuthorWebAddress},
              {IDC_MORE_PROGRAMS, kProgramsPage},
              {IDC_FEEDBACK, kFeedbackPage}}) {
            DeleteFileA(recorded);
            user.Click(button);
            // The browser runs as its own process; wait for its whole line.
            std::string opened;
            for (int attempt = 0; attempt < 100 && opened.find('\n') == std::string::npos;
                 ++attempt) {
                Sleep(100);
                std::ifstream file(recorded, std::ios::binary);
                opened.assign(std::istreambuf_iterator<char>(file), {});
            }
            EXPECT_EQ(opened, address + "\r\n") << "button " << button;
        }
    });
}

}  // namespace
}  // namespace tessaly::e2e
