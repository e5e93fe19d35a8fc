#include "tools/driver/window_driver.h"

#include "platform/win32/utf_conversion.h"

namespace tessaly::driver {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;  // the static that holds a message box's text

struct Collect {
    DWORD process;  // 0: every window enumerated
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM parameter) {
    auto* collect = reinterpret_cast<Collect*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (IsWindowVisible(window) && (collect->process == 0 || collect->process == process)) {
        collect->windows.push_back(window);
    }
    return TRUE;
}

}  // namespace

WindowList WindowsOfThread(DWORD thread) {
    return [thread] {
        Collect collect{0, {}};
        EnumThreadWindows(thread, CollectVisible, reinterpret_cast<LPARAM>(&collect));
        return collect.windows;
    };
}

WindowList WindowsOfProcess(DWORD process) {
    return [process] {
        Collect collect{process, {}};
        EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&collect));
        return collect.windows;
    };
}

bool WaitFor(const std::function<bool()>& done, int seconds) {
    for (int attempt = 0; attempt < seconds * 20; ++attempt) {
        if (done()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

HWND WaitForWindow(const WindowList& windows, const std::function<bool(HWND)>& wanted,
                   int seconds) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : windows()) {
                if (wanted(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        seconds);
    return found;
}

void WaitUntilGone(HWND window) {
    WaitFor([window] { return !IsWindow(window); });
}

std::string Text(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return win32::WideToUtf8(text);
}

void Type(HWND control, const std::string& text) {
    for (const wchar_t unit : win32::Utf8ToWide(text)) {
        SendMessageW(control, WM_CHAR, unit, 1);
    }
}

bool IsMessageBox(HWND window) {
    return GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

MessageBoxSeen Answer(HWND box) {
    const HWND owner = GetWindow(box, GW_OWNER);
    const MessageBoxSeen seen{Text(GetDlgItem(box, kMessageBoxTextId)), owner,
                              IsWindowEnabled(owner) != FALSE};
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntilGone(box);
    return seen;
}

std::vector<MessageBoxSeen> AnswerBoxesUntil(const WindowList& windows,
                                             const std::string& lastPrefix) {
    std::vector<MessageBoxSeen> seen;
    while (HWND box = WaitForWindow(windows, IsMessageBox)) {
        seen.push_back(Answer(box));
        if (seen.back().text.rfind(lastPrefix, 0) == 0) {
            break;
        }
    }
    return seen;
}

}  // namespace tessaly::driver
