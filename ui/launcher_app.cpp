#include "ui/launcher_app.h"

#include "platform/win32/scoped_handles.h"
#include "ui/launcher_dialog.h"

namespace tessaly {

bool LauncherApp::InitInstance() {
    // One apartment for the dialog's whole life: the folder picker and the
    // shell link both need it. Should it fail, the shell link reports so.
    const win32::ScopedComInit com;
    LauncherDialog dialog;
    dialog.RunModal();
    return false;  // no message loop of our own: the process ends
}

}  // namespace tessaly
