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
#include "text/utf_conversion.h"
#include "resources/resource.h"
#include "tests/support/golden_shortcuts.h"
#include "tests/support/product_texts.h"
#include "tests/support/wine_test_support.h"
#include "tools/driver/window_driver.h"
#include "ui/launcher_app.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <thread>

namespace tessaly::e2e {
namespace {

using driver::MessageBoxSeen;
using Texts = std::vector<std::string>;
using text::Utf8ToWide;

// Plays the user against the dialogs running in this process: the user
// interface runs on the test's own thread, the user on a second one.
class DialogUser {
public:
    // Runs `userInterface` here and `play` on another thread once the main
    // dialog shows (boxes shown before it are answered and kept in
    // shownFirst); whatever `play` leaves open is closed afterwards.
    static void Play(const std::function<void()>& userInterface,
                     const std::function<void(DialogUser&)>& play) {
        DialogUser user(GetCurrentThreadId());
        std::thread userThread([&user, &play] {
            user.dialog_ = driver::WaitForMainWindow(user.windows_, &user.shownFirst_);
            if (user.dialog_ != nullptr) {
                play(user);
            }
            // Innermost first, until the interface ends; each look at the
            // windows is taken once, as they may go between two looks.
            driver::WaitFor("the dialogs closing at the end", [&user] {
                const std::vector<HWND> open = user.windows_();
                if (!open.empty()) {
                    PostMessageW(open.front(), WM_COMMAND, IDCANCEL, 0);
                }
                return open.empty();
            });
        });
        userInterface();
        userThread.join();
    }

