#pragma once

#include "platform/url_opener.h"
#include "resources/resource.h"
#include "ui/create_login_shortcut.h"
#include "ui/framework/dialog.h"
#include "ui/window_icons.h"

#include <functional>
#include <string>

namespace tessaly {

// What the main dialog works through; LauncherApp hands it the real ones.
struct LauncherServices {
    ShortcutServices shortcut;
    UrlOpener& browser;
    // Makes the message boxes modal to the dialog's window, once it exists.
    std::function<void(HWND)> ownMessageBoxes;
};

// The main dialog: install folder, account number, password, sign-in mode,
// and the button that writes the login shortcut.
class LauncherDialog : public ui::DialogImpl<LauncherDialog> {
public:
    explicit LauncherDialog(const LauncherServices& services);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    ui::MessageResult OnSysCommand(WPARAM command, LPARAM);
    ui::MessageResult OnPaint(WPARAM, LPARAM);
    ui::MessageResult OnQueryDragIcon(WPARAM, LPARAM);
    ui::MessageResult OnDpiChanged(WPARAM, LPARAM);
    void OnBrowse();
    void OnModeNormal();
    void OnModeInvisible();
    void OnNumberChange();
    void OnCreate();
    void OnHomePage();
    void OnMorePrograms();
    void OnFeedback();

public:
    static constexpr ui::Route<LauncherDialog> kMessageTable[] = {
        ui::OnMessage(WM_SYSCOMMAND, &LauncherDialog::OnSysCommand),
        ui::OnMessage(WM_PAINT, &LauncherDialog::OnPaint),
        ui::OnMessage(WM_QUERYDRAGICON, &LauncherDialog::OnQueryDragIcon),
        ui::OnMessage(WM_DPICHANGED, &LauncherDialog::OnDpiChanged),
        ui::OnClicked(IDC_BROWSE, &LauncherDialog::OnBrowse),
        ui::OnClicked(IDC_MODE_NORMAL, &LauncherDialog::OnModeNormal),
        ui::OnClicked(IDC_MODE_INVISIBLE, &LauncherDialog::OnModeInvisible),
        ui::OnEditChange(IDC_QQ_NUMBER, &LauncherDialog::OnNumberChange),
        ui::OnClicked(IDC_CREATE_SHORTCUT, &LauncherDialog::OnCreate),
        ui::OnClicked(IDC_HOME_PAGE, &LauncherDialog::OnHomePage),
        ui::OnClicked(IDC_MORE_PROGRAMS, &LauncherDialog::OnMorePrograms),
        ui::OnClicked(IDC_FEEDBACK, &LauncherDialog::OnFeedback),
    };

private:
    void AddAboutMenuItem();
    // False when the folder could not be read and the user was told so.
    bool ReadInstallFolder();
    // Takes in all the controls, lets `change` alter the members, and shows
    // the result: what the user typed elsewhere is kept.
    template <class Change>
    void Edit(Change change) {
        UpdateData(true);
        change();
        UpdateData(false);
    }

    int loginMode;
    std::string installFolder;
    std::string qqNumber;
    SecretText password;  // wiped when the dialog ends
    HICON icon;
    // The window's own icons, drawn for its DPI.
    WindowIcons windowIcons;
    // The number box's last text that passed the guard.
    std::string lastAcceptedNumber;

    LauncherServices services;
};

}  // namespace tessaly
