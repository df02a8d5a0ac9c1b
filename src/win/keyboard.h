#pragma once
// The keyboard's way through a window: the order Tab follows and the
// context-menu request that comes from a key rather than the mouse.
#include <windows.h>

#include <initializer_list>

namespace vask::win {

// Tab (and Shift+Tab) visit the tab stops among a window's children in the
// children's z-order; this puts `order` on top of the others, first first.
void setTabOrder(std::initializer_list<HWND> order);

void setTabStop(HWND control, bool on);

// Shift is held with the key or the click being handled.
bool shiftIsDown();

// WM_CONTEXTMENU sent for Shift+F10 or the menu key, not for the mouse.
bool isKeyboardContextMenu(LPARAM where);

}  // namespace vask::win
