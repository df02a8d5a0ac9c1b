// The real bar's global hotkey, pressed on the keyboard while another
// program's window is active: it calls the bar with the focus in its search
// field, and a second press (or Escape) gives the activation back. A hotkey
// that cannot be had is said once, and the bar works without it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>

#include "bar/hotkey_window.h"
#include "bar/bar_window.h"
#include "e2e_support.h"
#include "real_input.h"
#include "temp_folder.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

std::string googleUrl(const std::string& text) { return "http://www.google.com/search?&hl=sl&q=&q=" + text; }

// Keys down in their order, then up in the reverse order, as fingers do,
// each with its scan code, as a keyboard sends it.
void pressTogether(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    const auto key = [](WORD virtualKey, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        return input;
    };
    for (const WORD down : keys) inputs.push_back(key(down, 0));
    for (auto up = std::rbegin(keys); up != std::rend(keys); ++up) inputs.push_back(key(*up, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pressDefaultHotkey() { pressTogether({VK_CONTROL, VK_MENU, VK_SPACE}); }

// The bar in front with the keyboard's focus in its search field.
bool barHasTheKeyboard(HWND bar) {
    return waitUntil([bar] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetForegroundWindow() == bar && GetGUIThreadInfo(GetWindowThreadProcessId(bar, nullptr), &info) &&
               info.hwndFocus == GetDlgItem(bar, Tmainform::IdEurl);
    });
}

// A window of this process, "another program" to the bar, made active.
struct OtherProgram {
    HWND window = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ~OtherProgram() { DestroyWindow(window); }
    bool activate() const {
        SetForegroundWindow(window);
        return isActive();
    }
    // Its keys handled as a program's are: unread keys would stay down for Wine.
    bool isActive() const {
        return waitUntil([this] {
            for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
            return GetForegroundWindow() == window;
        });
    }
};

std::vector<LaunchArgs> typeAndSearch(const std::wstring& text) {
    forgetLaunches();
    typeText(text);
    pressKey(VK_RETURN);
    return waitForLaunches(L"default", 1);
}

TEST(HotkeyEndToEnd, TheHotkeyCallsTheBarAndGivesTheActivationBack) {
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND bar = vask.bar();
    ASSERT_TRUE(barHasTheKeyboard(bar));
    OtherProgram other;
    ASSERT_TRUE(other.activate());

    pressDefaultHotkey();
    ASSERT_TRUE(barHasTheKeyboard(bar));
    EXPECT_EQ(typeAndSearch(L"kiwi"), std::vector<LaunchArgs>{{googleUrl("kiwi")}});
    pressDefaultHotkey();
    EXPECT_TRUE(other.isActive()) << "a second press gives the activation back";

    // From the minimised state too; the field's text is selected, so typing replaces it.
    ShowWindow(bar, SW_MINIMIZE);
    ASSERT_TRUE(other.activate());
    pressDefaultHotkey();
    ASSERT_TRUE(barHasTheKeyboard(bar));
    EXPECT_FALSE(IsIconic(bar));
    EXPECT_EQ(typeAndSearch(L"fig"), std::vector<LaunchArgs>{{googleUrl("fig")}});
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(other.isActive()) << "Escape gives the activation back";
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
    forgetLaunches();
}

TEST(HotkeyEndToEnd, AHotkeyThatCannotBeHadIsSaidOnceAndTheBarWorks) {
    struct Case {
        const char* settings;
        const char* named;
    };
    for (const Case& c :
         {Case{"", "The hotkey Ctrl+Alt+Space is taken"},
          Case{"[Options]\r\nHotkey=Ctrl+Alt+Spce\r\n", "\"Ctrl+Alt+Spce\" in vask.cfg cannot be read"}}) {
        SCOPED_TRACE(c.named);
        // Another program holds Ctrl+Alt+Space.
        ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_SPACE));
        test::TempFolder folder;
        folder.write(L"vask.cfg", c.settings);
        VaskProcess vask(folder.path());
        std::vector<std::string> messages;
        for (int i = 0; i < 60; ++i, Sleep(50))  // three seconds for a second message to show
            for (const HWND box : windowsOf(vask.processId(), L"#32770")) {
                wchar_t text[1024] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 1024);
                messages.push_back(win::toUtf8(text));
                SendMessageW(box, WM_COMMAND, IDOK, 0);
            }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(c.named), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find("\"Hotkey...\" in the bar's menu"), std::string::npos) << messages[0];
        ASSERT_TRUE(barHasTheKeyboard(vask.bar()));
        EXPECT_EQ(typeAndSearch(L"plum"), std::vector<LaunchArgs>{{googleUrl("plum")}});
        UnregisterHotKey(nullptr, 1);
        vask.sendCopyData("202");
        ASSERT_TRUE(vask.waitForExit());
        // What the user wrote stays for them to mend.
        EXPECT_EQ(folder.read(L"vask.cfg").find("Hotkey=Ctrl+Alt+Spce") != std::string::npos, *c.settings != 0);
    }
    forgetLaunches();
}

