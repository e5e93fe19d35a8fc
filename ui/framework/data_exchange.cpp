#include "ui/framework/data_exchange.h"

namespace tessaly::ui {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void DataExchange::Text(int controlId, std::string& member) {
    const HWND control = GetDlgItem(dialog_, controlId);
    if (control == nullptr) {
        succeeded_ = false;
        return;
    }
    if (save_) {
        member = WindowText(control);
    } else if (WindowText(control) != member) {
        SetWindowTextA(control, member.c_str());
    }
}

}  // namespace tessaly::ui
