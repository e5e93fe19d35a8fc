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

void DataExchange::Text(int controlId, std::string& member) {
    const HWND control = GetDlgItem(dialog_, controlId);
    if (control == nullptr) {
        succeeded_ = false;
        return;
    }
    if (save_) {
        member = WindowText(control);
    } else if (WindowText(control) != member) {
        SetText(control, member);
    }
}

}  // namespace tessaly::ui
