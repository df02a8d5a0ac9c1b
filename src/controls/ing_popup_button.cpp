#include "controls/ing_popup_button.h"

#include <oleacc.h>
#include <windowsx.h>

#include "controls/popup_arrow.h"
#include "win/double_buffer.h"
#include "win/handles.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"TIngPopupButton";

}  // namespace

void TIngPopupButton::create(HWND parent, int id, DWORD extraStyle, win::Placement placement) {
    createCustom(parent, ClassName, "", WS_VISIBLE | WS_TABSTOP | extraStyle, id, placement);
    setAccessibleRole(ROLE_SYSTEM_BUTTONMENU);
    OpenMenu = [this](HMENU menu, POINT at) {
        TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, GetParent(hwnd()), nullptr);
    };
}

void TIngPopupButton::setArrowWidth(int width) {
    if (width == arrowWidth_) return;
    arrowWidth_ = width;
    repaint();
}

void TIngPopupButton::setFlat(bool flat) {
    flat_ = flat;
    invalidate();
}

void TIngPopupButton::setColor(COLORREF color) {
    color_ = color;
    invalidate();
}

void TIngPopupButton::mouseDown(MouseButton button, POINT where) {
    pressed_ = true;
    SetCapture(hwnd());
    if (OnMouseDown) OnMouseDown(button, where);
    if (!IsWindowEnabled(hwnd())) return;
    if (button == MouseButton::Left) {
        look_ = down_ ? Look::Exclusive : Look::Down;
        repaint();
    }
    if (!PopupMenu) return;
    openMenu();
    // The menu's loop took the release: handle it as if it had come here.
    mouseUp(button, where);
}

void TIngPopupButton::openMenu() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    POINT corner{0, client.bottom};
    ClientToScreen(hwnd(), &corner);
    OpenMenu(PopupMenu, corner);
}

void TIngPopupButton::popUp() {
    if (!PopupMenu || !IsWindowEnabled(hwnd())) return;
    look_ = down_ ? Look::Exclusive : Look::Down;  // pressed while the menu is open
    repaint();
    openMenu();
    look_ = down_ ? Look::Exclusive : Look::Up;
    repaint();
}

// The keys that open the menu, as on a menu button of Windows' own: Enter
// (the button's, not the window's default action), Space and Down (not a
// step to the next control).
bool TIngPopupButton::opensMenu(WPARAM key) { return key == VK_RETURN || key == VK_SPACE || key == VK_DOWN; }

UINT TIngPopupButton::dialogCode(const MSG* message) const {
    UINT code = DLGC_BUTTON;
    if (message && message->message == WM_KEYDOWN && opensMenu(message->wParam)) code |= DLGC_WANTMESSAGE;
    return code;
}

void TIngPopupButton::mouseUp(MouseButton button, POINT where) {
    if (!pressed_) return;  // a press elsewhere, or one already handled after the menu
    pressed_ = false;
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (OnMouseUp) OnMouseUp(button, where);
    if (!IsWindowEnabled(hwnd())) {
        look_ = Look::Up;
        repaint();
        return;
    }
    if (GroupIndex == 0) {
        look_ = Look::Up;
    } else {
        down_ = !down_;
        look_ = down_ ? Look::Exclusive : Look::Up;
    }
    notifyParentClicked();
    if (flat_) hot_ = false;  // clears the hot look, wherever the mouse is now
    repaint();
}

void TIngPopupButton::paint(HDC target) {
    RECT area{};
    GetClientRect(hwnd(), &area);
    if (area.right <= 0 || area.bottom <= 0) return;
    win::DoubleBuffer buffer(target, area.right, area.bottom);
    const HDC dc = buffer.dc();
    const bool enabled = IsWindowEnabled(hwnd()) != FALSE;
    const bool pressed = look_ != Look::Up || down_;
    win::fillRect(dc, area, color_);
    if (!flat_)
        DrawFrameControl(dc, &area, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    else if (pressed)
        DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ && enabled)
        DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);

    if (OnDrawGlyph) {
        RECT glyph = area;
        if (pressed) OffsetRect(&glyph, 1, 1);
        OnDrawGlyph(dc, glyph);
    }

    const ArrowShape arrow = popupArrow(area.right, area.bottom, arrowWidth_);
    win::fillRect(dc, {arrow.faceLeft, arrow.faceTop, arrow.faceRight, arrow.faceBottom}, GetSysColor(COLOR_BTNFACE));
    const COLORREF ink = enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW);
    for (const HLine& line : arrow.lines) win::drawLine(dc, line.x1, line.y, line.x2, line.y, ink);

    if (GetFocus() == hwnd()) {
        RECT focus = area;
        InflateRect(&focus, -1, -1);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

LRESULT TIngPopupButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT where{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_SIZE:
    case WM_ENABLE:
        invalidate();
        return 0;
    case WM_MOUSEMOVE:
        if (!hot_) {
            hot_ = true;
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
            TrackMouseEvent(&track);
            repaint();
        }
        return 0;
    case WM_MOUSELEAVE:
        hot_ = false;
        repaint();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        repaint();
        return 0;
    case WM_GETDLGCODE:
        return dialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        if (opensMenu(wParam)) popUp();
        return 0;
    case WM_LBUTTONDOWN:
        mouseDown(MouseButton::Left, where);
        return 0;
    case WM_RBUTTONDOWN:
        mouseDown(MouseButton::Right, where);
        return 0;
    case WM_MBUTTONDOWN:
        mouseDown(MouseButton::Middle, where);
        return 0;
    case WM_LBUTTONUP:
        mouseUp(MouseButton::Left, where);
        return 0;
    case WM_RBUTTONUP:
        mouseUp(MouseButton::Right, where);
        return 0;
    case WM_MBUTTONUP:
        mouseUp(MouseButton::Middle, where);
        return 0;
    default:
        return defaultProcedure(message, wParam, lParam);
    }
}

}  // namespace vask
