#pragma once

#include "platform/win32/win32_code_page_encoder.h"
#include "platform/win32/win32_message_presenter.h"
#include "platform/win32/win32_registry_reader.h"
#include "platform/win32/win32_shell_link_writer.h"
#include "platform/win32/win32_url_opener.h"
#include "resources/resource.h"
#include "ui/framework/dialog.h"
#include "ui/framework/window_icons.h"

#include <string>

namespace tessaly {

// The main dialog: install folder, account number, password, sign-in mode,
// and the button that writes the login shortcut.
class LauncherDialog : public ui::DialogImpl<LauncherDialog> {
public:
    LauncherDialog();

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
    ui::WindowIcons windowIcons;
    // The number box's last text that passed the guard.
    std::string lastAcceptedNumber;

    win32::Win32RegistryReader registry;
    win32::Win32ShellLinkWriter shellLinks;
    win32::Win32UrlOpener urlOpener;
    win32::Win32MessagePresenter messages;
    win32::Win32CodePageEncoder codePage;
};

}  // namespace tessaly
