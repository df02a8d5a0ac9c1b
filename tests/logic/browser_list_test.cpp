#include "search/browser_list.h"

#include <gtest/gtest.h>

namespace vask {
namespace {

using Items = std::vector<std::string>;

TEST(BrowserList, MarksTheDefaultIgnoringCaseAndSkipsEmptyNames) {
    EXPECT_EQ(browserListItems({"Google Chrome", "", "Firefox"}, "FIREFOX"),
              (Items{"Google Chrome", "Firefox (Default)"}));
    // Only whole names match: a longer name is another browser.
    EXPECT_EQ(browserListItems({"Firefox Nightly", "Firefox"}, "Firefox"),
              (Items{"Firefox Nightly", "Firefox (Default)"}));
    // Two keys with the same display name (per-user and machine installs) are both the default.
    EXPECT_EQ(browserListItems({"Opera", "opera"}, "Opera"), (Items{"Opera (Default)", "opera (Default)"}));
    // Without a known default an empty name is that unknown default, and still opens it.
    EXPECT_EQ(browserListItems({"Opera", ""}, ""), (Items{"Opera", " (Default)"}));
    EXPECT_EQ(browserListItems({}, "Firefox"), Items{});
}

}  // namespace
}  // namespace vask
