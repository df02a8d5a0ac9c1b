#include "controls/grad_button.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "win/double_buffer.h"
#include "win/errors.h"
#include "win/handles.h"
#include "win/window.h"
#include "win/keyboard.h"
#include "win/text.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"TGradButton";

// The model's colours are 0x00BBGGRR, a 32-bit DIB's 0x00RRGGBB.
uint32_t swapRedBlue(uint32_t color) { return (color & 0x00FF00) | ((color & 0xFF) << 16) | ((color >> 16) & 0xFF); }

void copyToDib(const PixelBuffer& from, uint32_t* to) {
    std::transform(from.pixels.begin(), from.pixels.end(), to, swapRedBlue);
}

void copyFromDib(const uint32_t* from, PixelBuffer& to) {
    std::transform(from, from + to.pixels.size(), to.pixels.begin(), swapRedBlue);
}

GradButtonModel::Key keyOf(WPARAM key) {
    switch (key) {
    case VK_SPACE:
        return GradButtonModel::Key::Space;
    case VK_RETURN:
        return GradButtonModel::Key::Enter;
    case VK_ESCAPE:
        return GradButtonModel::Key::Escape;
    default:
        return GradButtonModel::Key::Other;
    }
}

bool modifiersHeld() {
    return ((GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL) | GetKeyState(VK_MENU)) & 0x8000) != 0;
}

}  // namespace

void TGradButton::create(HWND parent, std::string_view caption, int id, DWORD extraStyle, win::Placement placement) {
    createCustom(parent, ClassName, caption, WS_VISIBLE | WS_TABSTOP | extraStyle, id, placement);
    setAccessibleRole(ROLE_SYSTEM_PUSHBUTTON);
    model_.enabled = IsWindowEnabled(hwnd()) != FALSE;
}

void TGradButton::setColorScheme(TColorScheme scheme) {
    model_.setColorScheme(scheme);
    invalidate();
}

void TGradButton::setColor(int index, uint32_t value) {
    model_.setColor(index, value);
    invalidate();
}

void TGradButton::setCtl3D(bool on) {
    model_.ctl3D = on;
    invalidate();
}

void TGradButton::setLayout(TButtonLayout layout) {
    model_.layout = layout;
    invalidate();
}

void TGradButton::setSpacing(int pixels) {
    model_.spacing = pixels;
    invalidate();
}

void TGradButton::setTransparentGlyph(bool on) {
    model_.transparentGlyph = on;
    invalidate();
}

void TGradButton::setGradient(bool on) {
    model_.gradient = on;
    invalidate();
}

void TGradButton::setHotTrack(bool on) {
    model_.hotTrack = on;
    invalidate();
}

void TGradButton::setTabStop(bool on) {
    model_.tabStop = on;
    win::setTabStop(hwnd(), on);
}

void TGradButton::setGlyph(HBITMAP bitmap) {
    PixelBuffer copy(0, 0);
    if (bitmap) {
        BITMAP size{};
        if (!GetObjectW(bitmap, sizeof(size), &size)) win::throwLastError("Glyph");
        copy = PixelBuffer(size.bmWidth, std::abs(size.bmHeight));
        BITMAPINFO info = win::topDownDibInfo(copy.width, copy.height);
        win::WindowDc screen(nullptr);
        if (!GetDIBits(screen.get(), bitmap, 0, copy.height, copy.pixels.data(), &info, DIB_RGB_COLORS))
            win::throwLastError("Glyph");
        for (uint32_t& pixel : copy.pixels) pixel = swapRedBlue(pixel) & 0xFFFFFF;
    }
    glyph_ = std::move(copy);
    invalidate();
}

void TGradButton::click() {
    // A direct call: no message that another program could send carries a result.
    if (win::Window* container = win::Window::fromHandle(GetAncestor(hwnd(), GA_ROOT));
        model_.modalResult != 0 && container)
        container->modalResultChosen(model_.modalResult);
    model_.clickDone();
    repaint();
    notifyParentClicked();
}

bool TGradButton::canFocus() const {
    if (!IsWindowVisible(hwnd())) return false;
    for (HWND window = hwnd(); window; window = GetParent(window))
        if (!IsWindowEnabled(window)) return false;
    return true;
}

bool TGradButton::dialogKey(WPARAM key) {
    const GradButtonModel::Key which = keyOf(key);
    if (which != GradButtonModel::Key::Enter && which != GradButtonModel::Key::Escape) return false;
    if (!model_.dialogKey(which, modifiersHeld(), canFocus())) return false;
    click();
    return true;
}

