#pragma once

// Where a dialog opens, as plain integers: no windows.h, so it builds and is
// tested on any host. dialog_placement.cpp gives it the system's rectangles.

namespace tessaly::ui {

// Screen coordinates; right and bottom are one past the last pixel, as in RECT.
struct Bounds {
    int left, top, right, bottom;
};

constexpr bool operator==(const Bounds& a, const Bounds& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Where one side of a window of `size` goes: centred on [from, to), then
// moved inside [first, last) so none of it is off-screen; when it is bigger
// than that, its start shows.
constexpr int CentredStart(int size, int from, int to, int first, int last) {
    int start = from + (to - from - size) / 2;
    start = start + size > last ? last - size : start;
    return start < first ? first : start;
}

// `window` moved, not resized, to the middle of `over` (its owner, or the
// work area itself) and into `workArea`.
constexpr Bounds CentredBounds(const Bounds& window, const Bounds& over, const Bounds& workArea) {
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = CentredStart(width, over.left, over.right, workArea.left, workArea.right);
    const int top = CentredStart(height, over.top, over.bottom, workArea.top, workArea.bottom);
    return {left, top, left + width, top + height};
}

}  // namespace tessaly::ui
