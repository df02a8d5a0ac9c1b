// The advanced window as the user meets it: the registered browsers, the
// lists and texts reaching the URL, "Clear all", the pinned values of
// "Advanced Search", docking to the bar, and its looks.
#include <gtest/gtest.h>

#include <algorithm>

#include "advanced/advanced_window.h"
#include "advanced/docking.h"
#include "bar/bar_window.h"
#include "advanced/caption_window.h"
#include "registry_sandbox.h"
#include "win/layered.h"
#include "test_app.h"

namespace vask::test {
namespace {

using Items = std::vector<std::string>;

POINT topLeft(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

void moveTo(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pumpMessages();
}

constexpr char Pins[] = "[Pin]\r\nBrowser=1\r\nInterface=29\r\nCountry=227\r\nLanguage=13\r\nType=1\r\nTime=3\r\n";

TEST(AdvancedWindow, BrowserListMarksTheDefaultSortsAndSelectsThePinnedItem) {
    RegistrySandbox registry;
    // Keys enumerate in name order, so the list's own sorting shows.
    registry.addBrowser(L"A-ZETA", L"Zeta Browser");
    registry.addBrowser(L"B-FOX", L"Firefox");
    const std::wstring empty;
    registry.addBrowser(L"C-EMPTY", empty);
    registry.addBrowser(L"D-NONAME", nullptr);
    registry.setUserDefault(L"b-fox");
    TestApp test;
    Tfext& fext = test.app->advanced();

    test.app->bar().GradButton3Click();
    EXPECT_EQ(fext.lb.items(), (Items{"Firefox (Default)", "Zeta Browser"}));
    EXPECT_EQ(fext.lb.itemIndex(), 0);
    EXPECT_EQ(test.app->advancedChoice().pinnedBrowserIndex, 0);

    // Without the user's choice the machine's default counts.
    registry.clearUserDefault();
    registry.setMachineDefault(L"A-ZETA");
    click(fext.sb3);  // "Clear all" reads the browsers anew
    EXPECT_EQ(fext.lb.items(), (Items{"Firefox", "Zeta Browser (Default)"}));
}

TEST(AdvancedWindow, PinnedBrowserBeyondTheListSelectsNothingAndSearchesWithTheDefaultBrowser) {
    RegistrySandbox registry;
    registry.addBrowser(L"FIREFOX.EXE", L"Firefox");
    registry.addBrowser(L"CHROME", L"Google Chrome");
    TestApp test("[Pin]\r\nBrowser=1\r\n");
    Tmainform& bar = test.app->bar();
    Tfext& fext = test.app->advanced();

    bar.GradButton3Click();
    ASSERT_EQ(fext.lb.selectedText(), "Google Chrome");
    bar.eurl.setText("x");
    bar.sbGoClick();
    bar.GradButton3Click();  // hides

    test.folder.write(L"vask.cfg", "[Pin]\r\nBrowser=2\r\n");
    bar.GradButton3Click();
    EXPECT_EQ(test.app->advancedChoice().pinnedBrowserIndex, 2);
    EXPECT_EQ(fext.lb.count(), 2);
    EXPECT_EQ(fext.lb.itemIndex(), -1);
    bar.sbGoClick();

    ASSERT_EQ(test.launcher.launches.size(), 2u);
    EXPECT_EQ(test.launcher.launches[0].program, "chrome.exe");
    EXPECT_EQ(test.launcher.launches[1].program, "");
    EXPECT_EQ(test.launcher.launches[1].url, "http://www.google.com/search?q=x+");
}

TEST(AdvancedWindow, MissingBrowserKeyLeavesTheListEmptyAndSearchesWithTheDefaultBrowser) {
    RegistrySandbox registry;  // no StartMenuInternet at all
    TestApp test;
    Tmainform& bar = test.app->bar();
    bar.GradButton3Click();
    EXPECT_TRUE(test.prompter.prompts.empty());
    EXPECT_TRUE(test.app->advanced().isVisible());
    EXPECT_EQ(test.app->advanced().lb.count(), 0);
    bar.eurl.setText("red apple");
    bar.sbGoClick();
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].program, "");
    EXPECT_EQ(test.launcher.launches[0].url, "http://www.google.com/search?q=red+apple+");
}

TEST(AdvancedWindow, EveryListAndTextReachesTheUrlOfItsService) {
    RegistrySandbox registry;
    registry.addBrowser(L"FIREFOX.EXE", L"Firefox");
    TestApp test;
    Tmainform& bar = test.app->bar();
    Tfext& fext = test.app->advanced();
    bar.GradButton3Click();

    choose(fext.cb1, indexOf(fext.cb1, "English"));
    choose(fext.cb3, indexOf(fext.cb3, "United Kingdom"));
    choose(fext.cb2, indexOf(fext.cb2, "German"));
    choose(fext.cb5, indexOf(fext.cb5, "Microsoft Word (.doc)"));
    choose(fext.cb6, indexOf(fext.cb6, "Past year"));
    fext.eexact.setText("big tree");
    fext.eexclude.setText("pie");
    fext.edomain.setText("example.org");
    bar.eurl.setText("red apple");

    bar.sbGoClick();
    bar.selectEngine(SearchEngine::Bing);
    bar.sbGoClick();
    bar.selectEngine(SearchEngine::Wikipedia);
    bar.sbGoClick();

    ASSERT_EQ(test.launcher.launches.size(), 3u);
    for (const Launch& launch : test.launcher.launches) EXPECT_EQ(launch.program, "firefox.exe");
    EXPECT_EQ(test.launcher.launches[0].url,
              "http://www.google.com/search?q=red+apple+%22big+tree%22+-pie+site:example.org&as_filetype=doc&"
              "&hl=en&cr=countryUK&lr=lang_de&tbs=qdr:y");
    EXPECT_EQ(test.launcher.launches[1].url,
              "http://www.bing.com/search?&q=%22big+tree%22+red+apple+filetype%3Adoc+ -pie+loc%3AUK"
              "++language%3Ade+site%3Aexample.org&");
    EXPECT_EQ(test.launcher.launches[2].url, "http://de.wikipedia.org/w/index.php?search=red+apple");
}

TEST(AdvancedWindow, ClearAllEmptiesEverythingAndWikipediaLosesItsLanguagePrefix) {
    RegistrySandbox registry;
    registry.addBrowser(L"FIREFOX.EXE", L"Firefox");
    registry.addBrowser(L"OPERA", L"Opera");
    TestApp test;
    Tmainform& bar = test.app->bar();
    Tfext& fext = test.app->advanced();
    bar.GradButton3Click();
    choose(fext.cb1, 5);
    choose(fext.cb2, indexOf(fext.cb2, "French"));
    choose(fext.cb3, 7);
    choose(fext.cb5, 2);
    choose(fext.cb6, 4);
    fext.lb.setItemIndex(1);
    fext.eexact.setText("a");
    fext.eexclude.setText("b");
    fext.edomain.setText("c");
    fext.openDialogFileName = L"C:\\presets\\mine.vsk";

    click(fext.sb3);
    for (const win::ComboBox* list : {&fext.cb1, &fext.cb2, &fext.cb3, &fext.cb5, &fext.cb6})
        EXPECT_EQ(list->itemIndex(), 0);
    EXPECT_EQ(fext.cb6.selectedText(), "Any time");
    for (const win::Edit* edit : {&fext.eexact, &fext.eexclude, &fext.edomain}) EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(searchOptionsFor(test.app->advancedChoice()), SearchOptions{});
    EXPECT_TRUE(fext.openDialogFileName.empty());
    EXPECT_EQ(fext.lb.items(), (Items{"Firefox", "Opera"}));
    EXPECT_EQ(fext.lb.itemIndex(), 0);  // back at the pinned browser

    bar.selectEngine(SearchEngine::Wikipedia);
    bar.eurl.setText("Ljubljana");
    bar.sbGoClick();
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].url, "http://wikipedia.org/w/index.php?search=Ljubljana");
}

