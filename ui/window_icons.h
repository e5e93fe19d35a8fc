#pragma once

#include <windows.h>

namespace tessaly {

// A window's big and small icons drawn from one icon resource at the sizes
// for the window's DPI. The icons are the window's own and are destroyed
// with this object, after the window has let go of them.
class WindowIcons {
public:
    WindowIcons() = default;
    ~WindowIcons();
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;

    // Loads the icons for the window's DPI now, and gives them to the window
    // in place of the ones it had; call again when the DPI changes.
    void Apply(HWND window, UINT iconId);

private:
    HICON big_ = nullptr;
    HICON small_ = nullptr;
};

}  // namespace tessaly
