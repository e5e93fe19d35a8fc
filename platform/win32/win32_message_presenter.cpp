#include "platform/win32/win32_message_presenter.h"

namespace tessaly::win32 {

void Win32MessagePresenter::Show(const std::string& text) {
    MessageBoxA(owner_, text.c_str(), caption_, MB_OK);
}

}  // namespace tessaly::win32
