#include "tests/e2e/app_driver.h"

#include "platform/win32/utf_conversion.h"

#include <cstdio>
#include <cstring>

namespace tessaly::e2e {

namespace {

std::string programPath;

constexpr DWORD kPollMs = 50;
constexpr int kMessageBoxTextId = 0xFFFF;  // the static that holds a message box's text

// WM_GETTEXT, not GetWindowText: for another process's window the latter
// gives a cached caption, never an edit control's text.
std::string WindowText(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return win32::WideToUtf8(text);
}

bool IsDialogClass(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770";
}

template <class Predicate>
HWND WaitFor(DWORD timeoutMs, Predicate find) {
    for (DWORD waited = 0;; waited += kPollMs) {
        if (HWND found = find()) {
            return found;
        }
        if (waited >= timeoutMs) {
            return nullptr;
        }
        Sleep(kPollMs);
    }
}

}  // namespace

void SetProgramPath(const std::string& path) {
    programPath = path;
}

RunningApp::RunningApp() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    const std::wstring program = win32::Utf8ToWide(programPath);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        process_ = {};
    }
}

RunningApp::~RunningApp() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

struct DialogSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window) && IsDialogClass(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> RunningApp::VisibleDialogs() const {
    DialogSearch search{process_.dwProcessId, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningApp::OpenMainDialog(std::vector<std::string>* shownFirst, DWORD timeoutMs) {
    return WaitFor(timeoutMs, [this, shownFirst]() -> HWND {
        for (HWND window : VisibleDialogs()) {
            if (WindowText(window).rfind("Tessaly V1.0", 0) == 0) {
                return window;
            }
            if (HWND text = GetDlgItem(window, kMessageBoxTextId)) {
                shownFirst->push_back(WindowText(text));
                Dismiss(window);
                WaitFor(5000, [window]() -> HWND { return IsWindow(window) ? nullptr : window; });
            }
        }
        return nullptr;
    });
}

HWND RunningApp::WaitForMessageBox(std::string* text, DWORD timeoutMs) {
    HWND box = WaitFor(timeoutMs, [this]() -> HWND {
        for (HWND window : VisibleDialogs()) {
            if (GetDlgItem(window, kMessageBoxTextId) != nullptr) {
                return window;
            }
        }
        return nullptr;
    });
    if (box != nullptr) {
        *text = WindowText(GetDlgItem(box, kMessageBoxTextId));
    }
    return box;
}

HWND RunningApp::WaitForDialog(const std::string& caption, DWORD timeoutMs) {
    return WaitFor(timeoutMs, [this, &caption]() -> HWND {
        for (HWND window : VisibleDialogs()) {
            if (WindowText(window) == caption) {
                return window;
            }
        }
        return nullptr;
    });
}

HWND RunningApp::WaitForOtherDialog(HWND known, DWORD timeoutMs) {
    return WaitFor(timeoutMs, [this, known]() -> HWND {
        for (HWND window : VisibleDialogs()) {
            if (window != known) {
                return window;
            }
        }
        return nullptr;
    });
}

std::vector<std::string> RunningApp::DismissMessageBoxesUntil(const std::string& lastPrefix,
                                                              DWORD timeoutMs) {
    std::vector<std::string> texts;
    std::string text;
    while (HWND box = WaitForMessageBox(&text, timeoutMs)) {
        texts.push_back(text);
        Dismiss(box);
        // Wait for this box to go before looking for the next one.
        WaitFor(5000, [box]() -> HWND { return IsWindow(box) ? nullptr : box; });
        if (text.rfind(lastPrefix, 0) == 0) {
            break;
        }
    }
    return texts;
}

bool Eventually(bool (*condition)(HWND, int), HWND dialog, int id, DWORD timeoutMs) {
    return WaitFor(timeoutMs, [=]() -> HWND { return condition(dialog, id) ? dialog : nullptr; }) !=
           nullptr;
}

bool RunningApp::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

std::string ControlText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void TypeText(HWND dialog, int id, const std::string& text) {
    HWND control = GetDlgItem(dialog, id);
    SendMessageW(control, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);  // at the end, like a user
    for (wchar_t c : win32::Utf8ToWide(text)) {
        SendMessageW(control, WM_CHAR, c, 1);
    }
}

void PasteText(HWND dialog, int id, const std::string& text) {
    const std::wstring wide = win32::Utf8ToWide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (memory != nullptr) {
            std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
            GlobalUnlock(memory);
            if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
                GlobalFree(memory);
            }
        }
        CloseClipboard();
    }
    HWND control = GetDlgItem(dialog, id);
    SendMessageW(control, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    SendMessageW(control, WM_PASTE, 0, 0);
}

void ClearText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    SendMessageW(control, EM_SETSEL, 0, -1);
    SendMessageW(control, WM_CLEAR, 0, 0);
}

void ClickButton(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Dismiss(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

bool SaveWindowBitmap(HWND window, const std::string& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();

    const DWORD stride = ((width * 3) + 3) & ~3;
    const DWORD imageSize = stride * height;
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + imageSize;
    bool saved = false;
    if (FILE* file = _wfopen(win32::Utf8ToWide(path).c_str(), L"wb")) {
        saved = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
                std::fwrite(bits, imageSize, 1, file) == 1;
        std::fclose(file);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}  // namespace tessaly::e2e
