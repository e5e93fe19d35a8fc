#include "ui/launcher_dialog.h"

#include "core/author_info.h"
#include "core/login_mode.h"
#include "core/secure_wipe.h"
#include "platform/registry_lookups.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"
#include "resources/resource.h"
#include "ui/about_box.h"
#include "ui/create_login_shortcut.h"
#include "ui/framework/application.h"
#include "ui/number_guard.h"

#include <shlobj.h>

namespace tessaly {

const ui::Route<LauncherDialog> LauncherDialog::kMessageTable[] = {
    ui::OnMessage(WM_SYSCOMMAND, &LauncherDialog::OnSysCommand),
    ui::OnMessage(WM_PAINT, &LauncherDialog::OnPaint),
    ui::OnMessage(WM_QUERYDRAGICON, &LauncherDialog::OnQueryDragIcon),
    ui::OnClicked(IDC_BROWSE, &LauncherDialog::OnBrowse),
    ui::OnClicked(IDC_MODE_NORMAL, &LauncherDialog::OnModeNormal),
    ui::OnClicked(IDC_MODE_INVISIBLE, &LauncherDialog::OnModeInvisible),
    ui::OnEditChange(IDC_QQ_NUMBER, &LauncherDialog::OnNumberChange),
    ui::OnClicked(IDC_CREATE_SHORTCUT, &LauncherDialog::OnCreate),
    ui::OnClicked(IDC_HOME_PAGE, &LauncherDialog::OnHomePage),
    ui::OnClicked(IDC_MORE_PROGRAMS, &LauncherDialog::OnMorePrograms),
    ui::OnClicked(IDC_FEEDBACK, &LauncherDialog::OnFeedback),
};

LauncherDialog::LauncherDialog()
    : ui::Dialog(IDD_LAUNCHER_MAIN),
      loginMode(Normal),
      icon(LoadIconResource(IDI_LAUNCHER)),
      messages(ui::Application::kTitle) {}

ui::MessageResult LauncherDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteThrough(kMessageTable, *this, message, wParam, lParam);
}

void LauncherDialog::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_INSTALL_FOLDER, installFolder);
    dx.Text(IDC_QQ_NUMBER, qqNumber);
    dx.Text(IDC_PASSWORD, password);
}

bool LauncherDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    AddAboutMenuItem();
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    messages.SetOwner(Handle());
    // Whatever length is pasted, the password is taken whole: the edit
    // control would otherwise keep the first 30,000 characters and drop the
    // rest without a word.
    SendMessageW(Item(IDC_PASSWORD), EM_SETLIMITTEXT, 0, 0);
    ReadInstallFolder();
    SetRadioCheck(IDC_MODE_NORMAL, true);
    loginMode = Normal;
    return true;  // the system focuses the first tab stop, "退出"
}

void LauncherDialog::AddAboutMenuItem() {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    const std::string text = LoadStringResource(IDS_ABOUT_MENU);
    if (!text.empty()) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, IDM_ABOUT, win32::Utf8ToWide(text).c_str());
    }
}

void LauncherDialog::ReadInstallFolder() {
    const auto folder = ReadRegistryText(registry, kInstallFolderLookup);
    if (!folder) {
        messages.Show(kInstallFolderLookup.failureMessage);
        return;
    }
    if (!folder->empty()) {
        installFolder = *folder;
        UpdateData(false);
    }
}

ui::MessageResult LauncherDialog::OnSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) != IDM_ABOUT) {
        return std::nullopt;  // move, close, minimise: the system's own handling
    }
    AboutBox(Handle()).RunModal();
    return 0;
}

ui::MessageResult LauncherDialog::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic(Handle())) {
        return std::nullopt;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(Handle(), &paint);
    return 0;
}

ui::MessageResult LauncherDialog::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(icon);
}

void LauncherDialog::OnBrowse() {
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW browse = {};
    browse.hwndOwner = nullptr;
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = L"请选择QQ的安装路径";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    const win32::ScopedItemList chosen(SHBrowseForFolderW(&browse));
    if (chosen.get() == nullptr) {
        return;  // cancelled
    }
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen.get(), path)) {
        // Take in what the user typed first, so the load below keeps it.
        UpdateData(true);
        installFolder = win32::WideToUtf8(path);
        UpdateData(false);
    }
}

void LauncherDialog::OnModeNormal() {
    loginMode = Normal;
    SetRadioCheck(IDC_MODE_INVISIBLE, false);
}

void LauncherDialog::OnModeInvisible() {
    loginMode = Invisible;
    SetRadioCheck(IDC_MODE_NORMAL, false);
}

void LauncherDialog::OnNumberChange() {
    // Take in all three boxes, so that the load below rewrites only the
    // number box, and only when the guard refused its text.
    UpdateData(true);
    const std::string typed = qqNumber;
    qqNumber = GuardNumber(typed, lastAcceptedNumber);
    UpdateData(false);
    if (qqNumber != typed) {
        // Setting the text puts the caret first; the user goes on typing at the end.
        const auto end = static_cast<WPARAM>(qqNumber.size());
        SendMessageW(Item(IDC_QQ_NUMBER), EM_SETSEL, end, static_cast<LPARAM>(end));
    }
}

void LauncherDialog::OnCreate() {
    UpdateData(true);
    LoginRequest request{installFolder, qqNumber, password, loginMode};
    CreateLoginShortcut(request, {registry, shellLinks, messages, codePage});
    SecureWipe(request.password);  // the member keeps it; this copy was for the hash
}

void LauncherDialog::OnHomePage() {
    urlOpener.Open(kAuthorWebAddress);
}

void LauncherDialog::OnMorePrograms() {
    urlOpener.Open(kProgramsPage);
}

void LauncherDialog::OnFeedback() {
    urlOpener.Open(kFeedbackPage);
}

}  // namespace tessaly
