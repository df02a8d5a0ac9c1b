#include "win/keyboard.h"

#include <windowsx.h>

namespace vask::win {

void setTabOrder(std::initializer_list<HWND> order) {
    HWND after = HWND_TOP;
    for (const HWND control : order) {
        SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control;
    }
}

void setTabStop(HWND control, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    const LONG_PTR wanted = on ? style | WS_TABSTOP : style & ~WS_TABSTOP;
    // Reading the style is the process's own; writing it is a trip to the Wine server.
    if (wanted != style) SetWindowLongPtrW(control, GWL_STYLE, wanted);
}

bool shiftIsDown() { return GetKeyState(VK_SHIFT) < 0; }

bool isKeyboardContextMenu(LPARAM where) { return GET_X_LPARAM(where) == -1 && GET_Y_LPARAM(where) == -1; }

}  // namespace vask::win
