#pragma once
// TIngPopupButton: a flat speed button that opens its popup menu under
// itself on a press of any mouse button, and draws a small down arrow at its
// right edge. The glyph is the owner's to draw. It is a tab stop: Enter or
// Space opens the menu, and a focused button wears a dotted frame.
#include <windows.h>

#include <functional>

#include "controls/custom_control.h"

namespace vask {

enum class MouseButton { Left, Right, Middle };

class TIngPopupButton : public CustomControl {
public:
    // Made 75 x 25 at (0, 0) with ArrowWidth 13; a press of the mouse
    // leaves the focus where it was.
    void create(HWND parent, int id, DWORD extraStyle = 0, win::Placement placement = {.bounds = {0, 0, 75, 25}});
    // Opens the menu under the button as a press does, for the keyboard.
    void popUp();

    int ArrowWidth() const { return arrowWidth_; }
    void setArrowWidth(int width);
    bool Flat() const { return flat_; }
    void setFlat(bool flat);
    // The colour behind the face (the parent's background), 0x00BBGGRR.
    void setColor(COLORREF color);
    // With a group index a release toggles the latched-down state.
    int GroupIndex = 0;
    bool Down() const { return down_; }

    HMENU PopupMenu = nullptr;  // not owned
    // Opens the menu with its top-left corner at a screen point; by default a
    // popup menu whose commands go to the parent window.
    std::function<void(HMENU, POINT)> OpenMenu;
    std::function<void(HDC, const RECT&)> OnDrawGlyph;  // the whole face, moved 1,1 while pressed
    std::function<void(MouseButton, POINT)> OnMouseDown, OnMouseUp;
    // Every release that ends a press on the button sends the parent
    // WM_COMMAND BN_CLICKED with the button's id, which runs the inherited
    // onClick when it is set.

    // Paints the whole button into `target` at (0, 0); also WM_PRINTCLIENT.
    void paint(HDC target) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum class Look { Up, Down, Exclusive };  // Exclusive: pressed while latched down
    void mouseDown(MouseButton button, POINT where);
    void mouseUp(MouseButton button, POINT where);
    void openMenu();
    UINT dialogCode(const MSG* message) const;
    static bool opensMenu(WPARAM key);

    int arrowWidth_ = 13;
    bool flat_ = true;
    COLORREF color_ = GetSysColor(COLOR_BTNFACE);
    Look look_ = Look::Up;
    bool down_ = false;
    bool hot_ = false;      // the mouse is over the button
    bool pressed_ = false;  // a press on the button waits for its release
};

}  // namespace vask
