#pragma once
// Input as the user's hand gives it: SendInput at screen coordinates, so the
// system's own hit testing picks the window, and keys to whatever has the
// focus. Tests of the program drive it this way; messages posted to a known
// handle would test the control, not the program.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace vask::test {

// The centre of a window's rectangle, in screen coordinates.
POINT centreOf(HWND window);
POINT centreOf(const RECT& screenRect);
// The window the system finds under the point, named for a failure message.
std::string describeWindowAt(POINT screen);
std::string describe(HWND window);

void moveMouseTo(POINT screen);
// A left click at a point, with the keys `held` (Shift, say) down meanwhile.
// A second click at the same place waits out the double-click time, as a
// hand that means two clicks does.
void clickAt(POINT screen, std::initializer_list<WORD> held = {});
// The mouse put where it covers no window of the tests (their hover states
// would show in a picture).
void parkMouse();

}  // namespace vask::test
