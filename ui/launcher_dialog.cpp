#include "ui/launcher_dialog.h"

#include "core/author_info.h"
#include "core/login_mode.h"
#include "platform/registry_lookups.h"
#include "platform/win32/scoped_handles.h"
#include "text/utf_conversion.h"
#include "ui/about_box.h"
#include "ui/number_guard.h"
#include "ui/secret_binding.h"
#include "ui/user_texts.h"

#include <shlobj.h>

namespace tessaly {

LauncherDialog::LauncherDialog(const LauncherServices& services)
    : ui::DialogImpl<LauncherDialog>(IDD_LAUNCHER_MAIN),
      loginMode(Normal),
      icon(LoadIconResource(IDI_LAUNCHER)),
      services(services) {}

void LauncherDialog::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_INSTALL_FOLDER, installFolder);
    dx.Text(IDC_QQ_NUMBER, qqNumber);
    ExchangeSecret(dx, IDC_PASSWORD, password);
    dx.Radio(loginMode, {{IDC_MODE_NORMAL, Normal}, {IDC_MODE_INVISIBLE, Invisible}});
}

bool LauncherDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    AddAboutMenuItem();
    windowIcons.Apply(Handle(), IDI_LAUNCHER);
    services.ownMessageBoxes(Handle());
    // Whatever length is pasted, the password is taken whole: the edit
    // control would otherwise keep the first 30,000 characters and drop the
    // rest without a word.
    SendMessageW(Item(IDC_PASSWORD), EM_SETLIMITTEXT, 0, 0);
    loginMode = Normal;
    const bool folderKnown = ReadInstallFolder();
    UpdateData(false);
    // The first field to fill in: the number, or the folder when it is unknown.
    FocusControl(folderKnown ? IDC_QQ_NUMBER : IDC_BROWSE);
    return false;  // the focus is set
}

void LauncherDialog::AddAboutMenuItem() {
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    const std::string item = LoadStringResource(IDS_ABOUT_MENU);
    if (!item.empty()) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, IDM_ABOUT, text::Utf8ToWide(item).c_str());
    }
}

bool LauncherDialog::ReadInstallFolder() {
    std::string folder;
    if (Failed(ReadRegistryText(services.shortcut.registry, kInstallFolderLookup, &folder))) {
        services.shortcut.messages.Show(kInstallFolderUnknownText);
        return false;
    }
    if (!folder.empty()) {
        installFolder = folder;
    }
    return true;
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

// The dialog moved to a monitor of another scale: the system rescales the
// dialog and its fonts, the icons are drawn anew at their new size.
ui::MessageResult LauncherDialog::OnDpiChanged(WPARAM, LPARAM) {
    windowIcons.Apply(Handle(), IDI_LAUNCHER);
    return std::nullopt;
}

void LauncherDialog::OnBrowse() {
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW browse = {};
    browse.hwndOwner = Handle();  // modal: the dialog waits behind it
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = displayName;
    const std::wstring title = text::Utf8ToWide(kFolderPickerTitle);
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    const win32::ScopedItemList chosen(SHBrowseForFolderW(&browse));
    if (chosen.get() == nullptr) {
        return;  // cancelled
    }
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen.get(), path)) {
        Edit([&] { installFolder = text::WideToUtf8(path); });
    }
}

// A click or an arrow key: the system has checked the button and unchecked
// the other one of its group; the member follows.
void LauncherDialog::OnModeNormal() {
    Edit([this] { loginMode = Normal; });
}

void LauncherDialog::OnModeInvisible() {
    Edit([this] { loginMode = Invisible; });
}

void LauncherDialog::OnNumberChange() {
    // The load rewrites only the number box, and only when the guard refused
    // its text.
    std::string typed;
    Edit([&] {
        typed = qqNumber;
        qqNumber = GuardNumber(typed, lastAcceptedNumber);
    });
    if (qqNumber != typed) {
        // Setting the text puts the caret first; the user goes on typing at the end.
        const auto end = static_cast<WPARAM>(qqNumber.size());
        SendMessageW(Item(IDC_QQ_NUMBER), EM_SETSEL, end, static_cast<LPARAM>(end));
    }
}

void LauncherDialog::OnCreate() {
    UpdateData(true);
    // The request's copy of the password is wiped with it.
    const LoginRequest request{installFolder, qqNumber, password, loginMode};
    CreateLoginShortcut(request, services.shortcut);
}

void LauncherDialog::OnHomePage() {
    services.browser.Open(kAuthorWebAddress);
}

void LauncherDialog::OnMorePrograms() {
    services.browser.Open(kProgramsPage);
}

void LauncherDialog::OnFeedback() {
    services.browser.Open(kFeedbackPage);
}

}  // namespace tessaly
