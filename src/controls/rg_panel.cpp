#include "controls/rg_panel.h"

#include <windowsx.h>

#include "win/double_buffer.h"
#include "win/handles.h"

namespace vask {

namespace {
constexpr wchar_t ClassName[] = L"TRGPanel";
constexpr WPARAM MoveByCaption = 0xF012;  // SC_MOVE + HTCAPTION: the system's drag loop
}  // namespace

TRGPanel::TRGPanel(HWND parent, TFloatingPanel floating) : parent_(parent), floating_(floating) {
    // Redrawn whole on every size change: its picture is laid out on the whole area.
    registerClass(ClassName, CS_HREDRAW | CS_VREDRAW, nullptr, ClassIcon::none);
    RECT client{};
    GetClientRect(parent, &client);
    create(ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, client.right, client.bottom, parent);
    lieUnderSiblings();
    // The parent sizes it; a subclass of the parent would cost every one of
    // its messages a trip to the Wine server.
    if (win::Window* owner = win::Window::fromHandle(parent)) owner->fillClientWith(hwnd());
}

TRGPanel::~TRGPanel() {
    if (win::Window* owner = win::Window::fromHandle(parent_)) owner->fillClientWith(nullptr);
}

void TRGPanel::lieUnderSiblings() {
    SetWindowPos(hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TRGPanel::setFloatingPanel(TFloatingPanel floating) {
    floating_ = floating;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void TRGPanel::mouseDown(UINT button, POINT where) {
    if (OnMouseDown) OnMouseDown(button, where);
    if (button != WM_LBUTTONDOWN || floating_ == TFloatingPanel::fpNone) return;
    ReleaseCapture();
    const HWND target = floating_ == TFloatingPanel::fpParent ? GetParent(hwnd()) : hwnd();
    SendMessageW(target, WM_SYSCOMMAND, MoveByCaption, 0);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT TRGPanel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        win::PaintScope paint(hwnd());
        RECT client{};
        GetClientRect(hwnd(), &client);
        win::DoubleBuffer buffer(paint.dc(), client.right, client.bottom);
        if (OnPaint) OnPaint(buffer.dc(), client);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        mouseDown(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (OnMouseUp) OnMouseUp(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    default:
        return defaultProcedure(message, wParam, lParam);
    }
}

}  // namespace vask
