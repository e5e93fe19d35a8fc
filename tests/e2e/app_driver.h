#pragma once

// Drives the real Tessaly.exe from outside its process: starts it, finds its
// windows, types, pastes and clicks with window messages, reads texts back.
// Texts are UTF-8; the messages sent are the Unicode ones.

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

    // Waits for the main dialog to show, answering with OK the message boxes
    // shown before it (their texts go to `shownFirst`). Null if it never shows.
    HWND OpenMainDialog(std::vector<std::string>* shownFirst, DWORD timeoutMs = 20000);
    // The next visible message box and its text. The box is
    // left open; Dismiss closes it. Empty window if none appears in time.
    HWND WaitForMessageBox(std::string* text, DWORD timeoutMs = 10000);
    // A visible top-level dialog of the program with this caption.
    HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = 10000);
    // A visible top-level dialog of the program other than `known`.
    HWND WaitForOtherDialog(HWND known, DWORD timeoutMs = 10000);
    // Answers message boxes with OK, one after another, up to and including
    // the first whose text starts with `lastPrefix`; returns their texts.
    std::vector<std::string> DismissMessageBoxesUntil(const std::string& lastPrefix,
                                                      DWORD timeoutMs = 20000);

    bool WaitForExit(DWORD timeoutMs = 10000);
    DWORD pid() const { return process_.dwProcessId; }

private:
    std::vector<HWND> VisibleDialogs() const;
    PROCESS_INFORMATION process_{};
};

// Polls `condition` until it holds or `timeoutMs` passes.
bool Eventually(bool (*condition)(HWND, int), HWND dialog, int id, DWORD timeoutMs = 10000);

// Control helpers; the messages are those a user's keyboard and mouse cause.
std::string ControlText(HWND dialog, int id);
void TypeText(HWND dialog, int id, const std::string& text);   // WM_CHAR per UTF-16 unit
void PasteText(HWND dialog, int id, const std::string& text);  // clipboard + WM_PASTE
void ClearText(HWND dialog, int id);                           // select all, delete
void ClickButton(HWND dialog, int id);  // posted, so a modal box it opens does not block us
bool IsChecked(HWND dialog, int id);
void Dismiss(HWND box);  // the OK button of a message box or dialog

// Saves the window's picture as a 24-bit BMP (read off the screen).
bool SaveWindowBitmap(HWND window, const std::string& path);

}  // namespace tessaly::e2e
