#pragma once
// The bar's global hotkey: registered for the bar's window, and the window
// that was active before the hotkey called the bar, to give the activation back.
#include <windows.h>

#include <string>

#include "common/hotkey_text.h"

namespace vask {

// The name the user's keyboard gives a virtual key ("Page Down"); empty when none.
std::string windowsKeyName(unsigned virtualKey);

class BarHotkey {
public:
    static constexpr int Id = 1;  // wParam of the bar's WM_HOTKEY

    BarHotkey() = default;
    ~BarHotkey() { release(); }
    BarHotkey(const BarHotkey&) = delete;
    BarHotkey& operator=(const BarHotkey&) = delete;

    // Registers `hotkey` for `window` in place of the one before (none: no
    // hotkey); false when another program holds the combination.
    bool take(HWND window, const Hotkey& hotkey);
    void release();

    // The active window when the hotkey called the bar; the bar's own
    // windows are never remembered.
    void remember(HWND active);
    // Activates the remembered window when it still exists.
    void giveBack();

private:
    HWND window_ = nullptr;  // registered for; null when no hotkey is
    HWND previous_ = nullptr;
};

}  // namespace vask
