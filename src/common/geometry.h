#pragma once
// Plain screen geometry shared by the windows' placement rules.

namespace vask {

struct Point {
    int x = 0;
    int y = 0;
};

// The size of the primary screen in pixels.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

}  // namespace vask
