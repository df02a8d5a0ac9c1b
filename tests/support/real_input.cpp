#include "real_input.h"

#include <vector>

namespace vask::test {
namespace {

INPUT mouseInput(DWORD flags, POINT screen = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Normalised to 0..65535 over the primary screen, rounded up so the
        // system's conversion back lands on the same pixel.
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = (screen.x * 65536 + width - 1) / width;
        input.mi.dy = (screen.y * 65536 + height - 1) / height;
    }
    return input;
}

INPUT keyInput(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return input;
}

}  // namespace

POINT centreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

POINT centreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return centreOf(rect);
}

std::string describe(HWND window) {
    if (!window) return "no window";
    char className[64] = {}, text[64] = {};
    GetClassNameA(window, className, sizeof(className));
    GetWindowTextA(window, text, sizeof(text));
    return std::string(className) + " \"" + text + "\" (id " + std::to_string(GetDlgCtrlID(window)) + ")";
}

std::string describeWindowAt(POINT screen) { return describe(WindowFromPoint(screen)); }

void moveMouseTo(POINT screen) {
    INPUT move = mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    SendInput(1, &move, sizeof(INPUT));
}

void clickAt(POINT screen, std::initializer_list<WORD> held) {
    static POINT lastPoint{-1, -1};
    static DWORD lastTime = 0;
    const DWORD sinceLast = GetTickCount() - lastTime;
    if (screen.x == lastPoint.x && screen.y == lastPoint.y && sinceLast <= GetDoubleClickTime())
        Sleep(GetDoubleClickTime() - sinceLast + 50);
    std::vector<INPUT> inputs;
    for (const WORD key : held) inputs.push_back(keyInput(key, true));
    inputs.push_back(mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen));
    inputs.push_back(mouseInput(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(mouseInput(MOUSEEVENTF_LEFTUP));
    for (const WORD key : held) inputs.push_back(keyInput(key, false));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    lastPoint = screen;
    lastTime = GetTickCount();
}

void parkMouse() { moveMouseTo({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1}); }

}  // namespace vask::test
