#pragma once

#include "platform/message_presenter.h"

#include <windows.h>

namespace tessaly::win32 {

// MessageBoxW with an OK button and the exclamation icon under `caption`,
// modal to the owner window (none until the owner is known).
class Win32MessagePresenter : public MessagePresenter {
public:
    explicit Win32MessagePresenter(std::string caption) : caption_(std::move(caption)) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show(const std::string& text) override;

private:
    std::string caption_;
    HWND owner_ = nullptr;
};

}  // namespace tessaly::win32
