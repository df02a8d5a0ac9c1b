#pragma once
// TGradButton: the push button that paints itself — face or two-colour
// gradient, border, bevel, focus rectangle, glyph and caption — in one of
// twelve colour schemes or in colours of its own. The rules live in
// GradButtonModel; this window feeds it mouse, focus and keys and paints.
//
// The caption is the window text (text/setText), the font WM_SETFONT
// (setFont), enabling EnableWindow (setEnabled); each repaints.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "controls/custom_control.h"
#include "controls/grad_button_model.h"

namespace vask {

class TGradButton : public CustomControl {
public:
    // Made 75 x 25 at (0, 0), a tab stop; the owner places it.
    void create(HWND parent, std::string_view caption, int id, DWORD extraStyle = 0,
                win::Placement placement = {.bounds = {0, 0, 75, 25}});

    const GradButtonModel& model() const { return model_; }
    TColorScheme ColorScheme() const { return model_.colorScheme(); }
    void setColorScheme(TColorScheme scheme);
    // One setter for all 25 colours (ColorFace ... ColorFocusRect, 0x00BBGGRR);
    // the scheme becomes csCustom.
    void setColor(int index, uint32_t value);

    void setCtl3D(bool on);
    void setLayout(TButtonLayout layout);
    void setSpacing(int pixels);
    void setTransparentGlyph(bool on);
    void setGradient(bool on);
    void setHotTrack(bool on);
    void setCancel(bool on) { model_.cancel = on; }
    void setDefault(bool on) { model_.isDefault = on; }
    void setModalResult(int result) { model_.modalResult = result; }
    void setTabStop(bool on);
    // Copies the bitmap; nullptr removes the glyph.
    void setGlyph(HBITMAP bitmap);

    // A click as the user makes it. With a ModalResult other than 0 the
    // containing top-level window first takes it (IDOK 1, IDCANCEL 2, ...):
    // a window shown modally closes with it once the click has run. Then the
    // parent gets WM_COMMAND BN_CLICKED with the button's id, as from a
    // standard button, which runs the inherited onClick when it is set.
    void click();

    // Enter or Escape that the containing window offers before its own
    // handling (say on IDOK / IDCANCEL from the dialog manager); true when it
    // clicked the button. The focused button sees the keys itself.
    bool dialogKey(WPARAM key);

    // Paints the whole button into `target` at (0, 0); also WM_PRINTCLIENT.
    void paint(HDC target) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void trackLeave();
    void mouseMove(POINT where);
    void leftButtonDown();
    void buttonUp(POINT where, bool leftButton);
    void keyDown(WPARAM key);
    void keyUp(WPARAM key);
    UINT dialogCode(const MSG* message) const;
    bool canFocus() const;

    GradButtonModel model_;
    PixelBuffer glyph_{0, 0};
    HFONT font_ = nullptr;  // not owned
    bool mouseInside_ = false;
};

}  // namespace vask