TEST(HotkeyEndToEnd, AHotkeyChosenInTheDialogCallsTheBarAndIsKept) {
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND bar = vask.bar();
    ASSERT_TRUE(barHasTheKeyboard(bar));
    PostMessageW(bar, WM_COMMAND, Tmainform::Hotkey1, 0);
    const HWND dialog = vask.waitForWindow(L"TfHotkey");
    ASSERT_TRUE(waitUntil([dialog] { return GetForegroundWindow() == dialog; }));
    pressTogether({VK_CONTROL, VK_SHIFT, 'K'});
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([dialog] { return !IsWindowVisible(dialog); }));
    settle(bar);  // the bar has taken the new hotkey

    OtherProgram other;
    ASSERT_TRUE(other.activate());
    pressDefaultHotkey();
    Sleep(500);
    EXPECT_TRUE(other.isActive()) << "the old hotkey is released";
    pressTogether({VK_CONTROL, VK_SHIFT, 'K'});
    EXPECT_TRUE(barHasTheKeyboard(bar));
    vask.sendCopyData("202");
    ASSERT_TRUE(vask.waitForExit());
    EXPECT_NE(folder.read(L"vask.cfg").find("Hotkey=Ctrl+Shift+K"), std::string::npos);
}

TEST(HotkeyEndToEnd, TheDialogKeepsTheWinKeyAndRefusesAKeyAlone) {
    test::TempFolder folder;
    folder.write(L"vask.cfg", "[Options]\r\nHotkey=Win+F7\r\n");
    VaskProcess vask(folder.path());
    ASSERT_TRUE(barHasTheKeyboard(vask.bar()));
    PostMessageW(vask.bar(), WM_COMMAND, Tmainform::Hotkey1, 0);
    const HWND dialog = vask.waitForWindow(L"TfHotkey");
    ASSERT_TRUE(waitUntil([dialog] { return GetForegroundWindow() == dialog; }));
    const HWND winBox = FindWindowExW(dialog, nullptr, L"Button", L"Win");
    ASSERT_EQ(SendMessageW(winBox, BM_GETCHECK, 0, 0), BST_CHECKED) << "Win is not shown";
    // Win cleared: F7 alone is refused, and a key typed alone takes Ctrl and Alt.
    pressKey(VK_TAB);
    pressKey(VK_SPACE);
    pressKey(VK_RETURN);
    std::vector<HWND> boxes;
    ASSERT_TRUE(waitUntil([&] { return !(boxes = windowsOf(vask.processId(), L"#32770")).empty(); }));
    wchar_t text[512] = {};
    GetDlgItemTextW(boxes[0], 0xFFFF, text, 512);
    EXPECT_NE(std::wstring(text).find(L"Ctrl, Alt or Win"), std::wstring::npos) << win::toUtf8(text);
    SendMessageW(boxes[0], WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitUntil([dialog] { return GetForegroundWindow() == dialog; }));  // the keys go to the field
    pressTogether({'J'});
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([dialog] { return !IsWindowVisible(dialog); }));
    vask.sendCopyData("202");
    ASSERT_TRUE(vask.waitForExit());
    EXPECT_NE(folder.read(L"vask.cfg").find("Hotkey=Ctrl+Alt+J"), std::string::npos) << folder.read(L"vask.cfg");
}