TEST(AdvancedWindow, EveryPressOfAdvancedSearchResetsTheListsToThePinsAndKeepsTheTexts) {
    RegistrySandbox registry;
    registry.addBrowser(L"FIREFOX.EXE", L"Firefox");
    registry.addBrowser(L"CHROME", L"Google Chrome");
    TestApp test(Pins);
    Tmainform& bar = test.app->bar();
    Tfext& fext = test.app->advanced();
    const auto expectPinned = [&] {
        EXPECT_EQ(fext.lb.selectedText(), "Google Chrome");
        EXPECT_EQ(fext.cb1.selectedText(), "English");
        EXPECT_EQ(fext.cb3.selectedText(), "United Kingdom");
        EXPECT_EQ(fext.cb2.selectedText(), "English");
        EXPECT_EQ(fext.cb5.selectedText(), "Adobe Acrobat PDF (.pdf)");
        EXPECT_EQ(fext.cb6.selectedText(), "Past week");
        const SearchOptions options = searchOptionsFor(test.app->advancedChoice());
        EXPECT_EQ(options.interfaceLanguage, "&hl=en");
        EXPECT_EQ(options.bingLocation, "+loc%3AUK");
        EXPECT_EQ(options.wikipediaPrefix, "en.");
        EXPECT_EQ(options.fileType, "pdf");
    };

    bar.GradButton3Click();
    EXPECT_TRUE(test.app->advancedChoice().open);
    EXPECT_TRUE(fext.isVisible());
    expectPinned();

    fext.lb.setItemIndex(0);
    choose(fext.cb1, 3);
    choose(fext.cb2, 0);
    choose(fext.cb3, 0);
    choose(fext.cb5, 0);
    choose(fext.cb6, 0);
    fext.eexact.setText("kept");
    fext.eexclude.setText("also kept");
    bar.GradButton3Click();  // hides
    EXPECT_FALSE(test.app->advancedChoice().open);
    EXPECT_FALSE(fext.isVisible());
    expectPinned();
    EXPECT_EQ(fext.eexact.text(), "kept");
    EXPECT_EQ(fext.eexclude.text(), "also kept");

    fext.cb5.setItemIndex(0);  // moved while hidden, as the history's Run may
    bar.GradButton3Click();    // shows again
    EXPECT_TRUE(fext.isVisible());
    expectPinned();
    EXPECT_EQ(fext.eexact.text(), "kept");
}

