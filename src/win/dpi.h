#pragma once
// Every layout number is written in 96-DPI units and goes through scale().
#include <windows.h>

namespace vask::win {

// The DPI of the monitor a window is on (96 where the system cannot tell).
UINT dpiForWindow(HWND window);
UINT systemDpi();

inline int scale(int units, UINT dpi) { return MulDiv(units, static_cast<int>(dpi), 96); }

// Font height in pixels for a size in points at a DPI (negative: character height).
inline int fontHeight(int points, UINT dpi) { return -MulDiv(points, static_cast<int>(dpi), 72); }

// WM_DPICHANGED: moves the window to the rectangle the system suggests and
// returns the new DPI, for the window to lay itself out again.
UINT acceptDpiChange(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace vask::win
