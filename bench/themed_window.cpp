// The themed floor of the start-up benchmark: the least a program with the
// bar's manifest (common controls v6, per-monitor DPI) does to show a window
// with one edit field and one button. A themed program cannot start faster.
// With "--focus" its field takes the focus, as the bar's does: the floor of
// the idle figures, where a focused field's blinking caret wakes it up.
#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"VaskThemed";
    if (!RegisterClassExW(&windowClass)) return 1;

    const HWND window = CreateWindowExW(WS_EX_TOPMOST, L"VaskThemed", L"Themed", WS_POPUP | WS_BORDER, 100, 100, 452,
                                        64, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    const HWND field = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 7, 41, 341,
                                       16, window, nullptr, instance, nullptr);
    CreateWindowExW(0, L"Button", L"Search", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 371, 40, 45, 18,
                    window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    if (lstrcmpW(commandLine, L"--focus") == 0) SetFocus(field);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
