// The bar's keys of "vask.cfg" and the colour dialog's "color.cld": read
// when the bar is made, written when the program closes.
#include "bar/bar_window.h"

namespace vask {

void Tmainform::LoadSettings() {
    const ScreenSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT bar = windowRect();
    state_ = loadBarSettings(context_.startupSettings, screen, bar.right - bar.left, bar.bottom - bar.top);
    // Moved and given the layout's height at once. Sized even when the size
    // stays: a bar never resized after creation wakes up a dozen times a
    // second under Wine while idle (make bench). Not activated: the bar is
    // activated once it is shown, when its field exists to take the focus.
    SetWindowPos(hwnd(), nullptr, state_.left, state_.top, scaled(LayoutWidth), scaled(barHeight()),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (context_.startupSettingsUnread) startUnread();
}

void Tmainform::SaveSettings() {
    // The normal placement, so a minimised bar still saves where it stood.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(hwnd(), &placement);
    state_.left = placement.rcNormalPosition.left;
    state_.top = placement.rcNormalPosition.top;
    if (unreadStart_) return saveUnreadSettings();
    IniDocument document = context_.data.readSettings();
    saveBarSettings(document, state_);
    context_.data.writeSettings(document);
}

void Tmainform::loadColorDialog() {
    std::string news;
    if (const auto state = colorFile_.load(news)) colorDialog_ = *state;
    if (!news.empty()) context_.sayAtStart(std::move(news));
}

void Tmainform::saveColorDialog() { colorFile_.save(colorDialog_); }

}  // namespace vask
