#include "ui/framework/dialog.h"

#include "text/utf_conversion.h"
#include "ui/framework/dialog_placement.h"

namespace tessaly::ui {

static_assert(kCommandMessage == WM_COMMAND, "message_table.h must agree with windows.h");

namespace {

// For these messages the dialog procedure's return value is the answer
// itself; for all others it only says "handled" and the answer goes in
// DWLP_MSGRESULT.
bool ReturnsAnswerDirectly(UINT message) {
    switch (message) {
        case WM_CHARTOITEM:
        case WM_COMPAREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON:
        case WM_VKEYTOITEM:
            return true;
        default:
            return false;
    }
}

HINSTANCE ExecutableModule() {
    return GetModuleHandleW(nullptr);
}

// Restores the previous value on every path, so a nested UpdateData does not
// end the outer one's lockout early.
class ExchangeLockout {
public:
    explicit ExchangeLockout(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ExchangeLockout() { flag_ = previous_; }
    ExchangeLockout(const ExchangeLockout&) = delete;
    ExchangeLockout& operator=(const ExchangeLockout&) = delete;

private:
    bool& flag_;
    bool previous_;
};

}  // namespace

INT_PTR Dialog::RunModal() {
    if (handle_ != nullptr) {
        return -1;  // already running; one window per object
    }
    const INT_PTR result =
        DialogBoxParamW(ExecutableModule(), MAKEINTRESOURCEW(templateId_), parent_,
                        &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
    handle_ = nullptr;
    return result;
}

void Dialog::EndDialog(int result) {
    ::EndDialog(handle_, result);
}

void Dialog::FocusControl(int controlId) {
    SendMessageW(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(controlId)), TRUE);
}

bool Dialog::UpdateData(bool save) {
    if (handle_ == nullptr) {
        return false;
    }
    ExchangeLockout lockout(exchanging_);
    DataExchange dx(handle_, save);
    DoDataExchange(dx);
    return dx.Succeeded();
}

std::string Dialog::LoadStringResource(UINT id) {
    // With no buffer, LoadStringW hands out the resource's own text and its
    // length, so nothing can be cut short.
    const wchar_t* resource = nullptr;
    const int length = LoadStringW(ExecutableModule(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    return length > 0 ? text::WideToUtf8({resource, static_cast<std::size_t>(length)}) : "";
}

HICON Dialog::LoadIconResource(UINT id) {
    return LoadIconW(ExecutableModule(), MAKEINTRESOURCEW(id));
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    // A failed binding is a fault of the template, not of the user: OK still
    // closes.
    UpdateData(true);
    EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

MessageResult Dialog::RouteMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->handle_ = window;
        const PlacementBeforeInit placement(window);
        const bool focusFirst = dialog->OnInitDialog();
        if (!placement.Moved()) {
            CentreDialog(window, GetWindow(window, GW_OWNER));
        }
        return focusFirst ? TRUE : FALSE;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;  // creation messages (WM_SETFONT...) come before WM_INITDIALOG
    }
    return dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A control notification carries the control's window in lParam; during
    // an exchange these are echoes of the exchange itself, not the user.
    if (message == WM_COMMAND && lParam != 0 && exchanging_) {
        return TRUE;
    }
    if (const MessageResult answer = RouteMessage(message, wParam, lParam)) {
        if (ReturnsAnswerDirectly(message)) {
            return static_cast<INT_PTR>(*answer);
        }
        SetWindowLongPtrW(handle_, DWLP_MSGRESULT, *answer);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDOK:
                OnOK();
                return TRUE;
            case IDCANCEL:
                OnCancel();
                return TRUE;
            default:
                break;
        }
    }
    return FALSE;  // the system's default dialog handling
}

}  // namespace tessaly::ui
