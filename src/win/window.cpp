#include "win/window.h"

#include "win/controls.h"
#include "win/dpi.h"
#include "win/errors.h"

#include <iterator>
#include <stdexcept>
#include <utility>

namespace vask::win {

Window* Window::fromHandle(HWND window) {
    // The class's procedure, which a subclass of the window leaves as it is;
    // another process's window is never one of the program's, whatever its class.
    DWORD owner = 0;
    if (!window || !GetWindowThreadProcessId(window, &owner) || owner != GetCurrentProcessId() ||
        GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Window::procedure))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void reportControlError(HWND control, const std::exception& error) {
    const HWND root = GetAncestor(control, GA_ROOT);
    if (Window* window = Window::fromHandle(root)) {
        window->reportError(error);
        return;
    }
    SystemPrompter system;
    showError(system, root, error);
}

void hideHandingActivationTo(HWND window, HWND next) {
    const bool wasActive = GetActiveWindow() == window;
    ShowWindow(window, SW_HIDE);
    if (wasActive && next) SetForegroundWindow(next);
}

Control* Window::controlOf(HWND handle) const {
    const auto found = controls_.find(handle);
    return found == controls_.end() ? nullptr : found->second;
}

Window::~Window() {
    for (const auto& [handle, control] : controls_) control->owner_ = nullptr;
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(std::exchange(hwnd_, nullptr));
    }
}

RECT Window::windowRect() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return rect;
}

void Window::registerClass(const wchar_t* className, UINT style, HBRUSH background, ClassIcon icon) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = &Window::procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    if (icon == ClassIcon::program) windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    if (!RegisterClassExW(&windowClass)) throwLastError("RegisterClass");
}

void Window::create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y, int width,
                    int height, HWND parent) {
    if (!CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                         GetModuleHandleW(nullptr), this))
        throwLastError("CreateWindow");
    dpi_ = dpiForWindow(hwnd_);
    wearIcons();
}

void Window::wearIcons() {
    if (GetClassLongPtrW(hwnd_, GCLP_HICON)) icons_.apply(hwnd_, dpi());
}

UINT Window::dpi() const {
    if (!dpi_) dpi_ = systemDpi();
    return dpi_;
}

void Window::useDpiOf(HWND window) { dpi_ = dpiForWindow(window); }

int Window::scaled(int units) const { return scale(units, dpi()); }
RECT Window::scaled(const RECT& units) const {
    return {scaled(units.left), scaled(units.top), scaled(units.right), scaled(units.bottom)};
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultProcedure(message, wParam, lParam);
}

LRESULT Window::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

Prompter& Window::prompter() const {
    static SystemPrompter system;
    return prompter_ ? *prompter_ : system;
}

void Window::reportError(const std::exception& error) { showError(prompter(), hwnd_, error); }

namespace {

// The focused control of `window` when it is a button that a click presses
// (a push button, one that draws itself, a check box that looks like one).
HWND focusedPushButton(HWND window) {
    const HWND focus = GetFocus();
    if (!focus || !IsChild(window, focus)) return nullptr;
    wchar_t className[8]{};
    if (!GetClassNameW(focus, className, static_cast<int>(std::size(className))) ||
        CompareStringOrdinal(className, -1, L"Button", -1, TRUE) != CSTR_EQUAL)
        return nullptr;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(focus, GWL_STYLE));
    const DWORD type = style & BS_TYPEMASK;
    const bool pressable =
        type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW || (style & BS_PUSHLIKE);
    return pressable ? focus : nullptr;
}

}  // namespace

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        // The dialog manager hands a window that is no dialog Enter as IDOK,
        // whatever has the focus: a focused button is pressed, as in a dialog.
        if (message == WM_COMMAND && wParam == IDOK)
            if (const HWND button = focusedPushButton(window); button && button != reinterpret_cast<HWND>(lParam)) {
                SendMessageW(button, BM_CLICK, 0, 0);
                return 0;
            }
        // A control's notifications run the control's own handlers first.
        if (message == WM_COMMAND)
            if (Control* control = self->controlOf(reinterpret_cast<HWND>(lParam)))
                if (control->reflectCommand(HIWORD(wParam))) return 0;
        if (message == WM_NOTIFY) {
            NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
            if (Control* control = self->controlOf(header.hwndFrom); control && control->onNotify)
                if (const std::optional<LRESULT> result = control->onNotify(header)) return *result;
        }
        if (message == WM_SIZE && self->clientFiller_)
            SetWindowPos(self->clientFiller_, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (message == WM_DPICHANGED) {
            self->dpi_ = acceptDpiChange(window, wParam, lParam);
            self->wearIcons();
            self->dpiChanged();
            return 0;
        }
        return self->handleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->reportError(error);
    } catch (...) {
        self->reportError(std::runtime_error("Unexpected error."));
    }
    return 0;
}

}  // namespace vask::win
