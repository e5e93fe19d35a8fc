#include "tests/e2e/dialog_user.h"

#include "platform/win32/utf_conversion.h"

#include <thread>

namespace tessaly::e2e {

void DialogUser::Play(const std::function<void()>& userInterface,
                      const std::function<void(DialogUser&)>& play) {
    DialogUser user(GetCurrentThreadId());
    std::thread userThread([&user, &play] {
        // Boxes shown while the dialog initialises come before it shows.
        const auto any = [](HWND) { return true; };
        for (HWND first; (first = driver::WaitForWindow(user.windows_, any)) != nullptr &&
                         driver::IsMessageBox(first);) {
            user.shownFirst_.push_back(driver::Answer(first));
        }
        user.dialog_ = driver::WaitForWindow(
            user.windows_, [](HWND window) { return !driver::IsMessageBox(window); });
        if (user.dialog_ != nullptr) {
            play(user);
        }
        // Close what is still open, innermost first, until the interface ends.
        for (int attempt = 0; attempt < 100 && !user.windows_().empty(); ++attempt) {
            PostMessageW(user.windows_().front(), WM_COMMAND, IDCANCEL, 0);
            Sleep(50);
        }
    });
    userInterface();
    userThread.join();
}

void DialogUser::Type(int id, const std::string& text) {
    const HWND control = GetDlgItem(dialog_, id);
    SendMessageW(control, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    driver::Type(control, text);
}

void DialogUser::Paste(int id, const std::string& text) {
    // What a paste does: the selection, here all the text, replaced as one
    // edit, within the control's length limit and past its digits-only filter.
    const HWND control = GetDlgItem(dialog_, id);
    SendMessageW(control, EM_SETSEL, 0, -1);
    SendMessageW(control, EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(win32::Utf8ToWide(text).c_str()));
}

void DialogUser::Click(int id) {
    PostMessageW(GetDlgItem(dialog_, id), BM_CLICK, 0, 0);
}

bool DialogUser::Checked(int id) const {
    return SendMessageW(GetDlgItem(dialog_, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogUser::Press(WORD key) {
    // Input goes to the foreground window's thread: the dialog's, and not
    // the stand-in browser's, which may have just opened a window.
    driver::WaitFor([this] {
        SetForegroundWindow(dialog_);
        return GetForegroundWindow() == dialog_;
    });
    INPUT strokes[2] = {};
    for (INPUT& stroke : strokes) {
        stroke.type = INPUT_KEYBOARD;
        stroke.ki.wVk = key;
    }
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof(INPUT));
}

HWND DialogUser::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread_, &info) ? info.hwndFocus : nullptr;
}

HWND DialogUser::WaitForOtherWindow() const {
    return driver::WaitForWindow(windows_, [this](HWND window) {
        return window != dialog_ && !driver::IsMessageBox(window);
    });
}

}  // namespace tessaly::e2e