// The name the keyboard gives a key ("Enter"; Wine says "Return").
std::string keyName(WORD virtualKey) {
    wchar_t name[64] = {};
    GetKeyNameTextW(static_cast<LONG>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) << 16), name, 64);
    return win::toUtf8(name);
}

// The dialog's field takes the keys the system's hotkey field leaves to the
// dialog (Space, Enter), "Default" brings back Ctrl+Alt+Space, and each choice
// is in "vask.cfg" as soon as the dialog closes, with the rest of the file as it was.
TEST(HotkeyEndToEnd, TheDialogTakesCtrlAltSpaceAndEnterAndItsDefaultAndSavesAtOnce) {
    test::TempFolder folder;
    const std::string before = "[Options]\r\nHotkey=Ctrl+Shift+K\r\nmine=kept\r\n\r\n[Mine]\r\nnote=as written\r\n";
    const auto savedWith = [&](const std::string& hotkey) {
        std::string expected = before;
        expected.replace(expected.find("Ctrl+Shift+K"), 12, hotkey);
        return expected;
    };
    folder.write(L"vask.cfg", before);
    VaskProcess vask(folder.path());
    const HWND bar = vask.bar();
    ASSERT_TRUE(barHasTheKeyboard(bar));
    const auto openDialog = [&] {
        PostMessageW(bar, WM_COMMAND, Tmainform::Hotkey1, 0);
        const HWND dialog = vask.waitForWindow(L"TfHotkey");
        EXPECT_TRUE(waitUntil([dialog] { return GetForegroundWindow() == dialog && IsWindowVisible(dialog); }));
        return dialog;
    };
    const auto saved = [&](const std::string& hotkey) {
        const bool done = waitUntil([&] { return folder.read(L"vask.cfg") == savedWith(hotkey); });
        settle(bar);  // the bar has taken the new hotkey too
        return done;
    };
    const auto fieldShows = [](HWND dialog, WORD key, BYTE flags) {
        return waitUntil([&] {
            return SendMessageW(GetDlgItem(dialog, TfHotkey::IdField), HKM_GETHOTKEY, 0, 0) == MAKEWORD(key, flags);
        });
    };

    HWND dialog = openDialog();
    pressTogether({VK_CONTROL, VK_MENU, VK_SPACE});
    EXPECT_TRUE(fieldShows(dialog, VK_SPACE, HOTKEYF_CONTROL | HOTKEYF_ALT)) << "Ctrl+Alt+Space is not shown";
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Space pressed a button";
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([dialog] { return !IsWindowVisible(dialog); }));
    EXPECT_TRUE(saved("Ctrl+Alt+Space")) << "not saved at OK, or not the hotkey alone: " << folder.read(L"vask.cfg");
    OtherProgram other;
    ASSERT_TRUE(other.activate());
    pressDefaultHotkey();
    EXPECT_TRUE(barHasTheKeyboard(bar));

    dialog = openDialog();
    pressTogether({VK_CONTROL, VK_MENU, VK_RETURN});
    EXPECT_TRUE(fieldShows(dialog, VK_RETURN, HOTKEYF_CONTROL | HOTKEYF_ALT)) << "Ctrl+Alt+Enter is not shown";
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Enter held with Ctrl and Alt pressed OK";
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([dialog] { return !IsWindowVisible(dialog); }));
    EXPECT_TRUE(saved("Ctrl+Alt+" + keyName(VK_RETURN))) << folder.read(L"vask.cfg");

    dialog = openDialog();
    test::clickAt(test::centreOf(GetDlgItem(dialog, TfHotkey::IdDefault)));
    ASSERT_TRUE(waitUntil([dialog] { return !IsWindowVisible(dialog); }));
    EXPECT_TRUE(saved("Ctrl+Alt+Space")) << "Default does not bring Ctrl+Alt+Space back: " << folder.read(L"vask.cfg");
    ASSERT_TRUE(other.activate());
    pressDefaultHotkey();
    EXPECT_TRUE(barHasTheKeyboard(bar));
    vask.sendCopyData("202");
    ASSERT_TRUE(vask.waitForExit());
}

}  // namespace
}  // namespace vask::e2e
