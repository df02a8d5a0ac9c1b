#pragma once
// A window shown modally: its owner takes no input until it is done.
#include <windows.h>

#include <functional>

namespace vask::win {

// Shows `window`, disables its owner and runs the program's messages until
// `done()` holds or the window is gone; then enables the owner first (so
// the activation returns to it, not to another program) and hides the
// window. A WM_QUIT met meanwhile is posted again for the outer loop.
void runModal(HWND window, const std::function<bool()>& done);

}  // namespace vask::win
