#pragma once

namespace tessaly::ui {

// The program's one application object; WinMain returns what Run returns.
class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Registers the common controls, then calls InitInstance once. A dialog
    // program runs its dialog inside it and returns false: Run then returns 0
    // with no message loop of its own. Otherwise Run pumps messages until
    // WM_QUIT and returns its exit code.
    int Run();

protected:
    virtual bool InitInstance() = 0;
};

}  // namespace tessaly::ui
