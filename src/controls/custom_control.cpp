#include "controls/custom_control.h"

#include "win/handles.h"

#include <commctrl.h>

#include <stdexcept>

#include "win/accessible.h"
#include "win/errors.h"
#include "win/text.h"

namespace vask {
namespace {

constexpr UINT_PTR SubclassId = 0x7661;  // apart from Control's message hook

void registerControlClass(const wchar_t* className) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass)) win::throwLastError("RegisterClass");
}

}  // namespace

CustomControl::~CustomControl() {
    if (!attached_) return;
    RemoveWindowSubclass(hwnd(), &CustomControl::procedure, SubclassId);
    DestroyWindow(hwnd());
}

void CustomControl::createCustom(HWND parent, const wchar_t* className, std::string_view text, DWORD style, int id) {
    registerControlClass(className);
    create(parent, className, text, style, id);
    SetWindowSubclass(hwnd(), &CustomControl::procedure, SubclassId, reinterpret_cast<DWORD_PTR>(this));
    attached_ = true;
}

LRESULT CustomControl::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd(), message, wParam, lParam);
}

void CustomControl::notifyParentClicked() {
    SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id(), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd()));
}

void CustomControl::repaint() {
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

LRESULT CALLBACK CustomControl::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
    auto* self = reinterpret_cast<CustomControl*>(data);
    if (message == WM_NCDESTROY) {
        self->attached_ = false;
        RemoveWindowSubclass(window, &CustomControl::procedure, SubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
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
