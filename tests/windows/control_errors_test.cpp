// What a control's handler throws is said by the program's window that holds
// the control, as its own handlers' errors are; no message of another
// program can make the bar say anything.
#include <windows.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "bar/bar_window.h"
#include "test_app.h"
#include "win/controls.h"

namespace vask::test {
namespace {

TEST(ControlErrors, TheWindowSaysAControlsErrorAndNoMessageCanForgeOne) {
    TestApp test;
    const HWND bar = test.app->bar().hwnd();
    win::Label label;
    label.create(bar, "broken", 999);
    label.setMessageHook([](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_APP + 7) throw std::runtime_error("The handler broke.");
        return std::nullopt;
    });
    SendMessageW(label.hwnd(), WM_APP + 7, 0, 0);
    ASSERT_EQ(test.prompter.prompts.size(), 1u);
    EXPECT_EQ(test.prompter.prompts[0].text, "The handler broke.");

    // The registered message's lParam is whatever its sender chose: here an error of its own.
    const std::runtime_error forged("Forged by another program.");
    SendMessageW(bar, RegisterWindowMessageW(L"Vask.ControlError"), 0, reinterpret_cast<LPARAM>(&forged));
    EXPECT_EQ(test.prompter.prompts.size(), 1u);
}

}  // namespace
}  // namespace vask::test
