#pragma once
// What the screen shows, as the user sees it: captured from the screen's own
// pixels (so a window or sibling lying over another shows as it lies), kept
// and read back as PNG files, and compared with a little tolerance.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vask::test {

struct ScreenPicture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // row by row, top row first
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The screen's pixels in `area` (screen coordinates).
ScreenPicture captureScreen(const RECT& area);
// A window's client area as it shows on the screen. (Its frame is the
// system's, drawn by the window manager, of which a test display has none.)
ScreenPicture captureClient(HWND window);

// PNG files through the system's imaging component; nullopt when the file
// cannot be read as a picture. writePng throws when it cannot write.
std::optional<ScreenPicture> readPng(const std::wstring& path);
void writePng(const std::wstring& path, const ScreenPicture& picture);

// How many pixels differ by more than `tolerance` in any colour channel; a
// picture of another size differs everywhere.
size_t differingPixels(const ScreenPicture& a, const ScreenPicture& b, int tolerance = 0);

}  // namespace vask::test
