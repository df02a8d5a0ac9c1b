#include "controls/custom_control.h"

#include "win/handles.h"

#include <stdexcept>

#include "win/accessible.h"
#include "win/errors.h"
#include "win/window.h"
#include "win/text.h"

namespace vask {
namespace {

void registerControlClass(const wchar_t* className, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass)) win::throwLastError("RegisterClass");
}

}  // namespace

CustomControl::~CustomControl() {
    if (!attached_) return;
    SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
    DestroyWindow(hwnd());
}

// The class's own procedure finds the object in the window's user data: a
// subclass would cost every message a trip to the Wine server. Until the
// object is attached (the messages of creation) the window is the default one.
void CustomControl::createCustom(HWND parent, const wchar_t* className, std::string_view text, DWORD style, int id,
                                 win::Placement placement) {
    registerControlClass(className, &CustomControl::procedure);
    create(parent, className, text, style, id, 0, placement);
    SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    attached_ = true;
}

LRESULT CustomControl::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd(), message, wParam, lParam);
}

void CustomControl::notifyParentClicked() {
    SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id(), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd()));
}

void CustomControl::repaint() {
    if (!IsWindowVisible(hwnd())) return;  // drawn whole when it shows
    win::WindowDc dc(hwnd());
    paint(dc.get());
}

LRESULT CustomControl::route(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        win::PaintScope scope(hwnd());
        paint(scope.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_GETOBJECT: {
        const std::wstring name =
            accessibleName_.empty() ? win::withoutAccessKeyMarks(win::toWide(text())) : win::toWide(accessibleName_);
        if (const auto answer = win::answerAccessibleObject(hwnd(), wParam, lParam, {accessibleRole_, name}))
            return *answer;
        return handleMessage(message, wParam, lParam);
    }
    default:
        return handleMessage(message, wParam, lParam);
    }
}

LRESULT CALLBACK CustomControl::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CustomControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->attached_ = false;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // No exception leaves a window procedure: show it as the top-level handler does.
    try {
        return self->route(message, wParam, lParam);
    } catch (const std::exception& error) {
        win::reportControlError(window, error);
    } catch (...) {
        win::reportControlError(window, std::runtime_error("Unexpected error."));
    }
    return 0;
}

}  // namespace vask
