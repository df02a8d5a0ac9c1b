#include "bar/hotkey.h"

#include "win/text.h"

namespace vask {

std::string windowsKeyName(unsigned virtualKey) {
    // The extended scan code tells "Page Down" from the keypad's "Num 3".
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC_EX);
    if (!scan) return {};
    const LONG keyData = static_cast<LONG>(((scan & 0xFF) << 16) | ((scan & 0xFF00) ? 1u << 24 : 0));
    wchar_t name[64] = {};
    const int length = GetKeyNameTextW(keyData, name, 64);
    return length > 0 ? win::toUtf8(std::wstring_view(name, static_cast<size_t>(length))) : std::string{};
}

bool BarHotkey::take(HWND window, const Hotkey& hotkey) {
    release();
    if (hotkey.none()) return true;
    // MOD_NOREPEAT: holding the keys down calls the bar once, not back and forth.
    if (!RegisterHotKey(window, Id, hotkey.modifiers | MOD_NOREPEAT, hotkey.key)) return false;
    window_ = window;
    return true;
}

void BarHotkey::release() {
    if (window_) UnregisterHotKey(window_, Id);
    window_ = nullptr;
}

void BarHotkey::remember(HWND active) {
    DWORD process = 0;
    GetWindowThreadProcessId(active, &process);
    if (active && process != GetCurrentProcessId()) previous_ = active;
}

void BarHotkey::giveBack() {
    if (previous_ && IsWindow(previous_)) SetForegroundWindow(previous_);
    previous_ = nullptr;
}

}  // namespace vask
