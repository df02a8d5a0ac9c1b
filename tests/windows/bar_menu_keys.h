#pragma once
// The bar's menu as a keyboard user works it: keys pressed each time the
// open menu waits for input.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "bar/bar_window.h"
#include "test_app.h"

namespace vask::test {

// Watches the bar's menu: where it opens, and the keys to press, one each
// time the open menu waits for input.
struct MenuWatch {
    MenuWatch(HWND bar, std::vector<WORD> keysWhenOpen) : bar(bar), keys(std::move(keysWhenOpen)) {
        SetWindowSubclass(bar, &MenuWatch::watch, 1, reinterpret_cast<DWORD_PTR>(this));
        // A menu that never takes the keys still closes.
        timer = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
    }
    ~MenuWatch() {
        KillTimer(nullptr, timer);
        RemoveWindowSubclass(bar, &MenuWatch::watch, 1);
    }
    static LRESULT CALLBACK watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        auto& self = *reinterpret_cast<MenuWatch*>(data);
        if (message == WM_INITMENUPOPUP && !HIWORD(lParam)) self.opened.push_back(reinterpret_cast<HMENU>(wParam));
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && self.pressed < self.keys.size()) {
            if (self.pressed == 0) GetWindowRect(reinterpret_cast<HWND>(lParam), &self.menuRect);
            press(self.keys[self.pressed++]);
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND bar;
    std::vector<WORD> keys;
    size_t pressed = 0;
    UINT_PTR timer = 0;
    std::vector<HMENU> opened;
    RECT menuRect{};
};

}  // namespace vask::test
