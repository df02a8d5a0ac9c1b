#pragma once
// Alpha blending of a top-level window (the "Transparent" look).
#include <windows.h>

namespace vask::win {

// Turns blending on with `alpha` (0 transparent .. 255 opaque), or off.
inline void setAlphaBlend(HWND window, bool on, BYTE alpha) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, on ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED);
    if (on) SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

inline bool alphaBlended(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

}  // namespace vask::win