    HWND dialog() const { return dialog_; }
    const std::vector<MessageBoxSeen>& shownFirst() const { return shownFirst_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    std::string Text(int id) const { return driver::Text(Item(id)); }
    // At the end, a character at a time.
    void Type(int id, const std::string& text) const {
        SendMessageW(Item(id), EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
        driver::Type(Item(id), text);
    }
    // What a paste does: all the text replaced as one edit, within the
    // control's length limit and past its digits-only filter.
    void Paste(int id, const std::string& text) const {
        SendMessageW(Item(id), EM_SETSEL, 0, -1);
        SendMessageW(Item(id), EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
    }
    // Posted: a box it opens must not block the user.
    void Click(int id) const { PostMessageW(Item(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // A key as the keyboard gives it, through the dialog's own message loop;
    // returns at once. Input goes to the foreground window's thread: the
    // dialog's, not the stand-in browser's, which may have just opened one.
    void Press(WORD key) const {
        driver::WaitFor("the dialog in the foreground", [this] {
            SetForegroundWindow(dialog_);
            return GetForegroundWindow() == dialog_;
        });
        INPUT strokes[2] = {};
        for (INPUT& stroke : strokes) {
            stroke.type = INPUT_KEYBOARD;
            stroke.ki.wVk = key;
        }
        strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, strokes, sizeof(INPUT));
    }
    HWND Focus() const {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread_, &info) ? info.hwndFocus : nullptr;
    }
    int FocusId() const { return GetDlgCtrlID(Focus()); }
    std::vector<MessageBoxSeen> AnswerBoxesUntil(const std::string& lastPrefix) const {
        return driver::AnswerBoxesUntil(windows_, lastPrefix);
    }
    // A window of the interface other than the main dialog and message boxes.
    HWND WaitForOtherWindow() const {
        return driver::WaitForWindow(
            "a window other than the dialog", windows_,
            [this](HWND window) { return window != dialog_ && !driver::IsMessageBox(window); });
    }

private:
    // The interface's windows are the process's: the user's thread makes none.
    explicit DialogUser(DWORD thread)
        : thread_(thread), windows_(driver::WindowsOfProcess(GetCurrentProcessId())) {}

    DWORD thread_;
    driver::WindowList windows_;
    HWND dialog_ = nullptr;
    std::vector<MessageBoxSeen> shownFirst_;
};

constexpr wchar_t kInstallKey[] = L"SOFTWARE\\TENCENT\\QQ";
constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr char kInstallFolder[] = "C:\\Program Files\\Tencent\\QQ";

// Everything this locale's run writes.
std::string RunFolder() {
    return "C:\\tessaly-test\\e2e-" + std::to_string(GetACP());
}
std::string Desktop() {
    return RunFolder() + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
           " Zoë 𠮷";
}

void SetValue(HKEY root, const wchar_t* subkey, const wchar_t* name, const std::string& value,
              DWORD type = REG_SZ) {
    const std::wstring wide = Utf8ToWide(value);
    RegSetKeyValueW(root, subkey, name, type, wide.c_str(),
                    static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

// Windows gives the folder picker's caller the chosen item's display name
// ("QQ"), Wine its path. While one of these lives, the picker the dialogs call
// answers as Windows does: the box can show the folder only if the dialog
// takes the path.
using Browse = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);
#ifdef _WIN64
extern Browse importedBrowse __asm__("__imp_SHBrowseForFolderW");
#else
extern Browse importedBrowse __asm__("__imp__SHBrowseForFolderW@4");
#endif
class PickerAsOnWindows {
public:
    PickerAsOnWindows() { Set(AsOnWindows); }
    ~PickerAsOnWindows() { Set(real_); }
    PickerAsOnWindows(const PickerAsOnWindows&) = delete;
    PickerAsOnWindows& operator=(const PickerAsOnWindows&) = delete;

private:
    static void Set(Browse browse) {
        DWORD was = 0;
        VirtualProtect(&importedBrowse, sizeof importedBrowse, PAGE_READWRITE, &was);
        importedBrowse = browse;
        VirtualProtect(&importedBrowse, sizeof importedBrowse, was, &was);
    }
    static PIDLIST_ABSOLUTE WINAPI AsOnWindows(LPBROWSEINFOW browse) {
        const PIDLIST_ABSOLUTE chosen = real_(browse);
        PWSTR name = nullptr;
        if (chosen && SUCCEEDED(SHGetNameFromIDList(chosen, SIGDN_NORMALDISPLAY, &name))) {
            lstrcpynW(browse->pszDisplayName, name, MAX_PATH);
            CoTaskMemFree(name);
        }
        return chosen;
    }
    static inline const Browse real_ = importedBrowse;
};

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
    // Presses the create button (with Enter when `key`); returns the texts of
    // the boxes it shows, each checked to be owned by the dialog, which waits
    // disabled behind it, and to show the exclamation mark. The last is the
    // outcome: success and failure alike begin "生成".
    static Texts Create(DialogUser& user, bool key = false) {
        if (key) {
            user.Press(VK_RETURN);
        } else {
            user.Click(IDC_CREATE_SHORTCUT);
        }
        Texts texts;
        for (const MessageBoxSeen& box : user.AnswerBoxesUntil("生成")) {
            EXPECT_EQ(box.owner, user.dialog()) << box.text;
            EXPECT_FALSE(box.ownerEnabled) << box.text;
            EXPECT_EQ(box.icon, LoadIconW(nullptr, IDI_EXCLAMATION)) << box.text;
            texts.push_back(box.text);
        }
        return texts;
    }
    // Lists a shortcut for the lnkinfo check, with the arguments it must hold.
    static void ExpectLink(const std::string& fileName, const std::string& arguments) {
        test::RecordGolden(
            RunFolder() + "\\expected.txt", Desktop(),
            {"", "", "", 1, fileName, std::string(kInstallFolder) + "\\QQ.exe", arguments});
    }
};

TEST_F(LauncherDialogTest, OpensWithItsDesignedLookInReadingOrder) {
    const std::string folder = "C:\\Zoë 𠮷\\QQ";
    SetValue(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", folder);
    Run([&](DialogUser& user) {
        HWND dialog = user.dialog();
        EXPECT_TRUE(user.shownFirst().empty());
        EXPECT_EQ(driver::Text(dialog), "Tessaly V1.0 作者:林晓 http://www.example.org/");
        // Every text, in reading order: each edit box right after its label,
        // which is what names it for a screen reader.
        // (Which controls Tab reaches, and in what order, the keyboard test shows.)
        // The folder is shown exactly, though no code page can hold it.
        // clang-format off
        const Texts designed = {
            "请选择QQ安装文件夹:", folder, "选择", "QQ号码:", "", "QQ密码:", "", "登陆模式",
            "正常登陆", "隐身登陆", "创建快捷方式到桌面", "说明",
            "    使用本软件可以在桌面建立一个快捷方式,以后登录QQ只要双击快捷方式即可,"
            "避免每次都要输入密码的麻烦,同时避免被盗号的风险.",
            "    本软件采用QQ官方高强度加密算法加密,请放心使用.",
            "    声明:本程序绝不含任何后门程序,全部源码在官方网站:http://www.example.org/"
            "提供下载学习交流,欢迎提出修改意见.加密过程是采用QQ官方高强度多次MD5加密,"
            "暂时也没有算法能够破解,希望大家在使用本软件的时候不要忘记原密码."
            "对任何因为使用本软件产生的纠纷,作者一概不负责.",
            "联系作者:tessaly@example.org     http://www.example.org/",
            "作者主页", "更多开源程序", "问题反馈", "退出"};
        // clang-format on
        std::vector<HWND> children;
        Texts shown;
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            children.push_back(child);
            shown.push_back(driver::Text(child));
        }
        ASSERT_EQ(shown, designed);
        // The folder is read, not typed into, the number takes digits only
        // and the password is masked.
        for (const auto& [n, style] :
             {std::pair{1, ES_READONLY}, {4, ES_NUMBER}, {6, ES_PASSWORD}}) {
            EXPECT_NE(GetWindowLongW(children[n], GWL_STYLE) & style, 0) << designed[n - 1];
        }
        // The first field to fill in has the focus.
        EXPECT_EQ(user.FocusId(), IDC_QQ_NUMBER);

        // The system menu's last item opens the about box, owned by the dialog.
        wchar_t item[64] = {};
        GetMenuStringW(GetSystemMenu(dialog, FALSE), IDM_ABOUT, item, 64, MF_BYCOMMAND);
        EXPECT_EQ(text::WideToUtf8(item), "关于 Tessaly(&A)...");
        PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0);
        HWND about = user.WaitForOtherWindow();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(GetWindow(about, GW_OWNER), dialog);
        EXPECT_FALSE(IsWindowEnabled(dialog));
        EXPECT_EQ(driver::Text(about), "关于 Tessaly");
        PostMessageW(about, WM_COMMAND, IDOK, 0);
        driver::WaitUntilGone(about);
        user.Click(IDCANCEL);  // "退出"
        driver::WaitUntilGone(dialog);
        EXPECT_FALSE(IsWindow(dialog));
    });
}

// Run at two screen sizes (CMakeLists.txt): the rectangles are printed for the record.
RECT WorkArea() {
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    std::printf("work area %ld,%ld-%ld,%ld\n", area.left, area.top, area.right, area.bottom);
    return area;
}
void ExpectCentredOn(HWND window, const RECT& over, const char* what) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    std::printf("%s %ld,%ld-%ld,%ld\n", what, rect.left, rect.top, rect.right, rect.bottom);
    EXPECT_NEAR(rect.left + rect.right, over.left + over.right, 3) << what;
    EXPECT_NEAR(rect.top + rect.bottom, over.top + over.bottom, 3) << what;
}

TEST_F(LauncherDialogTest, DialogsOpenCentredAndAPathMessageFitsTheScreen) {
    // Many short folders, and one name of 250 characters.
    std::string folders = "C:";
    for (int n = 0; n < 70; ++n) {
        folders += "\\ab1";
    }
    for (const std::string& folder : {folders, "C:\\" + std::string(250, 'q')}) {
        SetValue(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", folder);
        Run([&](DialogUser& user) {
            const RECT area = WorkArea();
            ExpectCentredOn(user.dialog(), area, "main dialog");
            // Moved by the user, the dialog has the about box over it, not over the screen.
            SetWindowPos(user.dialog(), nullptr, area.left, area.top, 0, 0, SWP_NOSIZE);
            RECT dialog = {};
            GetWindowRect(user.dialog(), &dialog);
            PostMessageW(user.dialog(), WM_SYSCOMMAND, IDM_ABOUT, 0);
            HWND about = user.WaitForOtherWindow();
            ASSERT_NE(about, nullptr);
            ExpectCentredOn(about, dialog, "about box");
            PostMessageW(about, WM_COMMAND, IDOK, 0);
            driver::WaitUntilGone(about);

            user.Click(IDC_CREATE_SHORTCUT);
            const auto boxes = user.AnswerBoxesUntil("生成");
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, texts::TargetPathTooLong(folder + "\\QQ.exe"));
            const RECT& box = boxes[0].frame;
            std::printf("message box %ld,%ld-%ld,%ld, %ld wide\n", box.left, box.top, box.right,
                        box.bottom, box.right - box.left);
            EXPECT_GE(box.left, area.left);
            EXPECT_LE(box.right, area.right);
        });
    }
}

TEST_F(LauncherDialogTest, WritesEveryGoldenShortcut) {
    // And a password the locale's code page spells its own way, hashed over
    // its bytes there (by Python's hashlib and codecs).
    const std::map<UINT, std::pair<std::string, std::string>> local = {
        {936, {"密码 p@ss", "yHTS+2Dvqoyz3p3rNAwAgw=="}},
        {950, {"密碼 p@ss", "lSFfH84TVcowufUwiJTtPw=="}},
        {932, {"パスワード", "MSDk1KFaFRzU3fpTE+vZ+A=="}},
        {1252, {"pässwörd", "LKZ6Lb86L1LvUSairo+KLw=="}},
    };
    const auto& [password, hash] = local.at(GetACP());
    std::vector<test::GoldenShortcut> rows = test::kGoldenShortcuts;
    rows.push_back({kInstallFolder, "20002", password, 1, "正常登陆QQ 20002.lnk",
                    std::string(kInstallFolder) + "\\QQ.exe",
                    " /START QQUIN:20002 PWDHASH:" + hash + " /STAT:10"});
    for (const test::GoldenShortcut& row : rows) {
        SetValue(HKEY_LOCAL_MACHINE, kInstallKey, L"Install", row.installFolder);
        Run([&](DialogUser& user) {
            user.Type(IDC_QQ_NUMBER, row.number);  // each digit lands after the last
            user.Paste(IDC_PASSWORD, row.password);
            if (row.mode == 0) {
                user.Click(IDC_MODE_INVISIBLE);
                EXPECT_TRUE(driver::WaitFor("the invisible mode checked",
                                            [&] { return user.Checked(IDC_MODE_INVISIBLE); }));
            }
            EXPECT_EQ(Create(user), Texts{texts::kCreated}) << row.fileName;
            test::RecordGolden(RunFolder() + "\\expected.txt", Desktop(), row);
            // A tenth digit is refused; the caret stays at the end, so typing
            // goes on where it was.
            const std::string nines(9 - row.number.size(), '9');
            user.Type(IDC_QQ_NUMBER, nines + "0");
            EXPECT_EQ(user.Text(IDC_QQ_NUMBER), row.number + nines);
            EXPECT_EQ(SendMessageW(user.Item(IDC_QQ_NUMBER), EM_GETSEL, 0, 0), MAKELONG(9, 9));
        });
    }
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
    const PickerAsOnWindows asOnWindows;
    Run([&](DialogUser& user) {
        ASSERT_EQ(user.shownFirst().size(), 1u);
        EXPECT_EQ(user.shownFirst()[0].text, texts::kInstallFolderUnknown);
        EXPECT_EQ(user.shownFirst()[0].owner, user.dialog());
        EXPECT_FALSE(user.shownFirst()[0].ownerEnabled);
        EXPECT_EQ(user.shownFirst()[0].icon, LoadIconW(nullptr, IDI_EXCLAMATION));
        EXPECT_EQ(user.Text(IDC_INSTALL_FOLDER), "");
        EXPECT_EQ(user.FocusId(), IDC_BROWSE);  // with no folder, choosing one comes first
        user.Type(IDC_QQ_NUMBER, "50005");
        // Yesterday's shortcut, made before any folder was chosen.
        EXPECT_EQ(Create(user), Texts{texts::kCreated});
        const std::string yesterday = test::ReadBytes(Desktop() + "\\正常登陆QQ 50005.lnk");
        user.Type(IDC_PASSWORD, "kept");  // typed since: browsing keeps it
        user.Click(IDC_BROWSE);
        HWND picker = user.WaitForOtherWindow();
        ASSERT_NE(picker, nullptr);
        // Modal: owned by the dialog, which waits disabled behind it.
        EXPECT_EQ(GetWindow(picker, GW_OWNER), user.dialog());
        EXPECT_FALSE(IsWindowEnabled(user.dialog()));
        // The picker selects a folder of its own once it has filled its tree:
        // choose until the choice holds.
        const HWND tree = FindWindowExW(picker, nullptr, WC_TREEVIEWW, nullptr);
        EXPECT_TRUE(driver::WaitFor("the picker's choice of the folder", [&] {
            SendMessageW(picker, BFFM_SETSELECTIONW, TRUE,
                         reinterpret_cast<LPARAM>(Utf8ToWide(folder).c_str()));
            wchar_t label[MAX_PATH] = {};
            TVITEMW item = {};
            item.mask = TVIF_TEXT;
            item.hItem = TreeView_GetSelection(tree);
            item.pszText = label;
            item.cchTextMax = MAX_PATH;
            return TreeView_GetItem(tree, &item) && std::wstring(label) == L"QQ";
        }));
        PostMessageW(picker, WM_COMMAND, IDOK, 0);
        driver::WaitUntilGone(picker);
        EXPECT_EQ(user.Text(IDC_INSTALL_FOLDER), folder);
        EXPECT_EQ(user.Text(IDC_PASSWORD), "kept");
        // The shell saves the target through the code page: what the file
        // would hold is another folder, so nothing is replaced.
        EXPECT_EQ(Create(user), Texts{texts::TargetNotSaved(folder + "\\QQ.exe")});
        EXPECT_EQ(test::FileNames(Desktop()), std::vector<std::string>{"正常登陆QQ 50005.lnk"});
        EXPECT_EQ(test::ReadBytes(Desktop() + "\\正常登陆QQ 50005.lnk"), yesterday);
    });
}

TEST_F(LauncherDialogTest, EveryFunctionIsReachableFromTheKeyboard) {
    Run([](DialogUser& user) {
        HWND dialog = user.dialog();
        // Tab goes round the dialog in reading order.
        const std::vector<int> order = {
            IDC_PASSWORD, IDC_MODE_NORMAL, IDC_CREATE_SHORTCUT, IDC_HOME_PAGE, IDC_MORE_PROGRAMS,
            IDC_FEEDBACK, IDCANCEL,        IDC_INSTALL_FOLDER,  IDC_BROWSE,    IDC_QQ_NUMBER};
        const auto tab = [&user] {
            const HWND before = user.Focus();
            user.Press(VK_TAB);
            driver::WaitFor("the focus moving on Tab", [&] { return user.Focus() != before; });
            return user.FocusId();
        };
        std::vector<int> visited;
        for (std::size_t n = 0; n < order.size(); ++n) {
            visited.push_back(tab());
        }
        EXPECT_EQ(visited, order);

        // Enter in the password box creates the shortcut; what was typed stays.
        user.Type(IDC_QQ_NUMBER, "70007");
        user.Paste(IDC_PASSWORD, "k3y board");
        ASSERT_EQ(tab(), IDC_PASSWORD);
        EXPECT_EQ(Create(user, true), Texts{texts::kCreated});
        ExpectLink("正常登陆QQ 70007.lnk",
                   " /START QQUIN:70007 PWDHASH:qjc7aNf7+DSEMdTjaYjvmA== /STAT:10");
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(user.Text(IDC_QQ_NUMBER), "70007");
        EXPECT_EQ(user.Text(IDC_PASSWORD), "k3y board");

        // The arrow keys choose the mode; Enter on a radio button creates.
        ASSERT_EQ(tab(), IDC_MODE_NORMAL);
        user.Press(VK_RIGHT);
        EXPECT_TRUE(driver::WaitFor("the right arrow checking the invisible mode",
                                    [&] { return user.Checked(IDC_MODE_INVISIBLE); }));
        EXPECT_FALSE(user.Checked(IDC_MODE_NORMAL));
        EXPECT_EQ(Create(user, true), Texts{texts::kCreated});
        ExpectLink("隐身登陆QQ 70007.lnk",
                   " /START QQUIN:70007 PWDHASH:qjc7aNf7+DSEMdTjaYjvmA== /STAT:40");
        user.Press(VK_LEFT);
        EXPECT_TRUE(driver::WaitFor("the left arrow checking the normal mode",
                                    [&] { return user.Checked(IDC_MODE_NORMAL); }));
        EXPECT_FALSE(user.Checked(IDC_MODE_INVISIBLE));

        // Escape closes the dialog.
        user.Press(VK_ESCAPE);
        driver::WaitUntilGone(dialog);
        EXPECT_FALSE(IsWindow(dialog));
    });
}

TEST_F(LauncherDialogTest, WebButtonsOpenTheAuthorsPagesOnEnter) {
    Run([](DialogUser& user) {
        // Enter on a focused web button opens its page in the browser, here
        // the stand-in that records it, not the default button's shortcut.
        const char* recorded = "C:\\tessaly-test\\opened-urls.txt";
        for (const auto& [button, address] :
             {std::pair<int, std::string>{IDC_HOME_PAGE, "http://www.example.org/"},
              {IDC_MORE_PROGRAMS, "http://www.example.org/default.asp?cateID=5"},
              {IDC_FEEDBACK, "http://www.example.org/LoadMod.asp?plugins=GuestBookForPJBlog"}}) {
            DeleteFileA(recorded);
            SendMessageW(user.dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(user.Item(button)),
                         TRUE);
            user.Press(VK_RETURN);
            // The browser runs as its own process; wait for its whole line.
            driver::WaitFor("the browser recording the address", [&] {
                return test::ReadBytes(recorded).find('\n') != std::string::npos;
            });
            EXPECT_EQ(test::ReadBytes(recorded), address + "\r\n") << "button " << button;
        }
        EXPECT_TRUE(test::FileNames(Desktop()).empty());  // and no shortcut is made
    });
}

}  // namespace
}  // namespace tessaly::e2e
