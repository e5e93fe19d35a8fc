#include "ui/window_icons.h"

namespace tessaly {

namespace {

constexpr UINT kDefaultDpi = USER_DEFAULT_SCREEN_DPI;

// Functions of newer systems, looked up when called so that the program still
// starts on Windows 7, which has neither.
template <class Function>
Function UserFunction(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// A system metric at `dpi`. Without GetSystemMetricsForDpi the metric comes
// at the system DPI and is scaled from there.
int MetricForDpi(int index, UINT dpi) {
    using MetricsForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = UserFunction<MetricsForDpi>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        return forDpi(index, dpi);
    }
    HDC screen = GetDC(nullptr);
    const int systemDpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    ReleaseDC(nullptr, screen);
    const int metric = GetSystemMetrics(index);
    return systemDpi > 0 ? MulDiv(metric, static_cast<int>(dpi), systemDpi) : metric;
}

HICON LoadIconAt(UINT iconId, UINT dpi, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                         IMAGE_ICON, MetricForDpi(widthMetric, dpi),
                                         MetricForDpi(heightMetric, dpi), LR_DEFAULTCOLOR));
}

void Destroy(HICON icon) {
    if (icon != nullptr) {
        DestroyIcon(icon);
    }
}

// The DPI a window is drawn at: its monitor's where the system scales per
// monitor (Windows 10 1607 and later), the system's elsewhere.
UINT WindowDpi(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = UserFunction<DpiForWindow>("GetDpiForWindow");
    if (forWindow != nullptr) {
        const UINT dpi = forWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    HDC screen = GetDC(window);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    ReleaseDC(window, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

}  // namespace

WindowIcons::~WindowIcons() {
    Destroy(big_);
    Destroy(small_);
}

void WindowIcons::Apply(HWND window, UINT iconId) {
    const UINT dpi = WindowDpi(window);
    HICON big = LoadIconAt(iconId, dpi, SM_CXICON, SM_CYICON);
    HICON small = LoadIconAt(iconId, dpi, SM_CXSMICON, SM_CYSMICON);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    // The window holds the new ones now: the old ones can go.
    Destroy(big_);
    Destroy(small_);
    big_ = big;
    small_ = small;
}

}  // namespace tessaly
