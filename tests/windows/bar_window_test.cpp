// The search bar as the user meets it: its start, its settings, its menu,
// its look and the messages other programs send it.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "bar/bar_window.h"
#include "test_app.h"
#include "win/dpi.h"
#include "win/handles.h"

namespace vask::test {
namespace {

LONG_PTR exStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

int clientHeight(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect.bottom;
}

void sendCopyData(HWND window, const void* data, DWORD size) {
    COPYDATASTRUCT message{0, size, const_cast<void*>(data)};
    SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message));
}

TEST(MainWindow, FirstStartWithoutSettingsUsesTheDefaults) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    const RECT rect = bar.windowRect();
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) - 500);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) - 200);
    EXPECT_EQ(bar.backColor(), 11184388u);
    EXPECT_TRUE(bar.menuChecked(Tmainform::Compact1));
    EXPECT_TRUE(bar.menuChecked(Tmainform::stbar));
    EXPECT_TRUE(bar.menuChecked(Tmainform::enahist));
    EXPECT_EQ(bar.searchEngine(), SearchEngine::Google);
    EXPECT_TRUE(exStyle(bar.hwnd()) & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle(bar.hwnd()) & WS_EX_APPWINDOW);
    EXPECT_FALSE(exStyle(bar.hwnd()) & WS_EX_TOOLWINDOW);
}

TEST(MainWindow, StoredPositionsAreCorrectedAsTheyLoad) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    {
        TestApp test("[Velikost]\r\nLevo=-6\r\nGor=-6\r\n\r\n");
        const RECT rect = test.app->bar().windowRect();
        EXPECT_EQ(rect.left, 5);
        EXPECT_EQ(rect.top, 15);
    }
    {
        TestApp test("[Velikost]\r\nLevo=-5\r\nGor=-5\r\n\r\n");
        const RECT rect = test.app->bar().windowRect();
        EXPECT_EQ(rect.left, -5);
        EXPECT_EQ(rect.top, -5);
    }
    {
        TestApp test("[Velikost]\r\nLevo=" + std::to_string(screenWidth) + "\r\nGor=" + std::to_string(screenHeight) +
                     "\r\n\r\n");
        // The correction uses the laid-out size, before compact mode shortens the bar.
        const HWND bar = test.app->bar().hwnd();
        const UINT dpi = win::dpiForWindow(bar);
        const RECT rect = test.app->bar().windowRect();
        EXPECT_EQ(rect.left, screenWidth - win::scale(Tmainform::LayoutWidth, dpi) - 30);
        EXPECT_EQ(rect.top, screenHeight - win::scale(Tmainform::layoutHeight, dpi) - 30);
    }
}

TEST(MainWindow, FlagsReadOnlyOneAndZero) {
    TestApp test("[Options]\r\nCompact=2\r\nstbar=2\r\nEnahist=0\r\n\r\n");
    Tmainform& bar = test.app->bar();
    EXPECT_FALSE(bar.menuChecked(Tmainform::Compact1));
    EXPECT_FALSE(bar.menuChecked(Tmainform::stbar));
    EXPECT_FALSE(bar.menuChecked(Tmainform::enahist));
    EXPECT_TRUE(exStyle(bar.hwnd()) & WS_EX_TOOLWINDOW) << "no taskbar button";
    EXPECT_EQ(clientHeight(bar.hwnd()), win::scale(Tmainform::layoutHeight, win::dpiForWindow(bar.hwnd())));
}

