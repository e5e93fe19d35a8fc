#include "platform/win32/win32_message_presenter.h"

#include "text/utf_conversion.h"

namespace tessaly::win32 {

void Win32MessagePresenter::Show(const std::string& text) {
    // Every message the program shows is a warning or an outcome to take
    // note of: the exclamation mark.
    MessageBoxW(owner_, text::Utf8ToWide(text).c_str(), text::Utf8ToWide(caption_).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace tessaly::win32
