#pragma once

// Plays the user against Tessaly's dialogs running in this process: the
// program's user interface runs on the test's own thread, the user on a
// second one, with the window driver the demonstration uses too.

#include "tools/driver/window_driver.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tessaly::e2e {

using driver::MessageBoxSeen;

class DialogUser {
public:
    // Runs `userInterface` on this thread and `play` on another, once the
    // main dialog shows (message boxes shown before it are answered and kept
    // in shownFirst). Whatever `play` leaves open is closed afterwards.
    static void Play(const std::function<void()>& userInterface,
                     const std::function<void(DialogUser&)>& play);

    HWND dialog() const { return dialog_; }
    const std::vector<MessageBoxSeen>& shownFirst() const { return shownFirst_; }

    std::string Text(int id) const { return driver::Text(GetDlgItem(dialog_, id)); }
    void Type(int id, const std::string& text);   // at the end, a character at a time
    void Paste(int id, const std::string& text);  // over all the text, as one edit
    void Click(int id);                           // posted: a box it opens must not block the user
    bool Checked(int id) const;
    // Keys as the keyboard gives them, to the focused control through the
    // dialog's own message loop. Returns at once: wait for what the key does.
    void Press(WORD key);
    // The control that has the keyboard focus, and its id (0 for none).
    HWND Focus() const;
    int FocusId() const { return GetDlgCtrlID(Focus()); }
    // Answers message boxes with OK up to the first whose text starts with
    // `lastPrefix`.
    std::vector<MessageBoxSeen> AnswerBoxesUntil(const std::string& lastPrefix) const {
        return driver::AnswerBoxesUntil(windows_, lastPrefix);
    }
    // A window of the user interface's thread other than the main dialog and
    // message boxes (the folder picker, the about box), once it shows.
    HWND WaitForOtherWindow() const;

private:
    explicit DialogUser(DWORD thread)
        : thread_(thread), windows_(driver::WindowsOfThread(thread)) {}

    DWORD thread_;
    driver::WindowList windows_;
    HWND dialog_ = nullptr;
    std::vector<MessageBoxSeen> shownFirst_;
};

}  // namespace tessaly::e2e
