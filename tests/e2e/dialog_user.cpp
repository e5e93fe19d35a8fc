#include "tests/e2e/dialog_user.h"

#include "platform/win32/utf_conversion.h"
#include "ui/framework/data_exchange.h"

#include <thread>

namespace tessaly::e2e {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;  // the static that holds a message box's text

bool IsMessageBox(HWND window) {
    return GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM windows) {
    if (IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    }
    return TRUE;
}

}  // namespace

void DialogUser::Play(const std::function<void()>& userInterface,
                      const std::function<void(DialogUser&)>& play) {
    DialogUser user(GetCurrentThreadId());
    std::thread userThread([&user, &play] {
        // Boxes shown while the dialog initialises come before it shows.
        for (HWND first; (first = user.WaitForWindow([](HWND) { return true; })) != nullptr &&
                         IsMessageBox(first);) {
            user.shownFirst_.push_back(user.Answer(first));
        }
        user.dialog_ = user.WaitForWindow([](HWND window) { return !IsMessageBox(window); });
        if (user.dialog_ != nullptr) {
            play(user);
        }
        // Close what is still open, innermost first, until the interface ends.
        for (int attempt = 0; attempt < 100 && !user.VisibleWindows().empty(); ++attempt) {
            PostMessageW(user.VisibleWindows().front(), WM_COMMAND, IDCANCEL, 0);
            Sleep(50);
        }
    });
    userInterface();
    userThread.join();
}

std::vector<HWND> DialogUser::VisibleWindows() const {
    std::vector<HWND> windows;
    EnumThreadWindows(thread_, CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND DialogUser::WaitForWindow(const std::function<bool(HWND)>& wanted) const {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND window : VisibleWindows()) {
            if (wanted(window)) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

MessageBoxSeen DialogUser::Answer(HWND box) {
    const HWND owner = GetWindow(box, GW_OWNER);
    const MessageBoxSeen seen{ui::WindowText(GetDlgItem(box, kMessageBoxTextId)), owner,
                              IsWindowEnabled(owner) != FALSE};
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntilGone(box);
    return seen;
}

std::string DialogUser::Text(int id) const {
    return ui::WindowText(GetDlgItem(dialog_, id));
}

void DialogUser::Type(int id, const std::string& text) {
    const HWND control = GetDlgItem(dialog_, id);
    SendMessageW(control, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    for (wchar_t unit : win32::Utf8ToWide(text)) {
        SendMessageW(control, WM_CHAR, unit, 1);
    }
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

void DialogUser::Press(WORD key, bool shift) {
    // Input goes to the foreground window's thread.
    SetForegroundWindow(dialog_);
    std::vector<INPUT> strokes;
    const auto stroke = [&strokes](WORD vk, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        strokes.push_back(input);
    };
    if (shift) {
        stroke(VK_SHIFT, 0);
    }
    stroke(key, 0);
    stroke(key, KEYEVENTF_KEYUP);
    if (shift) {
        stroke(VK_SHIFT, KEYEVENTF_KEYUP);
    }
    SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
}

HWND DialogUser::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread_, &info) ? info.hwndFocus : nullptr;
}

bool DialogUser::WaitFor(const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (done()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

bool DialogUser::Checked(int id) const {
    return SendMessageW(GetDlgItem(dialog_, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<MessageBoxSeen> DialogUser::AnswerBoxesUntil(const std::string& lastPrefix) {
    std::vector<MessageBoxSeen> seen;
    while (HWND box = WaitForWindow(IsMessageBox)) {
        seen.push_back(Answer(box));
        if (seen.back().text.rfind(lastPrefix, 0) == 0) {
            break;
        }
    }
    return seen;
}

HWND DialogUser::WaitForOtherWindow() const {
    return WaitForWindow(
        [this](HWND window) { return window != dialog_ && !IsMessageBox(window); });
}

void DialogUser::WaitUntilGone(HWND window) const {
    WaitFor([window] { return !IsWindow(window); });
}

}  // namespace tessaly::e2e
