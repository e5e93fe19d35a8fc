#pragma once

#include "platform/win32/win32_code_page_encoder.h"
#include "platform/win32/win32_message_presenter.h"
#include "platform/win32/win32_registry_reader.h"
#include "platform/win32/win32_shell_link_writer.h"
#include "platform/win32/win32_url_opener.h"
#include "ui/framework/dialog.h"

#include <string>

namespace tessaly {

// The main dialog: install folder, account number, password, sign-in mode,
// and the button that writes the login shortcut.
class LauncherDialog : public ui::Dialog {
public:
    LauncherDialog();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    ui::MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const ui::Route<LauncherDialog> kMessageTable[];

    ui::MessageResult OnSysCommand(WPARAM command, LPARAM);
    ui::MessageResult OnPaint(WPARAM, LPARAM);
    ui::MessageResult OnQueryDragIcon(WPARAM, LPARAM);
    void OnBrowse();
    void OnModeNormal();
    void OnModeInvisible();
    void OnNumberChange();
    void OnCreate();
    void OnHomePage();
    void OnMorePrograms();
    void OnFeedback();

    void AddAboutMenuItem();
    void ReadInstallFolder();

    int loginMode;
    std::string installFolder;
    std::string qqNumber;
    std::string password;
    HICON icon;
    // The number box's last text that passed the guard.
    std::string lastAcceptedNumber;

    win32::Win32RegistryReader registry;
    win32::Win32ShellLinkWriter shellLinks;
    win32::Win32UrlOpener urlOpener;
    win32::Win32MessagePresenter messages;
    win32::Win32CodePageEncoder codePage;
};

}  // namespace tessaly
