#pragma once
// Plain screen geometry shared by the windows' placement rules.

namespace vask {

struct Point {
    int x = 0;
    int y = 0;
};

// A screen rectangle; right and bottom lie just outside it, as in Windows.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

// The size of the primary screen in pixels.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

}  // namespace vask
