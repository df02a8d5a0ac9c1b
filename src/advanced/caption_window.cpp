#include "advanced/caption_window.h"

#include "win/dpi.h"
#include "win/layered.h"

namespace vask {

namespace {
constexpr wchar_t ClassName[] = L"Tfals";
}  // namespace

Tfals::Tfals(HWND bar) {
    registerClass(ClassName, 0, nullptr, ClassIcon::none);
    const UINT dpi = win::dpiForWindow(bar);
    create(ClassName, L"ALSTEXT   ", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 0, win::scale(LayoutWidth, dpi),
           win::scale(LayoutHeight, dpi), bar);
    win::setAlphaBlend(hwnd(), true, 255);
}

void Tfals::placeUnder(const RECT& bar) {
    SetWindowPos(hwnd(), nullptr, bar.left, bar.bottom + 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vask