TEST(MainWindow, CompactTwiceReturnsToTheFullLayout) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    const UINT dpi = win::dpiForWindow(bar.hwnd());
    EXPECT_EQ(clientHeight(bar.hwnd()), win::scale(35, dpi));
    EXPECT_FALSE(bar.cb1.visible());
    EXPECT_GE(GetMenuItemCount(bar.pop()), 11) << "compact mode offers \"Search engine\"";

    const int compactItems = GetMenuItemCount(bar.pop());
    bar.Compact1Click();
    EXPECT_EQ(clientHeight(bar.hwnd()), win::scale(64, dpi));
    EXPECT_EQ(GetMenuItemCount(bar.pop()), compactItems - 1) << "\"Search engine\" hidden";
    bar.Compact1Click();
    bar.Compact1Click();
    EXPECT_FALSE(bar.menuChecked(Tmainform::Compact1));
    EXPECT_EQ(clientHeight(bar.hwnd()), win::scale(64, dpi));
    for (const win::Control* control :
         {static_cast<const win::Control*>(&bar.cb1), static_cast<const win::Control*>(&bar.cb2),
          static_cast<const win::Control*>(&bar.cb4), static_cast<const win::Control*>(&bar.Label1),
          static_cast<const win::Control*>(&bar.Label2), static_cast<const win::Control*>(&bar.Label3),
          static_cast<const win::Control*>(&bar.sbend)})
        EXPECT_TRUE(control->visible());
    EXPECT_EQ(GetMenuItemCount(bar.pop()), compactItems - 1);
    EXPECT_EQ(bar.eurl.bounds().top, win::scale(39 + 2, dpi));
}

// A control's caption in its own font, as GDI measures it.
SIZE captionExtent(const win::Control& control) {
    wchar_t text[64] = {};
    const int length = GetWindowTextW(control.hwnd(), text, 64);
    const win::WindowDc dc(control.hwnd());
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(control.hwnd(), WM_GETFONT, 0, 0));
    const win::SelectedObject selected(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text, length, &size);
    return size;
}

SIZE clientSize(const win::Control& control) {
    RECT client{};
    GetClientRect(control.hwnd(), &client);
    return {client.right, client.bottom};
}

TEST(MainWindow, NoCaptionIsClippedAtEitherDpiInEitherLayout) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    for (const UINT dpi : {96u, 144u}) {
        RECT suggested{0, 0, win::scale(Tmainform::LayoutWidth, dpi), win::scale(Tmainform::layoutHeight, dpi)};
        SendMessageW(bar.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        for (const bool compact : {false, true}) {
            SCOPED_TRACE(std::to_string(dpi) + (compact ? " dpi, compact" : " dpi, full"));
            if (bar.menuChecked(Tmainform::Compact1) != compact) bar.Compact1Click();
            for (const win::Label* label : {&bar.Label1, &bar.Label2, &bar.Label3}) {
                if (!label->visible()) continue;
                const SIZE text = captionExtent(*label), area = clientSize(*label);
                EXPECT_LE(text.cx, area.cx) << label->text();
                EXPECT_LE(text.cy, area.cy) << label->text();
            }
            // A gradient button draws its caption centred, one pixel further
            // right and down while pressed: pressed and focused, no line of
            // the frame, the bevel or the focus rectangle crosses it.
            for (TGradButton* button : {&bar.GradButton1, &bar.GradButton3}) {
                const SIZE text = captionExtent(*button), area = clientSize(*button);
                const RECT caption{(area.cx - text.cx) / 2 + 1, (area.cy - text.cy) / 2 + 1,
                                   (area.cx - text.cx) / 2 + 1 + text.cx, (area.cy - text.cy) / 2 + 1 + text.cy};
                EXPECT_GE(caption.left, 2) << button->text();
                EXPECT_GE(caption.top, 2) << button->text();
                EXPECT_LE(caption.right, area.cx - 2) << button->text();
                EXPECT_LE(caption.bottom, area.cy - 2) << button->text();
                button->setFocus();
                SendMessageW(button->hwnd(), WM_KEYDOWN, VK_SPACE, 0);
                const Picture picture = render(button->hwnd());
                const uint32_t focus = button->model().colors[ColorFocusRect];
                int crossings = 0;
                for (int y = caption.top; y < caption.bottom; ++y)
                    for (int x = caption.left; x < caption.right; ++x) crossings += picture.at(x, y) == focus;
                EXPECT_EQ(crossings, 0) << button->text();
                bar.eurl.setFocus();
            }
        }
    }
}

