#pragma once

#include <windows.h>

#include <string>

namespace tessaly::ui {

// The whole text of a window as UTF-8, however long.
std::string WindowText(HWND window);
// Sets a window's text from UTF-8.
void SetText(HWND window, const std::string& text);

// One pass of a dialog's data exchange in one direction. DoDataExchange lists
// the bindings; the same list serves both directions.
class DataExchange {
public:
    DataExchange(HWND dialog, bool save) : dialog_(dialog), save_(save) {}
    DataExchange(const DataExchange&) = delete;
    DataExchange& operator=(const DataExchange&) = delete;

    bool Saving() const { return save_; }
    // False once a binding named a control the dialog does not have.
    bool Succeeded() const { return succeeded_; }

    // Saving copies the control's text into `member`. Loading copies `member`
    // into the control, but only when they differ: rewriting an equal text
    // would move the caret and drop the selection for nothing.
    void Text(int controlId, std::string& member);

private:
    HWND dialog_;
    bool save_;
    bool succeeded_ = true;
};

}  // namespace tessaly::ui
