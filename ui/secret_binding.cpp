#include "ui/secret_binding.h"

#include "text/utf_conversion.h"

namespace tessaly {

void ExchangeSecret(ui::DataExchange& dx, int controlId, SecretText& member) {
    const HWND control = dx.Control(controlId);
    if (control == nullptr) {
        return;
    }
    const SecretText shown =
        text::WideToUtf8<SecretText>(ui::WideWindowText<SecretWideText>(control).view());
    if (dx.Saving()) {
        member = shown;
    } else if (shown != member) {
        SetWindowTextW(control, text::Utf8ToWide<SecretWideText>(member.view()).c_str());
    }
}

}  // namespace tessaly
