#include "test_app.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_window.h"
#include "win/double_buffer.h"
#include "win/handles.h"

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

void runLoopUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 300 && !done(); ++i) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            const HWND root = GetAncestor(message.hwnd, GA_ROOT);
            if (!root || !IsDialogMessageW(root, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (!done()) Sleep(10);
    }
}

void sendKeys(std::initializer_list<std::pair<WORD, bool>> keys) {
    std::vector<INPUT> inputs;
    for (const auto& [key, down] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void press(WORD key) { sendKeys({{key, true}, {key, false}}); }

void pressWithAlt(WORD key) { sendKeys({{VK_MENU, true}, {key, true}, {key, false}, {VK_MENU, false}}); }

void typeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (const wchar_t character : text)
        for (const DWORD up : {0UL, static_cast<DWORD>(KEYEVENTF_KEYUP)}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = character;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

Picture render(HWND control, uint32_t background) {
    RECT client{};
    GetClientRect(control, &client);
    const int width = std::max<int>(client.right, 1), height = std::max<int>(client.bottom, 1);
    win::WindowDc screen(nullptr);
    win::MemoryDc dc(CreateCompatibleDC(screen.get()));
    const BITMAPINFO info = win::topDownDibInfo(width, height);
    void* bits = nullptr;
    win::Bitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win::SelectedObject selected(dc.get(), bitmap.get());
    auto* dib = static_cast<uint32_t*>(bits);
    const uint32_t marker = ((background & 0xFF) << 16) | (background & 0xFF00) | ((background >> 16) & 0xFF);
    std::fill(dib, dib + width * height, marker);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    GdiFlush();
    Picture picture{width, {}};
    for (int i = 0; i < width * height; ++i)
        picture.pixels.push_back(((dib[i] & 0xFF) << 16) | (dib[i] & 0xFF00) | ((dib[i] >> 16) & 0xFF));
    return picture;
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
    SendMessageW(app->bar().hwnd(), WM_CLOSE, 0, 0);
    pumpMessages();
    app = std::make_unique<App>(folder.path(), launcher, prompter);
    app->createWindows();
    pumpMessages();
}

}  // namespace vask::test
