#include "ui/launcher_app.h"

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_code_page_encoder.h"
#include "platform/win32/win32_message_presenter.h"
#include "platform/win32/win32_registry_reader.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_shortcut_files.h"
#include "platform/win32/win32_url_opener.h"
#include "ui/launcher_dialog.h"
#include "ui/user_texts.h"

namespace tessaly {

bool LauncherApp::InitInstance() {
    // One apartment for the dialog's whole life: the folder picker and the
    // shell link both need it. Should it fail, the shell link reports so.
    const win32::ScopedComInit com;
    win32::Win32RegistryReader registry;
    win32::Win32ShellLinks shellLinks;
    win32::Win32ShortcutFiles files;
    win32::Win32MessagePresenter messages(kMessageCaption);
    win32::Win32CodePageEncoder codePage;
    win32::Win32UrlOpener browser;
    LauncherDialog dialog({{registry, shellLinks, files, messages, codePage},
                           browser,
                           [&messages](HWND owner) { messages.SetOwner(owner); }});
    dialog.RunModal();
    return false;  // no message loop of our own: the process ends
}

}  // namespace tessaly
