// A scripted demonstration of Tessaly.exe for machines without a display:
// types a sample account, presses the create button, and leaves the
// shortcut and a screenshot for scripts/run.sh to show.
#include "resources/resource.h"
#include "tests/e2e/app_driver.h"

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TESSALY.exe SCREENSHOT.bmp\n", argv[0]);
        return 2;
    }
    using namespace tessaly::e2e;
    SetProgramPath(argv[1]);
    RunningApp app;
    if (!app.started()) {
        std::fprintf(stderr, "could not start %s\n", argv[1]);
        return 1;
    }
    // A missing install folder is reported before the dialog opens.
    std::vector<std::string> shown;
    HWND dialog = app.OpenMainDialog(&shown);
    for (const std::string& text : shown) {
        std::printf("message: %s\n", text.c_str());
    }
    if (dialog == nullptr) {
        std::fprintf(stderr, "the dialog did not open\n");
        return 1;
    }
    TypeText(dialog, IDC_QQ_NUMBER, "123456789");
    TypeText(dialog, IDC_PASSWORD, "demo-password");
    Sleep(500);
    SaveWindowBitmap(dialog, argv[2]);
    ClickButton(dialog, IDC_CREATE_SHORTCUT);
    // The outcome message, success or failure, begins "生成".
    for (const std::string& text : app.DismissMessageBoxesUntil("生成")) {
        std::printf("message: %s\n", text.c_str());
    }
    ClickButton(dialog, IDCANCEL);
    return app.WaitForExit() ? 0 : 1;
}
