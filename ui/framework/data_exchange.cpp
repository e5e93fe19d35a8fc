#include "ui/framework/data_exchange.h"

#include "text/utf_conversion.h"

namespace tessaly::ui {

HWND DataExchange::Control(int controlId) {
    const HWND control = GetDlgItem(dialog_, controlId);
    if (control == nullptr) {
        succeeded_ = false;
    }
    return control;
}

void DataExchange::Text(int controlId, std::string& member) {
    const HWND control = Control(controlId);
    if (control == nullptr) {
        return;
    }
    const std::string shown = text::WideToUtf8(WideWindowText<std::wstring>(control));
    if (save_) {
        member = shown;
    } else if (shown != member) {
        SetWindowTextW(control, text::Utf8ToWide(member).c_str());
    }
}

void DataExchange::Radio(int& member, std::initializer_list<RadioChoice> group) {
    for (const RadioChoice& choice : group) {
        const HWND button = Control(choice.controlId);
        if (button == nullptr) {
            continue;
        }
        if (!save_) {
            const WPARAM check = member == choice.value ? BST_CHECKED : BST_UNCHECKED;
            SendMessageW(button, BM_SETCHECK, check, 0);
        } else if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            member = choice.value;
            return;
        }
    }
}

}  // namespace tessaly::ui