TEST(AdvancedWindow, PinsOutsideTheListsSelectNothingAndLeaveTheirFragmentsEmpty) {
    RegistrySandbox registry;
    TestApp test("[Pin]\r\nInterface=150\r\nCountry=-1\r\nLanguage=99999\r\nType=9\r\nTime=6\r\n");
    Tmainform& bar = test.app->bar();
    Tfext& fext = test.app->advanced();
    bar.GradButton3Click();
    for (const win::ComboBox* list : {&fext.cb1, &fext.cb2, &fext.cb3, &fext.cb5, &fext.cb6})
        EXPECT_EQ(list->itemIndex(), -1);
    EXPECT_EQ(searchOptionsFor(test.app->advancedChoice()), SearchOptions{});
    bar.eurl.setText("z");
    bar.sbGoClick();
    bar.selectEngine(SearchEngine::Bing);
    bar.sbGoClick();
    ASSERT_EQ(test.launcher.launches.size(), 2u);
    EXPECT_EQ(test.launcher.launches[0].url, "http://www.google.com/search?q=z+");
    EXPECT_EQ(test.launcher.launches[1].url, "http://www.bing.com/search?&q=&q=z");
}

TEST(AdvancedWindow, DocksToTheBarFollowsItUntilDetachedAndSnapsBackWithin15Pixels) {
    RegistrySandbox registry;
    TestApp test;
    Tmainform& bar = test.app->bar();
    Tfext& fext = test.app->advanced();
    const int height = fext.windowRect().bottom - fext.windowRect().top;
    const int barHeight = bar.windowRect().bottom - bar.windowRect().top;

    moveTo(bar.hwnd(), 100, 600);
    bar.GradButton3Click();
    EXPECT_EQ(topLeft(fext.hwnd()).x, 100);
    EXPECT_EQ(topLeft(fext.hwnd()).y, 600 - height);  // above the bar
    moveTo(bar.hwnd(), 50, 100);                      // no room above: below the bar
    EXPECT_EQ(topLeft(fext.hwnd()).x, 50);
    EXPECT_EQ(topLeft(fext.hwnd()).y, 100 + barHeight);

    // Dropped 14 pixels off its place it snaps back; 15 pixels off it stays.
    moveTo(fext.hwnd(), 50 + 14, 100 + barHeight + 14);
    EXPECT_EQ(topLeft(fext.hwnd()).x, 50);
    EXPECT_EQ(topLeft(fext.hwnd()).y, 100 + barHeight);
    EXPECT_TRUE(test.app->advancedChoice().docked);
    moveTo(fext.hwnd(), 50 + 15, 100 + barHeight);
    EXPECT_EQ(topLeft(fext.hwnd()).x, 65);
    EXPECT_FALSE(test.app->advancedChoice().docked);
    moveTo(bar.hwnd(), 60, 120);
    EXPECT_EQ(topLeft(fext.hwnd()).x, 65);
    EXPECT_EQ(topLeft(fext.hwnd()).y, 100 + barHeight);

    // Snapped back, then released on the body: detached again where it stands.
    moveTo(fext.hwnd(), 60, 120 + barHeight);
    ASSERT_TRUE(test.app->advancedChoice().docked);
    const HWND body = FindWindowExW(fext.hwnd(), nullptr, L"TRGPanel", nullptr);
    ASSERT_NE(body, nullptr);
    SendMessageW(body, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_FALSE(test.app->advancedChoice().docked);
    moveTo(bar.hwnd(), 300, 700);
    EXPECT_EQ(topLeft(fext.hwnd()).x, 60);

    // Closing puts the caption strip under the bar.
    click(fext.sb100);
    EXPECT_FALSE(test.app->advancedChoice().open);
    EXPECT_FALSE(fext.isVisible());
    EXPECT_EQ(topLeft(fext.captionStrip().hwnd()).x, 300);
    EXPECT_EQ(topLeft(fext.captionStrip().hwnd()).y, 700 + barHeight + 1);
    EXPECT_FALSE(fext.captionStrip().isVisible());
}

TEST(AdvancedWindow, IsMadeWhenFirstNeededAndSearchesBeforeThenMatchAFreshWindow) {
    RegistrySandbox registry;
    TestApp test(Pins);
    EXPECT_EQ(test.app->advancedIfMade(), nullptr) << "the start makes no advanced window";
    const auto madeHere = [](const wchar_t* className) {
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr));) {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == GetCurrentProcessId()) return true;
        }
        return false;
    };
    EXPECT_FALSE(madeHere(L"TfAbout")) << "nor an about box";
    EXPECT_FALSE(madeHere(L"Tfals")) << "nor the caption strip";
    Tmainform& bar = test.app->bar();
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::sbtransp, 0);
    bar.eurl.setText("red apple");
    const auto searchEveryService = [&] {
        for (const auto engine : {Tmainform::Google1, Tmainform::Bing1, Tmainform::Wikipedia1}) {
            SendMessageW(bar.hwnd(), WM_COMMAND, engine, 0);
            bar.sbGoClick();
        }
    };
    searchEveryService();
    ASSERT_EQ(test.app->advancedIfMade(), nullptr) << "a search does not need it";

    const Tfext& fext = test.app->advanced();
    EXPECT_FALSE(fext.isVisible());
    EXPECT_TRUE(win::alphaBlended(fext.hwnd())) << "made after the bar went transparent, it follows the bar";
    searchEveryService();
    ASSERT_EQ(test.launcher.launches.size(), 6u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(test.launcher.launches[i].program, test.launcher.launches[i + 3].program) << i;
        EXPECT_EQ(test.launcher.launches[i].url, test.launcher.launches[i + 3].url) << i;
    }
    EXPECT_EQ(test.launcher.launches[1].url, "http://www.bing.com/search?&q=red+apple");
}

