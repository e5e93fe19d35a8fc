#include "ui/launcher_app.h"

#include "ui/launcher_dialog.h"

namespace tessaly {

bool LauncherApp::InitInstance() {
    EnableControlContainer();
    Enable3dControls();
    LauncherDialog dialog;
    SetMainWindow(&dialog);
    dialog.RunModal();
    return false;  // no message loop of our own: the process ends
}

}  // namespace tessaly
