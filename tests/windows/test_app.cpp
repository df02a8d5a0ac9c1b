#include "test_app.h"

#include "app/main_window.h"

namespace vask::test {

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
