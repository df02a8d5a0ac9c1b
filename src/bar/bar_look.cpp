// The bar's look: its colour, transparency, compact or full layout and
// taskbar button.
#include <algorithm>

#include "bar/bar_buttons.h"
#include "bar/bar_layout.h"
#include "bar/bar_window.h"
#include "win/common_dialogs.h"
#include "win/layered.h"

namespace vask {

COLORREF Tmainform::resolvedBackColor() const {
    return isSystemColor(state_.backColor) ? GetSysColor(static_cast<int>(state_.backColor & 0xFF)) : state_.backColor;
}

void Tmainform::setBackColor(uint32_t color) { state_.backColor = color; }

void Tmainform::NastaviBarve() {
    scheme_ = barSchemeFor(resolvedBackColor());
    backBrush_.reset(CreateSolidBrush(resolvedBackColor()));
    const auto buttonColors = barButtonColors(resolvedBackColor());
    for (TGradButton* button : {&GradButton1, &GradButton3})
        for (int index = 0; index < ColorCount; ++index) button->setColor(index, buttonColors[index]);
    ingpop.setColor(resolvedBackColor());
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    context_.changed(BarChange::Color);  // the advanced window wears it too
}

int Tmainform::barHeight() const { return barLayout(state_.compact).height; }

void Tmainform::nastavivisino() {
    const bool shown = barLayout(state_.compact).servicesShown;
    for (win::Control* control :
         {static_cast<win::Control*>(&cb1), static_cast<win::Control*>(&cb2), static_cast<win::Control*>(&cb4),
          static_cast<win::Control*>(&Label1), static_cast<win::Control*>(&Label2), static_cast<win::Control*>(&Label3),
          static_cast<win::Control*>(&sbend)})
        control->show(shown);
    if (Image1.hwnd()) Image1.show(shown);
    // A control that hides with the focus hands it to the bar itself, where
    // keys go nowhere: they go on into the field.
    if (const HWND focus = GetFocus(); focus == hwnd() || (IsChild(hwnd(), focus) && !IsWindowVisible(focus)))
        eurl.setFocus();
    showEngineMenu();
    SetWindowPos(hwnd(), nullptr, 0, 0, scaled(LayoutWidth), scaled(barHeight()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layOut();
}

void Tmainform::Compact1Click() {
    state_.compact = !state_.compact;
    nastavivisino();
    // A nudge down and back, so a window docked to the bar follows its new size.
    const RECT bar = windowRect();
    SetWindowPos(hwnd(), nullptr, bar.left, bar.top + 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hwnd(), nullptr, bar.left, bar.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without a taskbar button the bar is a tool window; with one, an app window.
void Tmainform::applyTaskbarButton(bool showButton) {
    const bool wasVisible = isVisible();
    if (wasVisible) ShowWindow(hwnd(), SW_HIDE);
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & ~(WS_EX_TOOLWINDOW | WS_EX_APPWINDOW);
    style |= showButton ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style);
    if (wasVisible) ShowWindow(hwnd(), SW_SHOW);
}

void Tmainform::stbarClick() {
    state_.showTaskbarButton = !state_.showTaskbarButton;
    applyTaskbarButton(state_.showTaskbarButton);
}

void Tmainform::sbtranspClick() {
    state_.transparent = !state_.transparent;
    win::setAlphaBlend(hwnd(), state_.transparent, alphaValue_);
    context_.changed(BarChange::Transparency);
}

void Tmainform::AliceBlue1Click() {
    // The dialog keeps COLORREFs: the same 0x00BBGGRR values in another integer type.
    const std::array<uint32_t, 16> shown = dialogCustomColors(colorDialog_);
    std::array<COLORREF, 16> custom{};
    std::copy(shown.begin(), shown.end(), custom.begin());
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = hwnd();
    choose.rgbResult = resolvedBackColor();
    choose.lpCustColors = custom.data();
    choose.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (win::commonDialogs().chooseColor(&choose)) {
        colorDialog_.color = choose.rgbResult;
        setBackColor(choose.rgbResult);
    }
    std::array<uint32_t, 16> chosen{};
    std::copy(custom.begin(), custom.end(), chosen.begin());
    takeDialogCustomColors(colorDialog_, chosen);
    NastaviBarve();
}

void Tmainform::Windowsdefault1Click() {
    setBackColor(0xFF000000 | COLOR_BTNFACE);
    NastaviBarve();
}

void Tmainform::restoreFromMinimised() {
    SetWindowPos(hwnd(), nullptr, 0, 0, scaled(LayoutWidth), scaled(barHeight()), SWP_NOMOVE | SWP_NOZORDER);
    makeOpaque();
}

// Fully opaque without switching blending off; 150 comes back at the next start.
void Tmainform::makeOpaque() {
    alphaValue_ = 255;
    if (state_.transparent) win::setAlphaBlend(hwnd(), true, alphaValue_);
}

}  // namespace vask
