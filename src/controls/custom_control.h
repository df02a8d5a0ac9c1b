#pragma once
// The base of the program's own controls: a window class of their own whose
// procedure hands every message to the object, which leaves what it does not
// handle to the system default. So a custom control keeps every Control
// accessor (bounds, text, font, focus) and only handles what makes it different.
#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "win/controls.h"

namespace vask {

class CustomControl : public win::Control {
public:
    CustomControl() = default;
    ~CustomControl() override;  // the window goes with the object

    // The name a screen reader says, when the caption is not one (a sign, a
    // picture); without it, the caption.
    void setAccessibleName(std::string name) { accessibleName_ = std::move(name); }

protected:
    // Registers `className` once per process and makes the child window.
    void createCustom(HWND parent, const wchar_t* className, std::string_view text, DWORD style, int id,
                      win::Placement placement);
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam);

    // The whole control, off-screen then in one blit; WM_PAINT, WM_PRINTCLIENT
    // and repaint() all come here, and the background is never erased.
    virtual void paint(HDC target) = 0;
    void repaint();  // at once, for state changes

    // Tells the parent of a click as a standard button does.
    void notifyParentClicked();
    // What kind of control a screen reader is told this is (ROLE_SYSTEM_...).
    void setAccessibleRole(long role) { accessibleRole_ = role; }

private:
    LRESULT route(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    bool attached_ = false;  // the window exists and routes to this object
    long accessibleRole_ = 0;
    std::string accessibleName_;
};

}  // namespace vask
