#pragma once

// Plays a user against Tessaly's windows from outside its code: finds them,
// waits for them, types into them and answers their message boxes. The
// demonstration drives Tessaly.exe with it from another process, the dialog
// tests drive the dialogs in their own process from a second thread.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tessaly::driver {

// The windows to look among: the visible top-level windows of a process, as
// they are at the time of the call.
using WindowList = std::function<std::vector<HWND>()>;
WindowList WindowsOfProcess(DWORD process);

// What each wait may take: what it waits for takes well under a second on an
// idle machine (a program's first window, a few seconds), so a wait that runs
// out is a broken set-up or a hung program, never a slow machine.
constexpr int kWaitSeconds = 60;
constexpr int kFirstWindowSeconds = 120;

// Calls `done` every 50 ms until it says so; true then. A wait that runs out
// is a set-up failure, not a verdict: it says "set-up failure: <what> did not
// happen within N s" on stderr and returns false.
bool WaitFor(const char* what, const std::function<bool()>& done, int seconds = kWaitSeconds);
// The first of `windows` that is `wanted`, waited for; nullptr if none came.
HWND WaitForWindow(const char* what, const WindowList& windows,
                   const std::function<bool(HWND)>& wanted, int seconds = kWaitSeconds);
bool WaitUntilGone(HWND window);

// A window's whole text, through WM_GETTEXT, which reads another process's
// controls too.
std::string Text(HWND window);
// Types `text` a character at a time where the caret is.
void Type(HWND control, const std::string& text);

bool IsMessageBox(HWND window);
// A message box as the user saw it before answering it.
struct MessageBoxSeen {
    std::string text;  // as read: without the zero-width spaces a path wraps at
    RECT frame;
    HWND owner;
    bool ownerEnabled;  // a modal box disables the window it belongs to
    HICON icon;         // the system icon it shows, or nullptr
};
// Presses OK and waits until the box is gone.
MessageBoxSeen Answer(HWND box);
// Answers message boxes among `windows`, one after another, up to the first
// whose text starts with `lastPrefix` (or until none comes, a set-up failure).
std::vector<MessageBoxSeen> AnswerBoxesUntil(const WindowList& windows,
                                             const std::string& lastPrefix);

// The first of `windows` that is not a message box, once it shows, with the
// boxes shown before it answered and added to `shownFirst`; nullptr if none
// came.
HWND WaitForMainWindow(const WindowList& windows, std::vector<MessageBoxSeen>* shownFirst,
                       int seconds = kWaitSeconds);

// A program started for the user to drive; its handles are closed when this goes.
class Program {
public:
    // Starts `path`; a Linux path, as ctest gives it, is on Wine's drive Z:.
    explicit Program(const std::string& path);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return process_.hProcess != nullptr; }
    HANDLE handle() const { return process_.hProcess; }
    const WindowList& windows() const { return windows_; }
    // Its main window, as WaitForMainWindow finds it, with the time a first
    // start under Wine takes.
    HWND WaitForMainWindow(std::vector<MessageBoxSeen>* shownFirst);
    // True once it has ended by itself; if it has not within the wait, that is
    // said as a set-up failure and it is ended.
    bool WaitUntilEnded();

private:
    PROCESS_INFORMATION process_ = {};
    WindowList windows_;
};

}  // namespace tessaly::driver
