#include "ui/framework/data_exchange.h"

#include "platform/win32/utf_conversion.h"

namespace tessaly::ui {

namespace {

// A window's whole text in UTF-16, however long.
template <class Wide>
Wide WideWindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    Wide text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

// A window's text in the type of the member it is kept in, and the text
// shown from one; secrets go only through buffers that are wiped.
SecretText TextOf(HWND window, const SecretText&) {
    return win32::SecretWideToUtf8(WideWindowText<SecretWideText>(window).view());
}
std::string TextOf(HWND window, const std::string&) {
    return win32::WideToUtf8(WideWindowText<std::wstring>(window));
}
void Show(HWND window, const SecretText& text) {
    SetWindowTextW(window, win32::SecretUtf8ToWide(text.view()).c_str());
}
void Show(HWND window, const std::string& text) {
    SetWindowTextW(window, win32::Utf8ToWide(text).c_str());
}

}  // namespace

std::string WindowText(HWND window) {
    return TextOf(window, std::string());
}

void SetText(HWND window, const std::string& text) {
    Show(window, text);
}

HWND DataExchange::Control(int controlId) {
    const HWND control = GetDlgItem(dialog_, controlId);
    if (control == nullptr) {
        succeeded_ = false;
    }
    return control;
}

template <class Member>
void DataExchange::ExchangeText(int controlId, Member& member) {
    const HWND control = Control(controlId);
    if (control == nullptr) {
        return;
    }
    if (save_) {
        member = TextOf(control, member);
    } else if (TextOf(control, member) != member) {
        Show(control, member);
    }
}

void DataExchange::Text(int controlId, std::string& member) {
    ExchangeText(controlId, member);
}

void DataExchange::Text(int controlId, SecretText& member) {
    ExchangeText(controlId, member);
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
