// Tessaly's application and dialogs in this process under Wine, with the real
// registry, shell link, folder picker, browser and message boxes, played by a
// user on a second thread. The shortcuts written are listed for the lnkinfo
// check that runs afterwards on Linux.
//
// The same scenarios run once per system locale (the harness sets it): what
// a user sees must not depend on it, except which passwords the code page can
// hold. Each scenario has a desktop folder of its own, new for every run and
// named with characters no ANSI code page has.
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"
#include "resources/resource.h"
#include "tests/e2e/dialog_user.h"
#include "tests/support/wine_test_support.h"
#include "ui/framework/data_exchange.h"
#include "ui/launcher_app.h"

#include <gtest/gtest.h>
#include <oleacc.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdlib>
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
    "生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问http://www.example.org/";

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
        return Outcome(user);
    }
    // The boxes the create action shows, as Create returns them.
    static std::vector<std::string> Outcome(DialogUser& user) {
        std::vector<std::string> texts;
        for (const MessageBoxSeen& box : user.AnswerBoxesUntil("生成")) {
            EXPECT_EQ(box.owner, user.dialog()) << box.text;
            EXPECT_FALSE(box.ownerEnabled) << box.text;
            texts.push_back(box.text);
        }
        return texts;
    }
    // Lists a shortcut for the lnkinfo check, which works out its target,
    // arguments and description from these inputs with its own MD5, Base64
    // and code page tables.
    static void ExpectLink(const std::string& number, const std::string& password, int mode = 1,
                           const std::string& desktop = Desktop()) {
        test::RecordExpectedFields(
            RunFolder() + "\\expected.txt",
            {"login", LinkPath(desktop, number, mode), kInstallFolder, number, password,
             std::to_string(mode), "http://www.example.org/"});
    }
};

// What a screen reader says for a control: its accessible name.
std::string AccessibleName(HWND control) {
    win32::ComPtr<IAccessible> accessible;
    // The interface ID from the header, through IID_PPV_ARGS: MinGW-w64's
    // 64-bit liboleacc.a links IID_IAccessible as an import thunk, not as data.
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_PPV_ARGS(accessible.put())))) {
        return "(no accessible object)";
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        text = win32::WideToUtf8(name);
    }
    SysFreeString(name);
    return text;
}

// One control of the main dialog as designed: its text, the style bits it
// must have and must not have, and its place in dialog units.
struct DesignedControl {
    std::string text;
    LONG set;
    LONG clear;
    RECT units;  // x, y, width, height
};

