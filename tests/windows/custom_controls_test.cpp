// The gradient button, the dragging panel and the popup arrow button as real
// windows: what they paint, and what mouse and keys make them do.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "bar/bar_window.h"
#include "about/about_window.h"
#include "controls/grad_button.h"
#include "controls/ing_popup_button.h"
#include "controls/rg_panel.h"
#include "test_app.h"
#include "win/double_buffer.h"
#include "win/dpi.h"
#include "win/window.h"

namespace vask::test {
namespace {

constexpr int ButtonId = 42;

// A top-level window that records what its children tell it, and never runs
// the system's move loop. Hidden unless a test needs controls that can take
// the focus (showing costs Wine a moment without a window manager).
class RecordingParent : public win::Window {
public:
    explicit RecordingParent(bool visible = false) {
        registerClass(L"VaskTestParent");
        create(L"VaskTestParent", L"", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 100, 100, 300, 120, nullptr);
    }
    std::vector<std::pair<WPARAM, LPARAM>> sysCommands;
    std::vector<std::pair<int, int>> commands;  // id, notification code
    std::vector<int> modalResults;
    void modalResultChosen(int result) override { modalResults.push_back(result); }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_SYSCOMMAND:
            sysCommands.emplace_back(wParam, lParam);
            return 0;
        case WM_COMMAND:
            commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
            return 0;
        default:
            return defaultProcedure(message, wParam, lParam);
        }
    }
};

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

TEST(GradButtonWindow, PaintsTheNeoDesertGradientUnderItsCaption) {
    RecordingParent parent;
    TGradButton button;
    button.create(parent.hwnd(), "", ButtonId);
    button.setCtl3D(false);  // leaves rows 1 to 23 to the gradient
    const std::vector<uint32_t> rows = gradientRows(0xC6ECFF, 0x37BEFF, 25);
    Picture picture = render(button.hwnd());
    EXPECT_EQ(picture.at(37, 0), 0x005680u);  // the border
    EXPECT_EQ(picture.at(37, 24), 0x005680u);
    for (int y = 1; y < 24; ++y) EXPECT_EQ(picture.at(37, y), rows[y]) << "row " << y;
    EXPECT_EQ(picture.at(1, 1), rows[1]);
    EXPECT_EQ(picture.at(73, 23), rows[23]);

    // The caption is drawn in the text colour over the gradient, the frame over both.
    button.setText("Search");
    picture = render(button.hwnd());
    int black = 0;
    for (int x = 1; x < 74; ++x)
        for (int y = 1; y < 24; ++y) black += picture.at(x, y) == 0x000000;
    EXPECT_GT(black, 10);
    EXPECT_EQ(picture.at(2, 12), rows[12]);

    // Disabled, and pressed: the disabled set, a grey frame and grey text.
    button.setEnabled(false);
    SendMessageW(button.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    picture = render(button.hwnd());
    EXPECT_EQ(picture.at(37, 0), 0x808080u);
    EXPECT_EQ(picture.at(2, 1), gradientRows(0xEEEEEE, 0xFFFFFF, 25)[1]);
    for (uint32_t pixel : picture.pixels) EXPECT_NE(pixel, 0x000000u);

    // A button of no height paints nothing.
    button.setBounds(0, 0, 75, 0);
    picture = render(button.hwnd(), 0x123456);
    EXPECT_EQ(picture.at(0, 0), 0x123456u);
}

TEST(GradButtonWindow, MouseAndKeysClickAsTheRulesSay) {
    RecordingParent parent(true);
    TGradButton button;
    button.create(parent.hwnd(), "Go", ButtonId);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    const HWND window = button.hwnd();

    // Hover, and a held button dragged out and back in.
    SendMessageW(window, WM_MOUSEMOVE, 0, at(10, 10));
    EXPECT_EQ(button.model().state, ButtonState::Over);
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(button.model().state, ButtonState::Normal);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, at(-5, 10));
    EXPECT_EQ(button.model().state, ButtonState::Normal);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, at(10, 10));
    EXPECT_EQ(button.model().state, ButtonState::Down);

    // A release past the edge is outside: no click, still pressed.
    for (LPARAM release : {at(-1, 10), at(10, -1)}) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
        SendMessageW(window, WM_LBUTTONUP, 0, release);
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(button.model().state, ButtonState::Down);
    }
    EXPECT_EQ(GetFocus(), window) << "a left press takes the focus";
    EXPECT_TRUE(button.model().focused);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    SendMessageW(window, WM_RBUTTONUP, 0, at(10, 10));
    EXPECT_EQ(clicks, 0) << "only the left button clicks";
    // The first column and row are inside.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    SendMessageW(window, WM_LBUTTONUP, 0, at(0, 0));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.model().state, ButtonState::Normal);

    // Space clicks when it comes up; Enter at once; Escape only a Cancel button.
    SendMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(button.model().state, ButtonState::Down);
    EXPECT_EQ(clicks, 1);
    SendMessageW(window, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(clicks, 2);
    SendMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(clicks, 3);
    SendMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(clicks, 3);
    button.setCancel(true);
    SendMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(clicks, 4);

    // Offered by the containing window while another control has the focus.
    SetFocus(parent.hwnd());
    EXPECT_FALSE(button.model().focused);
    EXPECT_TRUE(button.dialogKey(VK_ESCAPE));
    EXPECT_FALSE(button.dialogKey(VK_RETURN));
    button.setDefault(true);
    EXPECT_TRUE(button.dialogKey(VK_RETURN));
    EXPECT_EQ(clicks, 6);
    button.setEnabled(false);
    EXPECT_FALSE(button.dialogKey(VK_ESCAPE)) << "a disabled button cannot take the key";
    SendMessageW(window, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 6);

    // A tab-stop-less button leaves the focus where it was.
    button.setEnabled(true);
    button.setTabStop(false);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10));
    EXPECT_NE(GetFocus(), window);
    SendMessageW(window, WM_LBUTTONUP, 0, at(10, 10));
    EXPECT_EQ(clicks, 7);
}

