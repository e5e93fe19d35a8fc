#include "ui/framework/dialog_placement.h"

#include "ui/framework/centred_bounds.h"

namespace tessaly::ui {

namespace {

Bounds BoundsOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

void CentreDialog(HWND dialog, HWND owner) {
    const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    RECT window;
    RECT ownerRect;
    if (!GetMonitorInfoW(MonitorFromWindow(overOwner ? owner : dialog, MONITOR_DEFAULTTONEAREST),
                         &monitor) ||
        !GetWindowRect(dialog, &window) || (overOwner && !GetWindowRect(owner, &ownerRect))) {
        return;  // left where the template put it
    }
    const Bounds workArea = BoundsOf(monitor.rcWork);
    const Bounds centred =
        CentredBounds(BoundsOf(window), overOwner ? BoundsOf(ownerRect) : workArea, workArea);
    SetWindowPos(dialog, nullptr, centred.left, centred.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool PlacementBeforeInit::Moved() const {
    RECT now;
    return GetWindowRect(dialog_, &now) && (now.left != before_.left || now.top != before_.top);
}

}  // namespace tessaly::ui
