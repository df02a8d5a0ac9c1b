// "Start with Windows" in the bar's menu, chosen with its access key: it
// writes and removes the user's Run entry for this program, and its check
// mark shows what the registry says, whoever wrote it.
#include <windows.h>

#include <gtest/gtest.h>

#include "bar/autostart.h"
#include "bar/bar_window.h"
#include "bar_menu_keys.h"
#include "registry_sandbox.h"
#include "test_app.h"
#include "win/files.h"
#include "win/registry.h"
#include "win/text.h"

namespace vask::test {
namespace {

// Opens the menu with Shift+F10 and chooses "Start with &Windows", until the entry changed.
void chooseStartWithWindows(Tmainform& bar) {
    const std::optional<std::string> before = win::readRunEntry(AutostartValueName);
    MenuWatch watch(bar.hwnd(), {'W'});
    sendKeys({{VK_SHIFT, true}, {VK_F10, true}, {VK_F10, false}, {VK_SHIFT, false}});
    runLoopUntil([&] { return win::readRunEntry(AutostartValueName) != before; });
}

TEST(StartWithWindows, TheItemWritesAndRemovesTheRunEntryAndItsCheckFollowsTheRegistry) {
    RegistrySandbox registry;
    TestApp test;
    Tmainform& bar = activeBar(test);
    const std::string program = win::toUtf8(win::programPath());
    EXPECT_FALSE(bar.menuChecked(Tmainform::StartWithWindows1));

    chooseStartWithWindows(bar);
    EXPECT_EQ(win::readRunEntry(AutostartValueName), autostartCommand(program));
    EXPECT_TRUE(bar.menuChecked(Tmainform::StartWithWindows1));

    // Written by another program, the entry shows as it is.
    win::removeRunEntry(AutostartValueName);
    EXPECT_FALSE(bar.menuChecked(Tmainform::StartWithWindows1));
    win::writeRunEntry(AutostartValueName, program);
    EXPECT_TRUE(bar.menuChecked(Tmainform::StartWithWindows1));

    // An entry of another copy is not this one's: choosing the item points it here.
    win::writeRunEntry(AutostartValueName, "\"C:\\Tools\\Vask\\vask.exe\" --autostart");
    EXPECT_FALSE(bar.menuChecked(Tmainform::StartWithWindows1));
    chooseStartWithWindows(bar);
    EXPECT_EQ(win::readRunEntry(AutostartValueName), autostartCommand(program));

    chooseStartWithWindows(bar);
    EXPECT_EQ(win::readRunEntry(AutostartValueName), std::nullopt);
    EXPECT_FALSE(bar.menuChecked(Tmainform::StartWithWindows1));
}

}  // namespace
}  // namespace vask::test
