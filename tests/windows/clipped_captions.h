#pragma once
// Finds captions a window cannot show whole: each label's and button's text,
// measured in the control's own font, against the control's client area and
// against the window's client area.
#include <windows.h>

#include <string>
#include <vector>

#include "win/dpi.h"
#include "win/text.h"

namespace vask::test {

// One line per caption that does not fit, saying by how much; empty when all do.
inline std::vector<std::string> clippedCaptions(HWND window, UINT dpi) {
    struct Search {
        HWND window;
        UINT dpi;
        std::vector<std::string> found;
    } search{window, dpi, {}};
    EnumChildWindows(
        window,
        [](HWND control, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            wchar_t className[32] = {};
            GetClassNameW(control, className, 32);
            const bool button = lstrcmpiW(className, L"Button") == 0, label = lstrcmpiW(className, L"Static") == 0;
            const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
            // Drawn glyphs carry their names for automation only.
            if (!(button || label) || !(style & WS_VISIBLE) || (button && (style & BS_TYPEMASK) == BS_OWNERDRAW))
                return TRUE;
            wchar_t text[256] = {};
            const int length = GetWindowTextW(control, text, 256);
            if (length == 0) return TRUE;

            const HDC dc = GetDC(control);
            const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
            SIZE extent{};
            GetTextExtentPoint32W(dc, text, length, &extent);
            SelectObject(dc, old);
            ReleaseDC(control, dc);

            // A push button keeps its border and focus rectangle around the text.
            const int frame = button ? 2 * win::scale(3, search.dpi) : 0;
            RECT client{}, parent{}, placed{};
            GetClientRect(control, &client);
            GetClientRect(search.window, &parent);
            GetWindowRect(control, &placed);
            MapWindowPoints(nullptr, search.window, reinterpret_cast<POINT*>(&placed), 2);
            const std::string name = win::toUtf8(text);
            if (extent.cx + frame > client.right || extent.cy > client.bottom)
                search.found.push_back("\"" + name + "\": text " + std::to_string(extent.cx) + "x" +
                                       std::to_string(extent.cy) + " in " + std::to_string(client.right) + "x" +
                                       std::to_string(client.bottom));
            else if (placed.left < 0 || placed.right > parent.right)
                search.found.push_back("\"" + name + "\": " + std::to_string(placed.left) + ".." +
                                       std::to_string(placed.right) + " cut by the window's " +
                                       std::to_string(parent.right));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window as moved to a monitor of DPI `to`: the system's message, with the rectangle scaled to it.
inline void moveToDpi(HWND window, UINT from, UINT to) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const auto rescaled = [&](LONG length) { return MulDiv(length, static_cast<int>(to), static_cast<int>(from)); };
    RECT suggested{rect.left, rect.top, rect.left + rescaled(rect.right - rect.left),
                   rect.top + rescaled(rect.bottom - rect.top)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace vask::test