TEST(GradButtonWindow, DialogManagerAndContainerHearTheClick) {
    RecordingParent parent;
    TGradButton button;
    button.create(parent.hwnd(), "&Go", ButtonId);
    const HWND window = button.hwnd();
    const auto offer = [&](UINT message, WPARAM key) {
        MSG msg{window, message, key, 0, 0, {}};
        return IsDialogMessageW(parent.hwnd(), &msg);
    };

    // Without onClick the parent hears BN_CLICKED, as from a standard button.
    SetFocus(window);
    offer(WM_KEYDOWN, VK_RETURN);
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0], std::make_pair(ButtonId, static_cast<int>(BN_CLICKED)));
    // Escape on a button that is not Cancel goes on to the window as IDCANCEL.
    offer(WM_KEYDOWN, VK_ESCAPE);
    ASSERT_EQ(parent.commands.size(), 2u);
    EXPECT_EQ(parent.commands[1].first, IDCANCEL);
    // The caption's accelerator clicks it.
    offer(WM_SYSCHAR, L'g');
    ASSERT_EQ(parent.commands.size(), 3u);
    EXPECT_EQ(parent.commands[2].first, ButtonId);

    // The modal result reaches the container before the click's own handling.
    button.setModalResult(IDCANCEL);
    button.onClick = [&] { EXPECT_EQ(parent.modalResults.size(), 1u) << "the result comes first"; };
    SendMessageW(window, BM_CLICK, 0, 0);
    EXPECT_EQ(parent.modalResults, std::vector<int>{IDCANCEL});
    EXPECT_EQ(parent.commands.size(), 3u) << "the button's own onClick takes the click";
}

