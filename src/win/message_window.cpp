#include "win/message_window.h"

#include <utility>

namespace vask::win {
namespace {

constexpr wchar_t ClassName[] = L"VaskMessages";

}  // namespace

MessageWindow::MessageWindow(Handler handler, Prompter& prompter) : handler_(std::move(handler)) {
    setPrompter(prompter);
    registerClass(ClassName, 0, nullptr, ClassIcon::none);
    create(ClassName, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
}

LRESULT MessageWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER || message >= WM_APP) {
        handler_(message, wParam, lParam);
        return 0;
    }
    return defaultProcedure(message, wParam, lParam);
}

}  // namespace vask::win
