#pragma once

#include "ui/framework/dialog.h"

#include <windows.h>

namespace tessaly::ui {

// The program's one application object. WinMain hands it the instance and
// returns what Run returns.
class Application {
public:
    static constexpr wchar_t kTitle[] = L"Tessaly";

    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Calls InitInstance once. When it returns false the program is done
    // (a dialog-based program has run its dialog inside it) and Run returns
    // 0 without a message loop; when true, Run pumps messages until WM_QUIT
    // and returns its exit code.
    int Run(HINSTANCE instance);

    HINSTANCE Instance() const { return instance_; }
    const wchar_t* Title() const { return kTitle; }

    void SetMainWindow(Dialog* window) { mainWindow_ = window; }
    Dialog* MainWindow() const { return mainWindow_; }

protected:
    virtual bool InitInstance() = 0;

    // Start-up switches; each is harmless to call more than once.
    void EnableControlContainer();
    bool Enable3dControls();

private:
    HINSTANCE instance_ = nullptr;
    Dialog* mainWindow_ = nullptr;
};

}  // namespace tessaly::ui
