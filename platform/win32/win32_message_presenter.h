#pragma once

#include "platform/message_presenter.h"

#include <windows.h>

namespace tessaly::win32 {

// MessageBoxW with an OK button, the exclamation icon and the application's
// title as caption, modal to the owner window (none until the owner is known).
class Win32MessagePresenter : public MessagePresenter {
public:
    explicit Win32MessagePresenter(const wchar_t* caption, HWND owner = nullptr)
        : caption_(caption), owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show(const std::string& text) override;

private:
    const wchar_t* caption_;
    HWND owner_;
};

}  // namespace tessaly::win32
