#include "win/tooltips.h"

#include <commctrl.h>

#include "win/errors.h"

namespace vask::win {

Tooltips::~Tooltips() {
    if (tooltips_) DestroyWindow(tooltips_);
}

void Tooltips::create(HWND owner) {
    owner_ = owner;
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, owner,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltips_) throwLastError("CreateWindow");
}

void Tooltips::add(HWND control, const wchar_t* hint) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(TOOLINFOW);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(hint);
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace vask::win
