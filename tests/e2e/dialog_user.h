#pragma once

// Plays the user against Tessaly's dialogs running in this process: the
// program's user interface runs on the test's own thread, the user on a
// second one, sending the messages a keyboard and a mouse cause.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tessaly::e2e {

// A message box as the user saw it before answering it.
struct MessageBoxSeen {
    std::string text;
    HWND owner;
    bool ownerEnabled;  // a modal box disables the window it belongs to
};

class DialogUser {
public:
    // Runs `userInterface` on this thread and `play` on another, once the
    // main dialog shows (message boxes shown before it are answered and kept
    // in shownFirst). Whatever `play` leaves open is closed afterwards.
    static void Play(const std::function<void()>& userInterface,
                     const std::function<void(DialogUser&)>& play);

    HWND dialog() const { return dialog_; }
    const std::vector<MessageBoxSeen>& shownFirst() const { return shownFirst_; }

    std::string Text(int id) const;
    void Type(int id, const std::string& text);   // at the end, a character at a time
    void Paste(int id, const std::string& text);  // over all the text, as one edit
    void Click(int id);                           // posted: a box it opens must not block the user
    bool Checked(int id) const;
    // Keys as the keyboard gives them, to the focused control through the
    // dialog's own message loop; with Shift held when `shift`. Returns at
    // once: wait for what the key does.
    void Press(WORD key, bool shift = false);
    // The control that has the keyboard focus, and its id (0 for none).
    HWND Focus() const;
    int FocusId() const { return GetDlgCtrlID(Focus()); }
    // Waits up to 10 s for `done`; true when it came.
    static bool WaitFor(const std::function<bool()>& done);
    // Answers message boxes with OK, one after another, up to the first whose
    // text starts with `lastPrefix`.
    std::vector<MessageBoxSeen> AnswerBoxesUntil(const std::string& lastPrefix);
    // A window of the user interface's thread other than the main dialog and
    // message boxes (the folder picker, the about box), once it shows.
    HWND WaitForOtherWindow() const;
    void WaitUntilGone(HWND window) const;

private:
    explicit DialogUser(DWORD thread) : thread_(thread) {}
    std::vector<HWND> VisibleWindows() const;
    // The first visible window of the interface's thread that is `wanted`,
    // waited for up to 10 s.
    HWND WaitForWindow(const std::function<bool(HWND)>& wanted) const;
    MessageBoxSeen Answer(HWND box);

    DWORD thread_;
    HWND dialog_ = nullptr;
    std::vector<MessageBoxSeen> shownFirst_;
};

}  // namespace tessaly::e2e
