// The floor of the hotkey benchmark: the least a program does to come to the
// front on a global hotkey with the focus in its edit field. It registers
// Ctrl+Alt+Space as the bar does, and wears the bar's manifest.
#include <windows.h>
#include <commctrl.h>

namespace {

HWND field = nullptr;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HOTKEY:
        SetForegroundWindow(window);
        SetFocus(field);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"VaskHotkeyFloor";
    if (!RegisterClassExW(&windowClass)) return 1;

    const HWND window = CreateWindowExW(WS_EX_TOPMOST, L"VaskHotkeyFloor", L"Hotkey floor", WS_POPUP | WS_BORDER, 100,
                                        100, 452, 64, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    field = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 7, 41, 341, 16,
                            window, nullptr, instance, nullptr);
    if (!RegisterHotKey(window, 1, MOD_CONTROL | MOD_ALT | MOD_NOREPEAT, VK_SPACE)) return 1;
    ShowWindow(window, SW_SHOW);
    SetFocus(field);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
