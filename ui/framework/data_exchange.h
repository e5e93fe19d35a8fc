#pragma once

#include "core/secret_text.h"

#include <windows.h>

#include <initializer_list>
#include <string>

namespace tessaly::ui {

// The whole text of a window as UTF-8, however long.
std::string WindowText(HWND window);
// Sets a window's text from UTF-8.
void SetText(HWND window, const std::string& text);

// One radio button of a group bound to an integer, and the value it stands for.
struct RadioChoice {
    int controlId;
    int value;
};

// One pass of a dialog's data exchange in one direction. DoDataExchange lists
// the bindings; the same list serves both directions.
class DataExchange {
public:
    DataExchange(HWND dialog, bool save) : dialog_(dialog), save_(save) {}
    DataExchange(const DataExchange&) = delete;
    DataExchange& operator=(const DataExchange&) = delete;

    // False once a binding named a control the dialog does not have.
    bool Succeeded() const { return succeeded_; }

    // Saving copies the control's text into `member`. Loading copies `member`
    // into the control, but only when they differ: rewriting an equal text
    // would move the caret and drop the selection for nothing.
    void Text(int controlId, std::string& member);
    // The same for a secret, through buffers that are wiped.
    void Text(int controlId, SecretText& member);
    // Saving sets `member` to the value of the first checked button (and
    // leaves it when none is); loading checks the button whose value it holds
    // and clears the others, without a click notification.
    void Radio(int& member, std::initializer_list<RadioChoice> group);

private:
    HWND Control(int controlId);
    template <class Member>
    void ExchangeText(int controlId, Member& member);

    HWND dialog_;
    bool save_;
    bool succeeded_ = true;
};

}  // namespace tessaly::ui
