#include "ui/framework/application.h"

#include <windows.h>
#include <commctrl.h>

namespace tessaly::ui {

int Application::Run() {
    // The control classes of the common controls library, in the version
    // the manifest asks for, so that every dialog gets the system's look.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!InitInstance()) {
        return 0;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace tessaly::ui
