#pragma once
// Checks of a window as the user sees it: every control lies on top where it
// stands, and the window looks as its reference picture does.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vask::test {

// The DPI this run draws at (the system's, chosen with --dpi= at start).
UINT screenDpi();

// The visible controls of `window` that the system does not find at their
// centre, each with what it finds there instead. A control that the system
// passes over (disabled, or letting the mouse through with HTTRANSPARENT as a
// plain label or the logo does) counts when it is the topmost sibling there.
// A panel that fills the window must be its bottom child.
std::vector<std::string> controlsUnderOthers(HWND window);

// Lets the windows paint what they have to paint, with the mouse out of the
// way, as a user's screen shows them a moment later.
void settleScreen();

// Compares `window` as the screen shows it with the reference picture
// "<name>-<dpi>.png" under tests/screen/reference, allowing a few pixels for
// the caret; the picture taken is written to the screenshots folder either
// way (VASK_SCREENSHOTS, else "screenshots" in the current folder).
void expectLooksAsItsReference(HWND window, const std::string& name);

// Runs `check` once the modal loop about to start has run for a moment:
// for windows that are shown by a modal call.
void whenModalShows(std::function<void()> check);

}  // namespace vask::test
