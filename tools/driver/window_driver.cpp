#include "tools/driver/window_driver.h"

#include "text/utf_conversion.h"

#include <cstdio>

namespace tessaly::driver {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;  // the static that holds a message box's text

struct Collect {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM parameter) {
    auto* collect = reinterpret_cast<Collect*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (IsWindowVisible(window) && collect->process == process) {
        collect->windows.push_back(window);
    }
    return TRUE;
}

void SayWaitRanOut(const char* what, int seconds) {
    std::fprintf(stderr, "set-up failure: %s did not happen within %d s\n", what, seconds);
    std::fflush(stderr);
}

}  // namespace

WindowList WindowsOfProcess(DWORD process) {
    return [process] {
        Collect collect{process, {}};
        EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&collect));
        return collect.windows;
    };
}

bool WaitFor(const char* what, const std::function<bool()>& done, int seconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    while (!done()) {
        if (GetTickCount64() >= deadline) {
            SayWaitRanOut(what, seconds);
            return false;
        }
        Sleep(50);
    }
    return true;
}

HWND WaitForWindow(const char* what, const WindowList& windows,
                   const std::function<bool(HWND)>& wanted, int seconds) {
    HWND found = nullptr;
    WaitFor(
        what,
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

bool WaitUntilGone(HWND window) {
    return WaitFor("a window closing", [window] { return !IsWindow(window); });
}

std::string Text(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text::WideToUtf8(text);
}

void Type(HWND control, const std::string& text) {
    for (const wchar_t unit : text::Utf8ToWide(text)) {
        SendMessageW(control, WM_CHAR, unit, 1);
    }
}

bool IsMessageBox(HWND window) {
    return GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

MessageBoxSeen Answer(HWND box) {
    const HWND owner = GetWindow(box, GW_OWNER);
    MessageBoxSeen seen{Text(GetDlgItem(box, kMessageBoxTextId)),
                        {},
                        owner,
                        IsWindowEnabled(owner) != FALSE,
                        nullptr};
    // As the user reads it: the zero-width spaces (U+200B) a path wraps at are not seen.
    for (std::size_t at; (at = seen.text.find("​")) != std::string::npos;) {
        seen.text.erase(at, 3);
    }
    GetWindowRect(box, &seen.frame);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) {
            seen.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        }
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntilGone(box);
    return seen;
}

std::vector<MessageBoxSeen> AnswerBoxesUntil(const WindowList& windows,
                                             const std::string& lastPrefix) {
    std::vector<MessageBoxSeen> seen;
    while (HWND box = WaitForWindow("the next message box", windows, IsMessageBox)) {
        seen.push_back(Answer(box));
        if (seen.back().text.rfind(lastPrefix, 0) == 0) {
            break;
        }
    }
    return seen;
}

Program::Program(const std::string& path) {
    std::string windowsPath = path;
    if (!path.empty() && path[0] == '/') {
        windowsPath = "Z:" + path;
        for (char& c : windowsPath) {
            c = c == '/' ? '\\' : c;
        }
    }
    const std::wstring program = text::Utf8ToWide(windowsPath);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        process_ = {};
    }
    windows_ = WindowsOfProcess(process_.dwProcessId);
}

Program::~Program() {
    if (started()) {
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

HWND WaitForMainWindow(const WindowList& windows, std::vector<MessageBoxSeen>* shownFirst,
                       int seconds) {
    const auto any = [](HWND) { return true; };
    HWND window = WaitForWindow("the program's first window", windows, any, seconds);
    while (window != nullptr && IsMessageBox(window)) {
        shownFirst->push_back(Answer(window));
        window = WaitForWindow("the window after a message box", windows, any);
    }
    return window;
}

HWND Program::WaitForMainWindow(std::vector<MessageBoxSeen>* shownFirst) {
    return started() ? driver::WaitForMainWindow(windows_, shownFirst, kFirstWindowSeconds)
                     : nullptr;
}

bool Program::WaitUntilEnded() {
    const bool ended = WaitForSingleObject(process_.hProcess, kWaitSeconds * 1000) == WAIT_OBJECT_0;
    if (!ended) {
        SayWaitRanOut("the program's end", kWaitSeconds);
        TerminateProcess(process_.hProcess, 1);
    }
    return ended;
}

}  // namespace tessaly::driver
