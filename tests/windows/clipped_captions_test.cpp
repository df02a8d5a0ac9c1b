// Every caption of the history and advanced windows shows whole, at 96 and
// 144 DPI and at any width of the history window: each label's and button's
// text, measured in the control's own font, fits the control's client area,
// and the control fits the window's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "history/history_window.h"
#include "test_app.h"
#include "win/dpi.h"
#include "win/text.h"

namespace vask::test {
namespace {

struct Clipped {
    UINT dpi;  // the window's layout DPI
    std::vector<std::string> captions;
};

BOOL CALLBACK noteIfClipped(HWND control, LPARAM clipped) {
    wchar_t className[16] = {}, text[256] = {};
    GetClassNameW(control, className, 16);
    const bool button = lstrcmpiW(className, L"Button") == 0;
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    const int length = GetWindowTextW(control, text, 256);
    // Drawn glyphs carry their names for automation only.
    if ((!button && lstrcmpiW(className, L"Static") != 0) || !(style & WS_VISIBLE) || length == 0 ||
        (button && (style & BS_TYPEMASK) == BS_OWNERDRAW))
        return TRUE;
    const HWND window = GetParent(control);
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, length, &extent);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    RECT client{}, parent{}, placed{};
    GetClientRect(control, &client);
    GetClientRect(window, &parent);
    GetWindowRect(control, &placed);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
    // A push button keeps its border and focus rectangle around the text.
    auto& [dpi, captions] = *reinterpret_cast<Clipped*>(clipped);
    const int frame = button ? 2 * win::scale(3, dpi) : 0;
    if (extent.cx + frame > client.right || extent.cy > client.bottom || placed.left < 0 || placed.right > parent.right)
        captions.push_back(win::toUtf8(text) + ": " + std::to_string(extent.cx) + "x" + std::to_string(extent.cy) +
                           " in " + std::to_string(client.right) + "x" + std::to_string(client.bottom) + " at " +
                           std::to_string(placed.left) + ".." + std::to_string(placed.right) + " of " +
                           std::to_string(parent.right));
    return TRUE;
}

std::vector<std::string> clippedCaptions(HWND window, UINT dpi) {
    Clipped clipped{dpi, {}};
    EnumChildWindows(window, &noteIfClipped, reinterpret_cast<LPARAM>(&clipped));
    return clipped.captions;
}

// As when the window is moved to a monitor of another DPI: the system's message, the rectangle scaled.
void moveToDpi(HWND window, UINT dpi) {
    const UINT from = win::dpiForWindow(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    const auto rescaled = [&](LONG length) { return MulDiv(length, static_cast<int>(dpi), static_cast<int>(from)); };
    RECT suggested{rect.left, rect.top, rect.left + rescaled(rect.right - rect.left),
                   rect.top + rescaled(rect.bottom - rect.top)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pumpMessages();
}

TEST(ClippedCaptions, NoneInTheHistoryWindowAtAnyWidthNorInTheAdvancedWindow) {
    TestApp test;
    Tfhist& history = test.app->historyWindow();
    Tfext& advanced = test.app->advanced();
    history.Show();
    ShowWindow(history.hwnd(), SW_RESTORE);
    test.app->advanced().xexpandClick();
    for (const UINT dpi : {96u, 144u}) {
        moveToDpi(history.hwnd(), dpi);
        for (const int width : {200, 500, 640, 800, 1000, 1400}) {
            SetWindowPos(history.hwnd(), nullptr, 0, 0, win::scale(width, dpi), win::scale(700, dpi),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            pumpMessages();
            EXPECT_EQ(clippedCaptions(history.hwnd(), dpi), std::vector<std::string>{}) << dpi << " DPI, " << width;
        }
        moveToDpi(advanced.hwnd(), dpi);
        EXPECT_EQ(clippedCaptions(advanced.hwnd(), dpi), std::vector<std::string>{}) << "advanced, " << dpi << " DPI";
    }
}

}  // namespace
}  // namespace vask::test