std::vector<HWND> ChildrenInTemplateOrder(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

TEST_F(LauncherDialogTest, OpensWithItsDesignedLook) {
    const std::string folder = "C:\\Zoë 𠮷\\QQ";
    SetValue(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", folder);
    Run([&](DialogUser& user) {
        const win32::ScopedComInit com;  // for the accessible objects
        HWND dialog = user.dialog();
        EXPECT_TRUE(user.shownFirst().empty());
        EXPECT_EQ(ui::WindowText(dialog), "Tessaly V1.0 作者:林晓 http://www.example.org/");
        // Reading order: each edit box right after its label, one radio group
        // that only its first button starts, the create button the default.
        const LONG tab = WS_TABSTOP, group = WS_GROUP, off = WS_DISABLED;
        const std::vector<DesignedControl> designed = {
            {"请选择QQ安装文件夹:", 0, tab | off, {15, 22, 77, 8}},
            // Shown exactly, though no code page can hold it; readable and
            // reachable, not typed into.
            {folder, ES_READONLY | ES_AUTOHSCROLL | tab, off, {93, 19, 144, 14}},
            {"选择", tab, off, {251, 18, 24, 14}},
            {"QQ号码:", 0, tab | off, {17, 47, 29, 8}},
            {"", ES_NUMBER | ES_AUTOHSCROLL | tab, ES_READONLY | off, {93, 43, 143, 14}},
            {"QQ密码:", 0, tab | off, {17, 70, 29, 8}},
            {"", ES_PASSWORD | ES_AUTOHSCROLL | tab, ES_READONLY | off, {93, 66, 144, 14}},
            {"登陆模式", 0, tab | off, {15, 89, 145, 40}},
            {"正常登陆", BS_AUTORADIOBUTTON | group | tab, off, {25, 105, 65, 10}},
            {"隐身登陆", BS_AUTORADIOBUTTON, group | tab | off, {99, 105, 48, 10}},
            {"创建快捷方式到桌面", BS_DEFPUSHBUTTON | group | tab, off, {188, 100, 87, 20}},
            {"说明", 0, tab | off, {15, 137, 259, 107}},
            {"    使用本软件可以在桌面建立一个快捷方式,以后登录QQ只要双击快捷方式即可,"
             "避免每次都要输入密码的麻烦,同时避免被盗号的风险.",
             0,
             tab | off,
             {20, 151, 247, 16}},
            {"    本软件采用QQ官方高强度加密算法加密,请放心使用.", 0, tab | off, {19, 168, 246, 8}},
            {"    声明:本程序绝不含任何后门程序,全部源码在官方网站:http://www.example.org/"
             "提供下载学习交流,欢迎提出修改意见.加密过程是采用QQ官方高强度多次MD5加密,"
             "暂时也没有算法能够破解,希望大家在使用本软件的时候不要忘记原密码."
             "对任何因为使用本软件产生的纠纷,作者一概不负责.",
             0,
             tab | off,
             {19, 177, 248, 40}},
            {"联系作者:tessaly@example.org     http://www.example.org/",
             0,
             tab | off,
             {33, 219, 190, 18}},
            {"作者主页", tab, off, {16, 259, 50, 14}},
            {"更多开源程序", tab, off, {82, 260, 54, 14}},
            {"问题反馈", tab, off, {153, 259, 54, 14}},
            {"退出", tab, off, {223, 260, 50, 14}},
        };
        const std::vector<HWND> children = ChildrenInTemplateOrder(dialog);
        ASSERT_EQ(children.size(), designed.size());
        for (std::size_t n = 0; n < designed.size(); ++n) {
            const DesignedControl& control = designed[n];
            const LONG style = GetWindowLongW(children[n], GWL_STYLE);
            EXPECT_EQ(ui::WindowText(children[n]), control.text) << "control #" << n;
            EXPECT_EQ(style & control.set, control.set) << "control #" << n;
            EXPECT_EQ(style & control.clear, 0) << "control #" << n;
            if (control.set & ES_AUTOHSCROLL) {
                // A screen reader names each edit box after the label before it.
                EXPECT_EQ(AccessibleName(children[n]), designed[n - 1].text) << "control #" << n;
            }
            // The dialog manager maps place and size each on its own, as
            // MapDialogRect maps the four numbers.
            RECT expected = control.units;
            MapDialogRect(dialog, &expected);
            RECT actual;
            GetWindowRect(children[n], &actual);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(
                std::vector<LONG>({actual.left, actual.top, actual.right - actual.left,
                                   actual.bottom - actual.top}),
                std::vector<LONG>({expected.left, expected.top, expected.right, expected.bottom}))
                << "control #" << n;
        }
        EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0),
                  MAKELONG(IDC_CREATE_SHORTCUT, DC_HASDEFID));
        // The first field to fill in has the focus.
        EXPECT_EQ(user.FocusId(), IDC_QQ_NUMBER);
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
        EXPECT_EQ(GetWindow(about, GW_OWNER), dialog);
        EXPECT_FALSE(IsWindowEnabled(dialog));
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

TEST_F(LauncherDialogTest, NumbersAndPasswordsOfEveryLengthReachTheShortcut) {
    Run([](DialogUser& user) {
        // Far beyond an edit control's default limit of 30,000 characters.
        std::string longest;
        for (int i = 0; i < 10000; ++i) {
            longest += "p@ss-" + std::to_string(10000 + i);
        }
        for (const auto& [number, password] : {std::pair<std::string, std::string>{"", ""},
                                               {"1", "p"},
                                               {"12", "pw"},
                                               {"123456789", longest}}) {
            user.Paste(IDC_QQ_NUMBER, "");
            user.Type(IDC_QQ_NUMBER, number);  // each digit lands after the last
            user.Paste(IDC_PASSWORD, password);
            EXPECT_EQ(Create(user), std::vector<std::string>{kSuccess});
            ExpectLink(number, password);
        }
        user.Type(IDC_QQ_NUMBER, "0");  // a tenth digit
        EXPECT_EQ(user.Text(IDC_QQ_NUMBER), "123456789");
        // The caret stays at the end, so typing goes on where it was.
        EXPECT_EQ(SendMessageW(GetDlgItem(user.dialog(), IDC_QQ_NUMBER), EM_GETSEL, 0, 0),
                  MAKELONG(9, 9));
    });
}

TEST_F(LauncherDialogTest, APasswordTheCodePageCannotHoldIsRefusedBeforeAnythingElse) {
    // A password the locale's code page holds, and one it cannot.
    const std::map<UINT, std::pair<std::string, std::string>> passwords = {
        {936, {"密码 p@ss", "密码한국😀"}},
        {950, {"密碼 p@ss", "密码 p@ss"}},
        {932, {"パスワード", "密码 p@ss"}},
        {1252, {"pässwörd", "密码 p@ss"}},
    };
    const auto& [held, refused] = passwords.at(GetACP());
    DeleteFileW(Utf8ToWide(LinkPath("C:", "20002")).c_str());
    Run([&](DialogUser& user) {
        user.Type(IDC_QQ_NUMBER, "20002");
        user.Paste(IDC_PASSWORD, held);
        EXPECT_EQ(Create(user), std::vector<std::string>{kSuccess});
        ExpectLink("20002", held);

        // With the desktop unknown too, only the password is spoken of, and
        // nothing is written in the root of drive C: either.
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Desktop");
        user.Paste(IDC_PASSWORD, refused);
        EXPECT_EQ(Create(user), std::vector<std::string>{
                                    "生成快捷方式失败!密码中有本系统的语言编码无法表示的字符,"
                                    "QQ无法用它登陆,请修改密码后再试!"});
        EXPECT_FALSE(test::FileExists(LinkPath("C:", "20002")));

        // With no desktop folder known, the root of drive C: takes the shortcut.
        user.Paste(IDC_PASSWORD, held);
        EXPECT_EQ(Create(user), (std::vector<std::string>{
                                    "桌面路径获取失败!快捷方式将生成在C盘根目录下!", kSuccess}));
        ExpectLink("20002", held, 1, "C:");
    });
}

TEST_F(LauncherDialogTest, AnIllFormedFolderWarnsAndAFolderTheShortcutCannotHoldIsRefused) {
    // The registry's folder holds a lone surrogate: no folder at all, rather
    // than a look-alike.
    const wchar_t illFormed[] = L"C:\\Zo\xD842\\QQ";
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", REG_SZ, illFormed,
                    sizeof illFormed);
    // A folder the locale's code page cannot spell; in Japanese the best fit
    // of "ë" is "e", so a look-alike folder with a program in it is there too.
    const std::string folder = RunFolder() + (GetACP() == 932 ? "\\Zoë\\QQ" : "\\Zoë 𠮷\\QQ");
    ASSERT_TRUE(test::MakeFolder(folder));
    ASSERT_TRUE(test::MakeFolder(RunFolder() + "\\Zoe\\QQ"));
    test::WriteBytes(RunFolder() + "\\Zoe\\QQ\\QQ.exe", "MZ");
    Run([&](DialogUser& user) {
        ASSERT_EQ(user.shownFirst().size(), 1u);
        EXPECT_EQ(user.shownFirst()[0].text,
                  "QQ默认安装路径获取失败!请选择安装路径或输入安装路径!");
        EXPECT_EQ(user.shownFirst()[0].owner, user.dialog());
        EXPECT_FALSE(user.shownFirst()[0].ownerEnabled);
        EXPECT_EQ(user.Text(IDC_INSTALL_FOLDER), "");
        // With no folder, choosing one comes first: Enter opens the picker.
        EXPECT_EQ(user.FocusId(), IDC_BROWSE);
        user.Type(IDC_QQ_NUMBER, "50005");
        // Yesterday's shortcut, made before any folder was chosen.
        EXPECT_EQ(Create(user), std::vector<std::string>{kSuccess});
        const std::string yesterday = test::ReadBytes(LinkPath(Desktop(), "50005"));
        user.Type(IDC_PASSWORD, "kept");  // typed since: browsing keeps it
        for (const WPARAM answer : {IDCANCEL, IDOK}) {
            if (answer == IDCANCEL) {
                SendMessageW(user.dialog(), WM_NEXTDLGCTL,
                             reinterpret_cast<WPARAM>(GetDlgItem(user.dialog(), IDC_BROWSE)), TRUE);
                user.Press(VK_RETURN);
            } else {
                user.Click(IDC_BROWSE);
            }
            HWND picker = user.WaitForOtherWindow();
            ASSERT_NE(picker, nullptr);
            // Modal: owned by the dialog, which waits disabled behind it.
            EXPECT_EQ(GetWindow(picker, GW_OWNER), user.dialog());
            EXPECT_FALSE(IsWindowEnabled(user.dialog()));
            const std::wstring wide = Utf8ToWide(folder);
            SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
            PostMessageW(picker, WM_COMMAND, answer, 0);
            user.WaitUntilGone(picker);
            EXPECT_TRUE(IsWindowEnabled(user.dialog()));
            EXPECT_EQ(user.Text(IDC_INSTALL_FOLDER), answer == IDOK ? folder : "");
        }
        EXPECT_EQ(user.Text(IDC_QQ_NUMBER), "50005");
        EXPECT_EQ(user.Text(IDC_PASSWORD), "kept");
        // The shell saves the target through the code page: what the file
        // would hold is another folder, so nothing is replaced.
        EXPECT_EQ(Create(user),
                  std::vector<std::string>{"生成快捷方式失败!快捷方式保存后读出的QQ程序路径与所选"
                                           "路径不一致,请检查安装路径:\n" +
                                           folder + "\\QQ.exe"});
        EXPECT_EQ(test::FileNames(Desktop()), std::vector<std::string>{"正常登陆QQ 50005.lnk"});
        EXPECT_EQ(test::ReadBytes(LinkPath(Desktop(), "50005")), yesterday);
    });
}

TEST_F(LauncherDialogTest, WebButtonsOpenTheAuthorsPagesOnEnter) {
    const char* recorded = "C:\\tessaly-test\\opened-urls.txt";  // by the stand-in browser
    Run([&](DialogUser& user) {
        for (const auto& [button, address] :
             {std::pair<int, std::string>{IDC_HOME_PAGE, "http://www.example.org/"},
              {IDC_MORE_PROGRAMS, "http://www.example.org/default.asp?cateID=5"},
              {IDC_FEEDBACK, "http://www.example.org/LoadMod.asp?plugins=GuestBookForPJBlog"}}) {
            DeleteFileA(recorded);
            // Enter on a focused button presses that button, not the default one.
            SendMessageW(user.dialog(), WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(GetDlgItem(user.dialog(), button)), TRUE);
            user.Press(VK_RETURN);
            // The browser runs as its own process; wait for its whole line.
            std::string opened;
            DialogUser::WaitFor([&] {
                std::ifstream file(recorded, std::ios::binary);
                opened.assign(std::istreambuf_iterator<char>(file), {});
                return opened.find('\n') != std::string::npos;
            });
            EXPECT_EQ(opened, address + "\r\n") << "button " << button;
        }
        // No shortcut was made on the way, and nothing was said.
        EXPECT_FALSE(test::FileExists(LinkPath(Desktop(), "")));
        for (HWND window = GetWindow(user.dialog(), GW_HWNDFIRST); window;
             window = GetWindow(window, GW_HWNDNEXT)) {
            EXPECT_FALSE(GetWindow(window, GW_OWNER) == user.dialog() && IsWindowVisible(window));
        }
    });
}

// Presses Tab (Shift+Tab when `back`) and returns the id of the control the
// focus moves to.
int TabFrom(DialogUser& user, bool back) {
    const HWND before = user.Focus();
    user.Press(VK_TAB, back);
    DialogUser::WaitFor([&] { return user.Focus() != before; });
    return user.FocusId();
}

TEST_F(LauncherDialogTest, EveryFunctionIsReachableFromTheKeyboard) {
    Run([](DialogUser& user) {
        HWND dialog = user.dialog();
        ASSERT_EQ(user.FocusId(), IDC_QQ_NUMBER);
        // Tab goes round the dialog in reading order, Shift+Tab the other way.
        const std::vector<int> forward = {
            IDC_PASSWORD, IDC_MODE_NORMAL, IDC_CREATE_SHORTCUT, IDC_HOME_PAGE, IDC_MORE_PROGRAMS,
            IDC_FEEDBACK, IDCANCEL,        IDC_INSTALL_FOLDER,  IDC_BROWSE,    IDC_QQ_NUMBER};
        std::vector<int> backward(forward.rbegin() + 1, forward.rend());
        backward.push_back(forward.back());
        for (const auto& [order, back] : {std::pair{forward, false}, {backward, true}}) {
            std::vector<int> visited;
            for (std::size_t n = 0; n < order.size(); ++n) {
                visited.push_back(TabFrom(user, back));
            }
            EXPECT_EQ(visited, order) << (back ? "Shift+Tab" : "Tab");
        }

        // Enter in the password box creates the shortcut; what was typed stays.
        user.Type(IDC_QQ_NUMBER, "70007");
        user.Paste(IDC_PASSWORD, "k3y board");
        ASSERT_EQ(TabFrom(user, false), IDC_PASSWORD);
        user.Press(VK_RETURN);
        EXPECT_EQ(Outcome(user), std::vector<std::string>{kSuccess});
        ExpectLink("70007", "k3y board", 1);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(user.Text(IDC_QQ_NUMBER), "70007");
        EXPECT_EQ(user.Text(IDC_PASSWORD), "k3y board");

        // The arrow keys choose the mode; Enter on a radio button creates.
        ASSERT_EQ(TabFrom(user, false), IDC_MODE_NORMAL);
        user.Press(VK_RIGHT);
        EXPECT_TRUE(DialogUser::WaitFor([&] { return user.Checked(IDC_MODE_INVISIBLE); }));
        EXPECT_FALSE(user.Checked(IDC_MODE_NORMAL));
        EXPECT_EQ(user.FocusId(), IDC_MODE_INVISIBLE);
        user.Press(VK_RETURN);
        EXPECT_EQ(Outcome(user), std::vector<std::string>{kSuccess});
        ExpectLink("70007", "k3y board", 0);
        user.Press(VK_LEFT);
        EXPECT_TRUE(DialogUser::WaitFor([&] { return user.Checked(IDC_MODE_NORMAL); }));
        EXPECT_FALSE(user.Checked(IDC_MODE_INVISIBLE));

        // Escape closes the dialog.
        user.Press(VK_ESCAPE);
        user.WaitUntilGone(dialog);
        EXPECT_FALSE(IsWindow(dialog));
    });
}

// Wine has one monitor: a move to another scale cannot be shown, what the
// manifest asks for and the icons drawn at each DPI can.
TEST_F(LauncherDialogTest, IsPerMonitorDpiAwareWithIconsDrawnForTheDpi) {
    // Windows 10 reads the second line, Windows 7 and 8.1 the first.
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    for (const char* line :
         {"<dpiAware "
          "xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
          "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
          "PerMonitorV2, PerMonitor</dpiAwareness>"}) {
        EXPECT_NE(manifest.find(line), std::string::npos) << line;
    }
    // A process reads the DPI when it starts: the test below runs in a copy
    // of this one for each DPI, ending with the prefix's default, 96.
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command =
        L"\"" + std::wstring(self) +
        L"\" --gtest_also_run_disabled_tests --gtest_filter=LauncherDialogIcons.*";
    for (const DWORD dpi : {144, 192, 96}) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                        sizeof dpi);
        SetEnvironmentVariableW(L"TESSALY_DPI", std::to_wstring(dpi).c_str());
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child = {};
        ASSERT_TRUE(CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &child));
        DWORD exitCode = 1;
        WaitForSingleObject(child.hProcess, 60000);
        GetExitCodeProcess(child.hProcess, &exitCode);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
        EXPECT_EQ(exitCode, 0u) << dpi << " DPI";
    }
}

int IconWidth(HWND window, WPARAM which) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info = {};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// Run by the test above at the DPI it names; not in its suite, whose set-up
// would clear the run's folder.
TEST(LauncherDialogIcons, DISABLED_AreDrawnForTheDpi) {
    const char* named = std::getenv("TESSALY_DPI");
    const int dpi = named != nullptr ? std::atoi(named) : 0;
    DialogUser::Play(
        [] { LauncherApp().Run(); },
        [dpi](DialogUser& user) {
            const HWND dialog = user.dialog();
            EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(dialog)),
                      DPI_AWARENESS_PER_MONITOR_AWARE);
            EXPECT_EQ(static_cast<int>(GetDpiForWindow(dialog)), dpi);
            // At 100 % Windows' icons are 32 and 16 pixels; they scale with the DPI.
            EXPECT_EQ(IconWidth(dialog, ICON_BIG), 32 * dpi / 96);
            EXPECT_EQ(IconWidth(dialog, ICON_SMALL), 16 * dpi / 96);
        });
}

}  // namespace
}  // namespace tessaly::e2e