TEST(AdvancedWindow, TransparentBlendsBothWindowsAndColoursFollowTheBar) {
    RegistrySandbox registry;
    TestApp test;
    Tmainform& bar = test.app->bar();
    Tfext& fext = test.app->advanced();
    const auto alphaOf = [](HWND window) -> int {
        if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) return -1;
        BYTE alpha = 0;
        DWORD flags = 0;
        GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
        return alpha;
    };
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::sbtransp, 0);
    EXPECT_EQ(alphaOf(bar.hwnd()), 150);
    EXPECT_EQ(alphaOf(fext.hwnd()), 150);
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::sbtransp, 0);
    EXPECT_EQ(alphaOf(bar.hwnd()), -1);
    EXPECT_EQ(alphaOf(fext.hwnd()), -1);

    // The labels' text: white on the default (dark) colour, black once the bar turns bright.
    bar.GradButton3Click();
    const auto labelText = [&] {
        win::WindowDc dc(fext.Label10.hwnd());
        SendMessageW(fext.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                     reinterpret_cast<LPARAM>(fext.Label10.hwnd()));
        return GetTextColor(dc.get());
    };
    EXPECT_EQ(labelText(), RGB(255, 255, 255));
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::Windowsdefault1, 0);  // the bright button face
    EXPECT_EQ(labelText(), RGB(0, 0, 0));
}

}  // namespace
}  // namespace vask::test
