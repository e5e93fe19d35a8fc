#include "ui/framework/data_exchange.h"

#include "core/secure_wipe.h"
#include "platform/win32/utf_conversion.h"

namespace tessaly::ui {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    std::string utf8 = win32::WideToUtf8(text);
    SecureWipe(text);  // the text may be a password
    return utf8;
}

void SetText(HWND window, const std::string& text) {
    SetWindowTextW(window, win32::Utf8ToWide(text).c_str());
}

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
    if (save_) {
        member = WindowText(control);
    } else if (WindowText(control) != member) {
        SetText(control, member);
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
