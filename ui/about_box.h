#pragma once

#include "ui/framework/dialog.h"

namespace tessaly {

// "关于 Tessaly": the icon, the version and a credit line; OK closes it.
class AboutBox : public ui::Dialog {
public:
    explicit AboutBox(HWND parent);
};

}  // namespace tessaly