TEST(MainWindow, WhatAControlsHandlerThrowsReachesTheWindowsPrompter) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    test.launcher.failure = "The browser could not be started.";
    bar.eurl.setText("pear");
    SendMessageW(bar.eurl.hwnd(), WM_CHAR, L'\r', 0);  // handled in the field's own hook
    ASSERT_EQ(test.prompter.prompts.size(), 1u);
    EXPECT_EQ(test.prompter.prompts[0].text, "The browser could not be started.");
}

TEST(MainWindow, SchemeFollowsTheBackgroundsBrightness) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    EXPECT_FALSE(bar.scheme().bright) << "11184388 has brightness 147";
    EXPECT_EQ(bar.scheme().labelText, 0xFFFFFFu);
    EXPECT_EQ(bar.scheme().borderColor, 11184388u);

    const std::pair<COLORREF, bool> cases[] = {
        {RGB(255, 255, 255), true}, {RGB(160, 160, 160), false}, {RGB(161, 161, 161), true}};
    for (const auto& [color, bright] : cases) {
        bar.setBackColor(color);
        bar.NastaviBarve();
        EXPECT_EQ(bar.scheme().bright, bright) << std::hex << color;
        EXPECT_EQ(bar.scheme().labelText, bright ? 0u : 0xFFFFFFu);
        EXPECT_EQ(bar.scheme().borderColor, bright ? 12632256u : color);
    }
    bar.Windowsdefault1Click();
    EXPECT_EQ(bar.backColor(), 0xFF00000Fu);
    EXPECT_EQ(bar.resolvedBackColor(), GetSysColor(COLOR_BTNFACE));
}

TEST(MainWindow, TransparentBlendsWithAlpha150AndSwitchesBack) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    bar.sbtranspClick();
    ASSERT_TRUE(exStyle(bar.hwnd()) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(bar.hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 150);
    EXPECT_TRUE(flags & LWA_ALPHA);
    EXPECT_TRUE(bar.menuChecked(Tmainform::sbtransp));
    bar.sbtranspClick();
    EXPECT_FALSE(exStyle(bar.hwnd()) & WS_EX_LAYERED);
    EXPECT_FALSE(bar.menuChecked(Tmainform::sbtransp));
}

TEST(MainWindow, TaskbarButtonSwitchesTheToolWindowStyle) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    ShowWindow(bar.hwnd(), SW_SHOWNA);
    bar.stbarClick();
    EXPECT_FALSE(bar.menuChecked(Tmainform::stbar));
    EXPECT_TRUE(exStyle(bar.hwnd()) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle(bar.hwnd()) & WS_EX_TOPMOST) << "the bar stays on top";
    EXPECT_TRUE(IsWindowVisible(bar.hwnd()));
    bar.stbarClick();
    EXPECT_TRUE(bar.menuChecked(Tmainform::stbar));
    EXPECT_FALSE(exStyle(bar.hwnd()) & WS_EX_TOOLWINDOW);
}

TEST(MainWindow, EngineChoiceMirrorsRadioButtonsLabelsAndMenu) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::Bing1, 0);
    EXPECT_TRUE(bar.cb2.checked());
    EXPECT_FALSE(bar.cb1.checked());
    EXPECT_TRUE(bar.menuChecked(Tmainform::Bing1));
    SendMessageW(bar.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(bar.Label3.hwnd()), STN_CLICKED),
                 reinterpret_cast<LPARAM>(bar.Label3.hwnd()));
    EXPECT_TRUE(bar.cb4.checked());
    EXPECT_TRUE(bar.menuChecked(Tmainform::Wikipedia1));
    EXPECT_FALSE(bar.menuChecked(Tmainform::Bing1));
    bar.eurl.setText("a b");
    bar.sbGoClick();
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].url, "http://wikipedia.org/w/index.php?search=a+b");
}

