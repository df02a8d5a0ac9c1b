// The real vask.exe with its advanced window open: every option reaches the
// URL, and the chosen browser of the prefix's registry opens it — as one
// argument for a named browser, through the http handler for the default.
#include <gtest/gtest.h>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "e2e_support.h"
#include "temp_folder.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

// The prefix registers "Firefox" and "Firefox Developer Edition", the latter as the user's default.
constexpr char Firefox[] = "Firefox";
constexpr char DefaultFirefox[] = "Firefox Developer Edition (Default)";

void setText(HWND window, int id, const std::string& text) {
    SendMessageW(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win::toWide(text).c_str()));
}

// Selects an item by its text; `notify` tells the window as the user's choice does.
void choose(HWND window, int id, const std::string& item, bool notify = true) {
    const HWND list = GetDlgItem(window, id);
    const LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(win::toWide(item).c_str()));
    ASSERT_NE(index, CB_ERR) << item;
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (notify) SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

TEST(AdvancedEndToEnd, WorkedExampleGoesToFirefoxAsOneArgumentAndTheDefaultItemToTheDefaultBrowser) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND advanced = openAdvanced(vask.bar());
    ASSERT_NE(advanced, nullptr);
    setText(advanced, Tfext::IdEexact, "big tree");
    setText(advanced, Tfext::IdEexclude, "pie");
    choose(advanced, Tfext::IdCb1, "English");
    choose(advanced, Tfext::IdCb6, "Past week");
    choose(advanced, Tfext::IdLb, Firefox, false);  // read at search time: no change event
    vask.search("red apple");

    const std::string expected = "http://www.google.com/search?q=red+apple+%22big+tree%22+-pie&hl=en&tbs=qdr:w";
    EXPECT_EQ(waitForLaunches(L"firefox", 1), std::vector<LaunchArgs>{{expected}});

    choose(advanced, Tfext::IdLb, DefaultFirefox, false);
    vask.search("red apple");
    EXPECT_EQ(waitForLaunches(L"default", 1), std::vector<LaunchArgs>{{expected}});
    EXPECT_EQ(launchesOf(L"firefox").size(), 1u);

    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

TEST(AdvancedEndToEnd, BingWithFileTypeCarriesItTwiceForTheDefaultBrowser) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND advanced = openAdvanced(vask.bar());
    ASSERT_NE(advanced, nullptr);
    vask.command(Tmainform::Bing1);
    choose(advanced, Tfext::IdCb5, "Adobe Acrobat PDF (.pdf)");
    choose(advanced, Tfext::IdLb, DefaultFirefox, false);
    vask.search("red apple");

    EXPECT_EQ(waitForLaunches(L"default", 1),
              std::vector<LaunchArgs>{{"http://www.bing.com/search?&q=&q=red+apple+filetype%3Apdf+filetype%3Apdf"}});
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

}  // namespace
}  // namespace vask::e2e
