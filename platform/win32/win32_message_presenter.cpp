#include "platform/win32/win32_message_presenter.h"

#include "platform/win32/utf_conversion.h"

namespace tessaly::win32 {

void Win32MessagePresenter::Show(const std::string& text) {
    MessageBoxW(owner_, Utf8ToWide(text).c_str(), caption_, MB_OK);
}

}  // namespace tessaly::win32
