#pragma once
// TImage: a picture drawn by its owner. A screen reader hears of it as a
// graphic; the mouse goes through it to what lies beneath (on the bar, the
// panel that drags the window).
#include <windows.h>

#include <functional>
#include <string_view>

#include "controls/custom_control.h"

namespace vask {

class TImage : public CustomControl {
public:
    // `name` is what a screen reader says for the picture.
    void create(HWND parent, std::string_view name, int id, DWORD extraStyle = 0, win::Placement placement = {});

    std::function<void(HDC, const RECT&)> OnPaint;  // draws the whole client area

    void paint(HDC target) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vask
