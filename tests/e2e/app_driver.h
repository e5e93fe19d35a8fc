#pragma once

// Drives the real Tessaly.exe from outside its process: starts it, finds its
// windows, types, pastes and clicks with window messages, reads texts back.

#include <windows.h>

#include <string>
#include <vector>

namespace tessaly::e2e {

// The path of Tessaly.exe, set from the command line before the tests run.
void SetProgramPath(const std::string& path);

class RunningApp {
public:
    RunningApp();   // starts the program; check started()
    ~RunningApp();  // ends it if it is still running
    RunningApp(const RunningApp&) = delete;
    RunningApp& operator=(const RunningApp&) = delete;

    bool started() const { return process_.hProcess != nullptr; }

    // The visible main dialog, waiting for it up to `timeoutMs`; null if none.
    HWND WaitForMainDialog(DWORD timeoutMs = 10000);
    // The next visible message box: its text (code page 936 bytes). The box is
    // left open; Dismiss closes it. Empty window if none appears in time.
    HWND WaitForMessageBox(std::string* text, DWORD timeoutMs = 10000);
    // A visible top-level dialog of the program with this caption (ANSI).
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = 10000);
    // A visible top-level dialog of the program other than `known`.
    HWND WaitForOtherDialog(HWND known, DWORD timeoutMs = 10000);
    // Every visible message box text shown until none appears for `quietMs`,
    // each dismissed with OK.
    std::vector<std::string> DismissMessageBoxes(DWORD quietMs = 1500);

    bool WaitForExit(DWORD timeoutMs = 10000);
    DWORD pid() const { return process_.dwProcessId; }

private:
    std::vector<HWND> VisibleDialogs() const;
    PROCESS_INFORMATION process_{};
};

// Control helpers; the messages are those a user's keyboard and mouse cause.
std::string ControlText(HWND dialog, int id);
void TypeText(HWND dialog, int id, const std::string& text);   // WM_CHAR per byte
void PasteText(HWND dialog, int id, const std::string& text);  // clipboard + WM_PASTE
void ClearText(HWND dialog, int id);                           // select all, delete
void ClickButton(HWND dialog, int id);  // posted, so a modal box it opens does not block us
bool IsChecked(HWND dialog, int id);
void Dismiss(HWND box);  // the OK button of a message box or dialog

// Saves the window's picture as a 24-bit BMP (read off the screen).
bool SaveWindowBitmap(HWND window, const std::string& path);

}  // namespace tessaly::e2e
