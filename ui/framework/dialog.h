#pragma once

#include "ui/framework/data_exchange.h"
#include "ui/framework/message_table.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tessaly::ui {

// A message handler's answer: the value for the sender, or std::nullopt to
// decline, so that the system's default dialog handling runs instead.
using MessageResult = std::optional<LRESULT>;

// One row of a dialog's message table. Message rows call a handler that sees
// wParam/lParam and may answer; command rows (a click, an edit change) call a
// plain member function.
template <class D>
struct Route {
    RouteKey key;
    MessageResult (D::*onMessage)(WPARAM, LPARAM);
    void (D::*onCommand)();
};

template <class D>
constexpr Route<D> OnMessage(UINT message, MessageResult (D::*handler)(WPARAM, LPARAM)) {
    return {MessageKey(message), handler, nullptr};
}

template <class D>
constexpr Route<D> OnClicked(int controlId, void (D::*handler)()) {
    return {CommandKey(static_cast<std::uint16_t>(controlId), BN_CLICKED), nullptr, handler};
}

template <class D>
constexpr Route<D> OnEditChange(int controlId, void (D::*handler)()) {
    return {CommandKey(static_cast<std::uint16_t>(controlId), EN_CHANGE), nullptr, handler};
}

// A modal dialog made from a dialog template of the executable's resources,
// with the system's default handling for every message. A dialog with
// handlers of its own derives from DialogImpl below.
class Dialog {
public:
    explicit Dialog(UINT templateId, HWND parent = nullptr)
        : templateId_(templateId), parent_(parent) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the dialog, runs its message loop until EndDialog and returns
    // EndDialog's result; -1 when the dialog could not be created.
    INT_PTR RunModal();
    void EndDialog(int result);

    // The window while RunModal runs, nullptr otherwise.
    HWND Handle() const { return handle_; }
    HWND Item(int controlId) const { return GetDlgItem(handle_, controlId); }
    // Moves the keyboard focus to a control the way Tab does, so that the
    // default button and an edit box's selection follow. From OnInitDialog,
    // return false afterwards.
    void FocusControl(int controlId);

    // Runs DoDataExchange: save copies controls into members, load copies
    // members into controls. No control notification reaches the dialog
    // while it runs. False when there is no window or a binding failed.
    bool UpdateData(bool save);

    // From the executable's resources. A missing string is empty; a missing
    // icon is nullptr. The icon is shared and must not be destroyed.
    static std::string LoadStringResource(UINT id);
    static HICON LoadIconResource(UINT id);

protected:
    // Runs after the controls exist, before the dialog shows. The base loads
    // the members into the controls; true lets the system focus the first
    // tab stop. Unless it moves the window, the dialog then opens centred
    // (dialog_placement.h).
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    // IDOK saves the members and ends the dialog; IDCANCEL just ends it.
    virtual void OnOK();
    virtual void OnCancel();
    // The dialog's own handlers; the base has none.
    virtual MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND parent_;
    HWND handle_ = nullptr;
    bool exchanging_ = false;
};

// A dialog whose class T has a message table of its own, declared after its
// handlers as
//     static constexpr ui::Route<T> kMessageTable[] = {...};
// The base finds the table itself: the first row that takes a message calls
// its handler, and a message no row takes gets the default handling.
template <class T>
class DialogImpl : public Dialog {
public:
    using Dialog::Dialog;

protected:
    MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) final {
        const Route<T>* route = FindRoute(T::kMessageTable, message, wParam);
        if (route == nullptr) {
            return std::nullopt;
        }
        T& dialog = static_cast<T&>(*this);
        if (route->onCommand != nullptr) {
            (dialog.*route->onCommand)();
            return 0;
        }
        return (dialog.*route->onMessage)(wParam, lParam);
    }
};

}  // namespace tessaly::ui
