#include "ui/about_box.h"

#include "resources/resource.h"

namespace tessaly {

AboutBox::AboutBox(HWND parent) : ui::Dialog(IDD_LAUNCHER_ABOUT, parent) {}

}  // namespace tessaly
