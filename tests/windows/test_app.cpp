#include "test_app.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_window.h"

namespace vask::test {

void choose(win::ComboBox& list, int index) {
    SendMessageW(list.hwnd(), CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(list.hwnd()), WM_COMMAND, MAKEWPARAM(list.id(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.hwnd()));
}

void click(const win::Control& button) {
    SendMessageW(GetParent(button.hwnd()), WM_COMMAND, MAKEWPARAM(button.id(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button.hwnd()));
}

int indexOf(const win::ComboBox& list, const std::string& item) {
    const std::vector<std::string> items = list.items();
    const auto found = std::find(items.begin(), items.end(), item);
    EXPECT_NE(found, items.end()) << item;
    return static_cast<int>(found - items.begin());
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

TestApp::TestApp() : TestApp(std::string{}) {}

TestApp::TestApp(const std::string& settings) {
    if (!settings.empty()) folder.write(L"vask.cfg", settings);
    app = std::make_unique<App>(folder.path(), launcher, prompter);
    app->createWindows();
    pumpMessages();
}

TestApp::~TestApp() {
    app.reset();
    pumpMessages();
}

void TestApp::restart() {
    SendMessageW(app->mainform->hwnd(), WM_CLOSE, 0, 0);
    pumpMessages();
    app = std::make_unique<App>(folder.path(), launcher, prompter);
    app->createWindows();
    pumpMessages();
}

}  // namespace vask::test
