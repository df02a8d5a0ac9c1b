#include "win/program_icon.h"

#include "win/dpi.h"
#include "win/newer_api.h"

namespace vask::win {

int iconSize(int metric, UINT dpi) {
    if (const auto forDpi = newerApi().getSystemMetricsForDpi) return forDpi(metric, dpi);
    // Older Windows give the metric for the system's DPI only.
    return MulDiv(GetSystemMetrics(metric), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

Icon programIcon(int size) {
    return Icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void WindowIcons::apply(HWND window, UINT dpi) {
    Icon bigIcon = programIcon(iconSize(SM_CXICON, dpi));
    Icon smallIcon = programIcon(iconSize(SM_CXSMICON, dpi));
    if (!bigIcon || !smallIcon) return;
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
    // The window no longer uses the old ones.
    big_ = std::move(bigIcon);
    small_ = std::move(smallIcon);
}

}  // namespace vask::win
