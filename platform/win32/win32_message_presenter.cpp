#include "platform/win32/win32_message_presenter.h"

#include "platform/win32/utf_conversion.h"

namespace tessaly::win32 {

void Win32MessagePresenter::Show(const std::string& text) {
    // The exclamation mark of the dialog framework the program was designed
    // on, which it gives every OK box that names no icon of its own.
    MessageBoxW(owner_, Utf8ToWide(text).c_str(), caption_, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace tessaly::win32