TEST(DraggingPanel, OnlyALeftPressStartsTheMove) {
    RecordingParent parent;
    TRGPanel panel(parent.hwnd(), TFloatingPanel::fpParent);
    std::vector<UINT> presses;
    panel.OnMouseDown = [&](UINT button, POINT) { presses.push_back(button); };

    SendMessageW(panel.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, at(5, 5));
    SendMessageW(panel.hwnd(), WM_MBUTTONDOWN, MK_MBUTTON, at(5, 5));
    EXPECT_TRUE(parent.sysCommands.empty());
    SendMessageW(panel.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    ASSERT_EQ(parent.sysCommands.size(), 1u);
    EXPECT_EQ(parent.sysCommands[0], std::make_pair(WPARAM{0xF012}, LPARAM{0}));

    panel.setFloatingPanel(TFloatingPanel::fpNone);
    SendMessageW(panel.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    EXPECT_EQ(parent.sysCommands.size(), 1u);
    EXPECT_EQ(presses, (std::vector<UINT>{WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST(PopupArrowButton, AnyPressOpensTheMenuUnderTheButtonThenReleases) {
    RecordingParent parent;
    TIngPopupButton button;
    button.create(parent.hwnd(), ButtonId);
    EXPECT_EQ(button.ArrowWidth(), 13);
    EXPECT_EQ(button.bounds().right - button.bounds().left, 75);
    button.setBounds(20, 30, 26, 20);
    win::Menu menu(CreatePopupMenu());
    std::vector<std::pair<HMENU, POINT>> opened;
    button.OpenMenu = [&](HMENU shown, POINT where) { opened.emplace_back(shown, where); };
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    const HWND window = button.hwnd();

    // Without a menu a press and its release click once.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(3, 3));
    SendMessageW(window, WM_LBUTTONUP, 0, at(3, 3));
    EXPECT_EQ(clicks, 1);

    button.PopupMenu = menu.get();
    RECT frame{};
    GetWindowRect(window, &frame);
    for (UINT press : {WM_RBUTTONDOWN, WM_LBUTTONDOWN, WM_MBUTTONDOWN}) {
        SendMessageW(window, press, 0, at(3, 3));
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.back().first, menu.get());
        EXPECT_EQ(opened.back().second.x, frame.left);
        EXPECT_EQ(opened.back().second.y, frame.bottom);
    }
    EXPECT_EQ(opened.size(), 3u);
    EXPECT_EQ(frame.left, 100 + 20);
    EXPECT_EQ(frame.bottom, 100 + 30 + 20);
    EXPECT_EQ(clicks, 4) << "the release handling ran after each menu";
    SendMessageW(window, WM_LBUTTONUP, 0, at(3, 3));
    EXPECT_EQ(clicks, 4) << "a release the menu already handled clicks nothing";

    EnableWindow(window, FALSE);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(3, 3));
    EXPECT_EQ(opened.size(), 3u) << "a disabled button opens nothing";
}

TEST(PopupArrowButton, PaintsTheOwnersGlyphAndTheArrowInTheEnabledInk) {
    RecordingParent parent;
    TIngPopupButton button;
    button.create(parent.hwnd(), ButtonId);  // 75 x 25, arrow 13
    button.setColor(RGB(10, 20, 30));
    RECT glyphArea{};
    button.OnDrawGlyph = [&](HDC, const RECT& area) { glyphArea = area; };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (bool enabled : {true, false}) {
        EnableWindow(button.hwnd(), enabled);
        const Picture picture = render(button.hwnd());
        const uint32_t ink = enabled ? 0x000000 : GetSysColor(COLOR_BTNSHADOW);
        EXPECT_EQ(picture.at(5, 5), RGB(10, 20, 30));
        EXPECT_EQ(picture.at(62, 2), face);
        EXPECT_EQ(picture.at(72, 22), face);
        for (int x = 64; x < 71; ++x) EXPECT_EQ(picture.at(x, 12), ink) << x;
        EXPECT_EQ(picture.at(71, 12), face);
        EXPECT_EQ(picture.at(67, 15), ink);
        EXPECT_EQ(picture.at(66, 15), face);
        EXPECT_EQ(picture.at(68, 15), face);
        EXPECT_EQ(picture.at(67, 16), face);
    }
    EXPECT_EQ(glyphArea.right, 75);
    EXPECT_EQ(glyphArea.bottom, 25);
}

TEST(CustomControlsInPlace, BarAndAboutBoxButtons) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    const UINT dpi = win::dpiForWindow(bar.hwnd());
    wchar_t className[32] = {};
    GetClassNameW(bar.GradButton1.hwnd(), className, 32);
    EXPECT_STREQ(className, L"TGradButton");
    GetClassNameW(bar.ingpop.hwnd(), className, 32);
    EXPECT_STREQ(className, L"TIngPopupButton");

    for (const TGradButton* button : {&bar.GradButton1, &bar.GradButton3}) {
        EXPECT_EQ(button->ColorScheme(), TColorScheme::csCustom);
        EXPECT_TRUE(button->model().gradient);
    }
    const uint32_t darkFace = bar.GradButton1.model().colors[ColorFace];
    bar.setBackColor(0xFFFFFF);
    bar.NastaviBarve();
    EXPECT_NE(bar.GradButton1.model().colors[ColorFace], darkFace) << "the buttons follow the bar's colour";

    EXPECT_EQ(bar.ingpop.ArrowWidth(), 2);
    EXPECT_EQ(bar.ingpop.PopupMenu, bar.pop());
    const RECT place = bar.ingpop.bounds();
    EXPECT_EQ(place.right - place.left, win::scale(26, dpi));
    EXPECT_EQ(place.bottom - place.top, win::scale(20, dpi));

    // A click on "Search" searches.
    bar.eurl.setText("red apple");
    SendMessageW(bar.GradButton1.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(test.launcher.launches.size(), 1u);

    // The about box's OK: silver, the Cancel button, modal result 2 (cancel).
    const TGradButton& ok = test.app->about().GradButton1;
    EXPECT_EQ(ok.ColorScheme(), TColorScheme::csNeoSilver);
    EXPECT_TRUE(ok.model().gradient && ok.model().cancel);
    EXPECT_EQ(ok.model().modalResult, IDCANCEL);
}

}  // namespace
}  // namespace vask::test
