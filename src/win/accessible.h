#pragma once
// What a control tells a screen reader it is. The control answers the
// accessibility request (WM_GETOBJECT) for its client area with the system's
// standard object for its window, told the control's role and name; place,
// state, focus and parent stay the system's. oleacc is loaded the first time
// a screen reader asks.
#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <string_view>

#include "win/controls.h"

namespace vask::win {

struct AccessibleIdentity {
    long role = 0;  // ROLE_SYSTEM_...; 0 keeps the system's
    std::wstring name;
};

// The answer to WM_GETOBJECT; nothing for objects other than the client
// area, or when the accessibility DLLs cannot be loaded: the default
// handling answers those.
std::optional<LRESULT> answerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam,
                                              const AccessibleIdentity& identity);

// A standard control that shows a picture instead of its name; this takes
// the control's message hook.
void nameForScreenReaders(Control& control, AccessibleIdentity identity);

// A caption as it is read: "&" marks the access key, "&&" stands for "&".
std::wstring withoutAccessKeyMarks(std::wstring_view caption);

}  // namespace vask::win
