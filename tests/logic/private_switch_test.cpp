#include "search/private_switch.h"

#include <gtest/gtest.h>

namespace vask {
namespace {

TEST(PrivateSwitch, KnownBrowsersByFileNameOnlyWithoutCase) {
    EXPECT_EQ(privateSwitchFor("firefox.exe"), "-private-window");
    EXPECT_EQ(privateSwitchFor(R"(C:\Program Files\Google\Chrome\Application\CHROME.EXE)"), "--incognito");
    EXPECT_EQ(privateSwitchFor(R"("C:\Program Files (x86)\Microsoft\Edge\Application\msedge.exe")"), "--inprivate");
    EXPECT_EQ(privateSwitchFor("C:/Apps/Brave.exe"), "--incognito");
    EXPECT_EQ(privateSwitchFor("vivaldi.exe"), "--incognito");
    EXPECT_EQ(privateSwitchFor("opera.exe"), "--private");
    EXPECT_EQ(privateSwitchFor("iexplore.exe"), "-private");
    for (const char* unknown : {"", "safari.exe", "firefox", R"(C:\firefox.exe\evil.exe)", "xfirefox.exe",
                                "firefox.exe ", R"(C:\Tools\firefox.exe.lnk)"})
        EXPECT_EQ(privateSwitchFor(unknown), "") << unknown;
}

}  // namespace
}  // namespace vask
