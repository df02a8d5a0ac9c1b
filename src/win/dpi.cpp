#include "win/dpi.h"

#include "win/newer_api.h"

namespace vask::win {

UINT systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT dpiForWindow(HWND window) {
    if (const auto getDpi = newerApi().getDpiForWindow) {
        const UINT dpi = getDpi(window);
        if (dpi > 0) return dpi;
    }
    return systemDpi();
}

UINT acceptDpiChange(HWND window, WPARAM wParam, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return HIWORD(wParam);
}

}  // namespace vask::win
