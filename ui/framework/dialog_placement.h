#pragma once

#include <windows.h>

namespace tessaly::ui {

// Centres a dialog on its owner, when the owner shows and is not minimised,
// or else on the work area of the monitor it opens on, keeping all of it
// inside that work area.
void CentreDialog(HWND dialog, HWND owner);

// Where a dialog is when its initialisation begins; it opens centred unless
// the initialisation moved it.
class PlacementBeforeInit {
public:
    explicit PlacementBeforeInit(HWND dialog) : dialog_(dialog) { GetWindowRect(dialog, &before_); }
    bool Moved() const;

private:
    HWND dialog_;
    RECT before_;
};

}  // namespace tessaly::ui
