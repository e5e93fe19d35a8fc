#pragma once

#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string>

namespace tessaly::ui {

// A window's whole text in UTF-16, however long, in a string type of the
// caller's choice (one that is wiped, for a secret).
template <class Wide>
Wide WideWindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return Wide();
    }
    Wide text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

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
    // True when controls are copied into members.
    bool Saving() const { return save_; }
    // A binding's control; nullptr, and the exchange failed, when the dialog
    // has none of that id. For bindings of the application's own.
    HWND Control(int controlId);

    // Saving copies the control's text (UTF-8) into `member`. Loading copies
    // `member` into the control, but only when they differ: rewriting an
    // equal text would move the caret and drop the selection for nothing.
    void Text(int controlId, std::string& member);
    // Saving sets `member` to the value of the first checked button (and
    // leaves it when none is); loading checks the button whose value it holds
    // and clears the others, without a click notification.
    void Radio(int& member, std::initializer_list<RadioChoice> group);

private:
    HWND dialog_;
    bool save_;
    bool succeeded_ = true;
};

}  // namespace tessaly::ui
