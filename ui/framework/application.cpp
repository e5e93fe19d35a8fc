#include "ui/framework/application.h"

#include <commctrl.h>

namespace tessaly::ui {

int Application::Run(HINSTANCE instance) {
    instance_ = instance;
    if (!InitInstance()) {
        // The main window usually lived on InitInstance's stack.
        mainWindow_ = nullptr;
        return 0;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Application::EnableControlContainer() {
    // Nothing to set up: the dialogs hold only standard controls, and there
    // is no ActiveX site to create for them.
}

bool Application::Enable3dControls() {
    // Registers the common control classes, so that the visual styles the
    // manifest asks for apply to every dialog.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace tessaly::ui