TEST(MainWindow, EnterSearchesAndLeavesNoCharacter) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    bar.eurl.setText("red apple");
    SendMessageW(bar.eurl.hwnd(), WM_CHAR, L'\r', 0);
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].program, "");
    EXPECT_EQ(test.launcher.launches[0].url, "http://www.google.com/search?&hl=sl&q=&q=red apple");
    EXPECT_EQ(bar.eurl.text(), "red apple");
    SendMessageW(bar.eurl.hwnd(), WM_CHAR, L'x', 0);
    EXPECT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_NE(bar.eurl.text().find('x'), std::string::npos) << "other keys type normally";
}

// The hints the bar's tooltip window holds: tool window, text.
std::map<HWND, std::wstring> barHints(HWND bar) {
    std::pair<HWND, HWND> search{bar, nullptr};  // the owner, its tooltip window
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto& [owner, hints] = *reinterpret_cast<std::pair<HWND, HWND>*>(context);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (GetWindow(window, GW_OWNER) == owner && std::wstring_view(name) == TOOLTIPS_CLASSW) hints = window;
            return !hints;
        },
        reinterpret_cast<LPARAM>(&search));
    std::map<HWND, std::wstring> texts;
    const LRESULT count = search.second ? SendMessageW(search.second, TTM_GETTOOLCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[80] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.lpszText = text;
        if (SendMessageW(search.second, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)))
            texts[reinterpret_cast<HWND>(tool.uId)] = text;
    }
    return texts;
}