void TGradButton::paint(HDC target) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = client.right, height = client.bottom;
    // A button without area paints nothing (and the gradient divides by the height).
    if (width <= 0 || height <= 0) return;

    PixelBuffer face(width, height);
    paintButtonBackground(face, model_);
    win::DoubleBuffer buffer(target, width, height);
    const HDC dc = buffer.dc();
    win::SelectedObject font(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring caption = win::toWide(text());
    SIZE textSize{};
    if (!caption.empty()) GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &textSize);
    const bool hasGlyph = !glyph_.pixels.empty();
    const ContentPlacement at =
        placeContent(model_.layout, width, height, textSize.cx, textSize.cy, glyph_.width, glyph_.height,
                     model_.spacing, !caption.empty(), hasGlyph, model_.state == ButtonState::Down);
    if (hasGlyph) drawGlyph(face, glyph_, at.gx, at.gy, model_.transparentGlyph);
    copyToDib(face, buffer.pixels());

    RECT area{at.tx, at.ty, at.tx + textSize.cx, at.ty + textSize.cy};
    if (!caption.empty()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colorSetFor(model_).text);
        DrawTextW(dc, caption.c_str(), -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOCLIP);
    }

    // Frame, bevel and focus rectangle go over what GDI drew.
    GdiFlush();
    copyFromDib(buffer.pixels(), face);
    paintButtonFrame(face, model_, focusInset(width, height, area.left, area.top, area.right, area.bottom));
    copyToDib(face, buffer.pixels());
}

void TGradButton::trackLeave() {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&track);
}

void TGradButton::mouseMove(POINT where) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool inside = PtInRect(&client, where) != FALSE;
    if (inside == mouseInside_) return;
    mouseInside_ = inside;
    if (inside) {
        trackLeave();
        model_.mouseEnter();
    } else {
        model_.mouseLeave();  // seen while the mouse is captured
    }
    repaint();
}

void TGradButton::leftButtonDown() {
    const bool takeFocus = model_.leftButtonDown();
    mouseInside_ = true;  // a press is always over the button
    SetCapture(hwnd());
    if (takeFocus) SetFocus(hwnd());
    repaint();
}

void TGradButton::buttonUp(POINT where, bool leftButton) {
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (mouseInside_) trackLeave();
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool clicked = model_.buttonUp(where.x, where.y, client.right, client.bottom, leftButton);
    repaint();
    if (clicked) click();
}

void TGradButton::keyDown(WPARAM key) {
    if ((key == VK_RETURN || key == VK_ESCAPE) && dialogKey(key)) return;
    const bool clicked = model_.keyDown(keyOf(key));
    repaint();
    if (clicked) click();
}

void TGradButton::keyUp(WPARAM key) {
    if (!model_.keyUp(keyOf(key))) return;
    repaint();
    click();
}

// The focused button takes Enter, and Escape when it is the Cancel button;
// every other Escape goes on to the containing window. Being a button, it
// gets BM_CLICK from the dialog manager for its caption's "&" accelerator.
UINT TGradButton::dialogCode(const MSG* message) const {
    UINT code = DLGC_BUTTON;
    if (message && message->message == WM_KEYDOWN &&
        (message->wParam == VK_RETURN || (message->wParam == VK_ESCAPE && model_.cancel)))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT TGradButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT where{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_SIZE:
    case WM_SETTEXT: {
        const LRESULT result = defaultProcedure(message, wParam, lParam);
        invalidate();
        return result;
    }
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) invalidate();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_ENABLE:
        model_.enabled = wParam != FALSE;
        invalidate();
        return 0;
    case WM_SETFOCUS:
        model_.focusGained();
        repaint();
        return 0;
    case WM_KILLFOCUS:
        model_.focusLost();
        repaint();
        return 0;
    case WM_MOUSEMOVE:
        mouseMove(where);
        return 0;
    case WM_MOUSELEAVE:
        // While captured, leaving is seen in mouseMove; the system's notice may come early.
        if (mouseInside_ && GetCapture() != hwnd()) {
            mouseInside_ = false;
            model_.mouseLeave();
            repaint();
        }
        return 0;
    case WM_LBUTTONDOWN:
        leftButtonDown();
        return 0;
    case WM_LBUTTONUP:
        buttonUp(where, true);
        return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        buttonUp(where, false);
        return 0;
    case WM_KEYDOWN:
        keyDown(wParam);
        return 0;
    case WM_KEYUP:
        keyUp(wParam);
        return 0;
    case WM_GETDLGCODE:
        return dialogCode(reinterpret_cast<const MSG*>(lParam));
    case BM_CLICK:
        if (IsWindowEnabled(hwnd())) click();
        return 0;
    default:
        return defaultProcedure(message, wParam, lParam);
    }
}

}  // namespace vask
