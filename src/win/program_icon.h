#pragma once
// The program's icon (resource 1, res/vask.ico) at the size that fits a DPI:
// the icon holds an image drawn for each size Windows asks for at the usual
// scales (16 to 64 pixels, and 256), so none is scaled from another.
#include <windows.h>

#include "win/handles.h"

namespace vask::win {

// The side of the icons a system metric (SM_CXICON, SM_CXSMICON) gives at `dpi`.
int iconSize(int metric, UINT dpi);
// The image of that side, or the one nearest to it scaled; empty when the
// program has no icon.
Icon programIcon(int size);
// Gives a window with a caption or a taskbar button its big and small icons
// for its DPI, again after each change of DPI; the window holds them.
class WindowIcons {
public:
    void apply(HWND window, UINT dpi);

private:
    Icon big_, small_;
};

}  // namespace vask::win
