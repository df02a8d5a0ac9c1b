#include "win/modal_loop.h"

namespace vask::win {

void runModal(HWND window, const std::function<bool()>& done) {
    const HWND owner = GetWindow(window, GW_OWNER);
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    MSG message{};
    bool quit = false;
    while (!done() && IsWindow(window)) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (owner) EnableWindow(owner, TRUE);
    // Windows passes the activation to the owner as the window hides; Wine
    // without a window manager leaves it with the hidden window.
    if (owner && GetActiveWindow() == window) SetActiveWindow(owner);
    if (IsWindow(window)) ShowWindow(window, SW_HIDE);
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));
}

}  // namespace vask::win
