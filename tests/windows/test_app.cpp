#include "test_app.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "win/double_buffer.h"
#include "win/handles.h"
#include "real_input.h"

namespace vask::test {

void choose(win::ComboBox& list, int index) {
    click(list);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(list.hwnd(), &info) && IsWindowVisible(info.hwndList)) << "the list did not drop";
    const HWND items = info.hwndList;
    for (int turn = 0; turn < 100; ++turn) {
        RECT item{}, shown{};
        SendMessageW(items, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        GetClientRect(items, &shown);
        if (item.top >= 0 && item.bottom <= shown.bottom) {
            MapWindowPoints(items, nullptr, reinterpret_cast<POINT*>(&item), 2);
            clickAt(centreOf(item));
            pumpInput();
            return;
        }
        // The wheel over the dropped list: three rows a notch.
        moveMouseTo(centreOf(items));
        INPUT wheel{};
        wheel.type = INPUT_MOUSE;
        wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
        wheel.mi.mouseData = static_cast<DWORD>(item.top < 0 ? WHEEL_DELTA : -WHEEL_DELTA);
        SendInput(1, &wheel, sizeof(INPUT));
        pumpInput();
    }
    ADD_FAILURE() << "item " << index << " never came into view";
}

void click(HWND control) {
    const POINT centre = centreOf(control);
    const HWND found = WindowFromPoint(centre);
    // The system passes over a disabled control to the window under it.
    const bool reached =
        IsWindowEnabled(control) ? found == control || IsChild(control, found) : found == GetParent(control);
    EXPECT_TRUE(reached) << "a click on " << describe(control) << " lands on " << describe(found);
    clickAt(centre);
    pumpInput();
}

void click(const win::Control& control) { click(control.hwnd()); }

MenuClick::MenuClick(HWND owner, UINT id) : owner_(owner), id_(id) {
    SetWindowSubclass(owner_, &MenuClick::watch, 2, reinterpret_cast<DWORD_PTR>(this));
    // A menu that never takes the click still closes.
    timer_ = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
}

MenuClick::~MenuClick() {
    KillTimer(nullptr, timer_);
    RemoveWindowSubclass(owner_, &MenuClick::watch, 2);
}

LRESULT CALLBACK MenuClick::watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& self = *reinterpret_cast<MenuClick*>(data);
    const auto popup = reinterpret_cast<HMENU>(wParam);
    // A submenu may open by itself, under a pointer that rests on its item:
    // only the first menu, and the submenus clicked on the way, are searched.
    if (message == WM_INITMENUPOPUP) {
        self.open_.insert(popup);
        if (!self.first_) self.first_ = self.searchNext_ = popup;
    }
    if (message == WM_UNINITMENUPOPUP) self.open_.erase(popup);
    // Each time the open menu waits for input: the item when this menu holds
    // it, else the submenu that leads to it.
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && self.searchNext_ && !self.clicked_) {
        const HMENU menu = std::exchange(self.searchNext_, nullptr);
        const std::function<bool(HMENU)> holds = [&](HMENU in) {
            for (int i = 0; i < GetMenuItemCount(in); ++i)
                if (GetMenuItemID(in, i) == self.id_ || (GetSubMenu(in, i) && holds(GetSubMenu(in, i)))) return true;
            return false;
        };
        int found = -1;
        for (int i = 0; i < GetMenuItemCount(menu) && found < 0; ++i)
            if (GetMenuItemID(menu, i) == self.id_ || (GetSubMenu(menu, i) && holds(GetSubMenu(menu, i)))) found = i;
        const HMENU submenu = found < 0 ? nullptr : GetSubMenu(menu, found);
        if (found < 0) {
            ADD_FAILURE() << "the menu holds no item " << self.id_;
            EndMenu();
        } else if (submenu && self.open_.contains(submenu)) {
            self.searchNext_ = submenu;  // already open: its item is clicked next
        } else {
            RECT rect{};
            GetMenuItemRect(nullptr, menu, static_cast<UINT>(found), &rect);
            self.clicked_ = !submenu;
            if (submenu) self.searchNext_ = submenu;
            clickAt(centreOf(rect));
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
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

namespace {

// What waits in the queue, each window's keys through the dialog manager first.
void dispatchWaiting() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        const HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (!root || !IsDialogMessageW(root, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace

void pumpInput() {
    for (int turn = 0; turn < 20; ++turn) {
        dispatchWaiting();
        if (turn >= 2 && !GetQueueStatus(QS_ALLINPUT)) return;
        Sleep(5);
    }
}

void runLoopUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 300 && !done(); ++i) {
        dispatchWaiting();
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

TestApp::TestApp(const std::string& settings, const std::string& history) {
    if (!settings.empty()) folder.write(L"vask.cfg", settings);
    if (!history.empty()) folder.write(L"hist.sdf", history);
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

Tmainform& activeBar(TestApp& test) { return activeBar(*test.app); }

Tmainform& activeBar(App& app) {
    Tmainform& bar = app.bar();
    ShowWindow(bar.hwnd(), SW_SHOW);
    SetForegroundWindow(bar.hwnd());
    bar.eurl.setFocus();
    pumpInput();
    return bar;
}

Tfext& openAdvanced(App& app) {
    Tmainform& bar = activeBar(app);
    if (!app.advanced().isVisible()) click(bar.GradButton3);
    return app.advanced();
}

}  // namespace vask::test
