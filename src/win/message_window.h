#pragma once
// A window that is never shown and gets no broadcasts: the address of a
// part of the program that is not a window, for its timers and for messages
// posted to it from other threads or to run later.
#include <functional>

#include "win/window.h"

namespace vask::win {

class MessageWindow : public Window {
public:
    // Messages it has no answer for return nothing.
    using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;
    // A failure in `handler` is said through `prompter`.
    MessageWindow(Handler handler, Prompter& prompter);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Handler handler_;
};

}  // namespace vask::win
