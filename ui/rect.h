// A window rectangle in client coordinates of its parent, as Win32's RECT: right and bottom
// are one past the last pixel.
#pragma once

namespace vela::ui {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

}  // namespace vela::ui