TEST(MainWindow, SearchButtonsShowTheirHints) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    // Made when the mouse first comes over the bar.
    SendMessageW(bar.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(bar.GradButton1.hwnd()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(barHints(bar.hwnd()), (std::map<HWND, std::wstring>{{bar.GradButton1.hwnd(), L"Search"},
                                                                  {bar.GradButton3.hwnd(), L"Advanced Search"}}));
}

TEST(MainWindow, CopyDataOpensOrClosesAndIgnoresTheRest) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    bar.sbtranspClick();
    const char opaque[] = {'2', '0', '1', '\0', 'x', 'y'};
    sendCopyData(bar.hwnd(), opaque, sizeof(opaque));
    BYTE alpha = 0;
    GetLayeredWindowAttributes(bar.hwnd(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 255);
    EXPECT_TRUE(exStyle(bar.hwnd()) & WS_EX_LAYERED) << "blending stays on";

    // Hostile senders: nothing, no zero byte, a megabyte.
    sendCopyData(bar.hwnd(), nullptr, 0);
    sendCopyData(bar.hwnd(), "2010", 4);
    const std::string megabyte(1 << 20, '2');
    sendCopyData(bar.hwnd(), megabyte.data(), static_cast<DWORD>(megabyte.size()));
    pumpMessages();
    ASSERT_TRUE(IsWindow(bar.hwnd()));

    sendCopyData(bar.hwnd(), "202", 3);
    pumpMessages();
    EXPECT_FALSE(IsWindow(bar.hwnd()));
    EXPECT_TRUE(test.folder.exists(L"vask.cfg"));
    EXPECT_TRUE(test.folder.exists(L"color.cld"));
}

TEST(MainWindow, RestoringFromMinimisedMakesTheBarOpaqueAtItsHeight) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    ShowWindow(bar.hwnd(), SW_SHOWNA);
    bar.sbtranspClick();
    ShowWindow(bar.hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(bar.hwnd()));
    ShowWindow(bar.hwnd(), SW_RESTORE);  // as a second copy brings it back
    EXPECT_FALSE(IsIconic(bar.hwnd()));
    EXPECT_EQ(bar.alphaValue(), 255);
    BYTE alpha = 0;
    GetLayeredWindowAttributes(bar.hwnd(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 255);
    EXPECT_EQ(clientHeight(bar.hwnd()), win::scale(35, win::dpiForWindow(bar.hwnd())));
}

TEST(MainWindow, SettingsRoundTripKeepsForeignSectionsByteForByte) {
    const std::string foreign = "[Pin]\r\nBrowser=2\r\nCountry=7\r\n\r\n[Other]\r\nz=1\r\na=2\r\n\r\n";
    TestApp test(foreign +
                 "[Velikost]\r\nLevo=100\r\nGor=200\r\n\r\n[Options]\r\nBackcolor=255\r\nCompact=0\r\n"
                 "stbar=1\r\nEnahist=1\r\n\r\n");
    test.restart();
    const std::string saved = test.folder.read(L"vask.cfg");
    EXPECT_EQ(saved.substr(0, foreign.size()), foreign);
    EXPECT_NE(saved.find("[Velikost]\r\nLevo=100\r\nGor=200\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Backcolor=255\r\nCompact=0\r\nstbar=1\r\nEnahist=1\r\n"), std::string::npos) << saved;
    EXPECT_EQ(test.app->bar().backColor(), 255u);
}

TEST(MainWindow, ColorDialogStateSurvivesARestart) {
    TestApp test;
    ColorDialogState& dialog = test.app->bar().colorDialog();
    dialog.color = RGB(10, 20, 30);
    dialog.customColors[0] = RGB(1, 2, 3);
    dialog.customColors[15] = RGB(250, 251, 252);
    test.restart();
    const ColorDialogState& restored = test.app->bar().colorDialog();
    EXPECT_EQ(restored.color, RGB(10, 20, 30));
    EXPECT_EQ(restored.customColors[0], RGB(1, 2, 3));
    EXPECT_EQ(restored.customColors[15], RGB(250, 251, 252));
    EXPECT_EQ(restored.customColors[1], kUnsetCustomColor);
}

TEST(MainWindow, FailedSaveReportsKeepsTheOldFileAndTheBarOpen) {
    TestApp test;
    test.folder.write(L"vask.cfg", "[Keep]\r\nme=1\r\n\r\n");
    // A directory where the temporary file would go makes every save fail.
    ASSERT_TRUE(CreateDirectoryW(test.folder.file(L"vask.cfg.tmp").c_str(), nullptr));
    SendMessageW(test.app->bar().hwnd(), WM_CLOSE, 0, 0);
    pumpMessages();
    EXPECT_TRUE(IsWindow(test.app->bar().hwnd()));
    ASSERT_EQ(test.prompter.prompts.size(), 1u);
    EXPECT_NE(test.prompter.prompts[0].text.find("vask.cfg"), std::string::npos);
    EXPECT_EQ(test.folder.read(L"vask.cfg"), "[Keep]\r\nme=1\r\n\r\n");
    RemoveDirectoryW(test.folder.file(L"vask.cfg.tmp").c_str());
}

TEST(MainWindow, UnreadableSettingsAreReportedOnceAndNeverOverwritten) {
    TempFolder folder;
    const std::string settings = "[Pin]\r\nCountry=3\r\n\r\n[Velikost]\r\nLevo=10\r\nGor=10\r\n\r\n";
    folder.write(L"vask.cfg", settings);
    win::FileHandle lock(CreateFileW(folder.file(L"vask.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    RecordingLauncher launcher;
    AnsweringPrompter prompter;
    {
        App app(folder.path(), launcher, prompter);
        app.createWindows();
        pumpMessages();
        ASSERT_EQ(prompter.prompts.size(), 1u) << "one message at start";
        EXPECT_NE(prompter.prompts[0].text.find("vask.cfg"), std::string::npos);
        EXPECT_EQ(app.bar().backColor(), 11184388u) << "defaults";

        // The user changed nothing: nothing is lost, and the close neither writes nor asks.
        SendMessageW(app.bar().hwnd(), WM_CLOSE, 0, 0);
        pumpMessages();
        EXPECT_FALSE(IsWindow(app.bar().hwnd()));
        EXPECT_EQ(prompter.prompts.size(), 1u) << prompter.prompts.back().text;
    }
    lock.reset();
    EXPECT_EQ(folder.read(L"vask.cfg"), settings);
    EXPECT_FALSE(folder.exists(L"vask.cfg.unsaved"));
}

}  // namespace
}  // namespace vask::test
