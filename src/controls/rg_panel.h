#pragma once
// TRGPanel: a panel that moves its window (or itself) while the left mouse
// button is held on it — how the borderless windows are dragged.
#include <functional>

#include "win/window.h"

namespace vask {

enum class TFloatingPanel { fpSelf, fpNone, fpParent };

class TRGPanel : public win::Window {
public:
    // Covers `parent`'s client area, under the parent's other children (so it
    // is made after them, or told to lie under a later one), and follows its
    // size when the parent is one of the program's windows.
    TRGPanel(HWND parent, TFloatingPanel floating);
    ~TRGPanel() override;

    // Back under its siblings, after a control was made over it.
    void lieUnderSiblings();
    TFloatingPanel FloatingPanel() const { return floating_; }
    void setFloatingPanel(TFloatingPanel floating);

    std::function<void(HDC, const RECT&)> OnPaint;              // draws the whole panel
    std::function<void(UINT button, POINT where)> OnMouseDown;  // before any drag starts
    std::function<void(UINT button, POINT where)> OnMouseUp;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void mouseDown(UINT button, POINT where);
    HWND parent_;
    TFloatingPanel floating_;
};

}  // namespace vask
