#pragma once
// The system's colour, open and save dialogs live in comdlg32, which brings
// the printing system with it. It is loaded when a dialog is first asked for,
// not at start: linked in, it made the start-up a third slower and the idle
// bar's working set 9 MB larger under Wine.
#include <windows.h>
#include <commdlg.h>

namespace vask::win {

struct CommonDialogs {
    BOOL(WINAPI* chooseColor)(CHOOSECOLORW*) = nullptr;
    BOOL(WINAPI* getOpenFileName)(OPENFILENAMEW*) = nullptr;
    BOOL(WINAPI* getSaveFileName)(OPENFILENAMEW*) = nullptr;
    DWORD(WINAPI* extendedError)() = nullptr;
};

// Loads comdlg32 on the first call and keeps it for the rest of the run;
// throws with the system's message when it cannot be loaded.
const CommonDialogs& commonDialogs();

}  // namespace vask::win
