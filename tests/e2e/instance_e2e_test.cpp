// The real vask.exe runs once per program file: a second start, by whatever
// spelling of its path, brings the running bar back and ends without a bar of
// its own, even when many copies start at the same instant; a copy of another
// folder is another program.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/instance_control.h"
#include "controls/instance_name.h"
#include "e2e_support.h"
#include "temp_folder.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

struct BarCount {
    DWORD processId;  // 0: every process
    int visible;
};

BOOL CALLBACK countBar(HWND window, LPARAM data) {
    auto* count = reinterpret_cast<BarCount*>(data);
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    const bool ofProcess = !count->processId || owner == count->processId;
    if (std::wstring(name) == L"Tmainform" && IsWindowVisible(window) && ofProcess) ++count->visible;
    return TRUE;
}

int visibleBars(DWORD processId = 0) {
    BarCount count{processId, 0};
    EnumWindows(&countBar, reinterpret_cast<LPARAM>(&count));
    return count.visible;
}

TEST(InstanceEndToEnd, ASecondCopyFromTheSameFolderEndsAndBringsTheFirstBack) {
    test::TempFolder folder;
    VaskProcess first(folder.path());
    const HWND bar = first.bar();
    ASSERT_NE(bar, nullptr);
    ShowWindow(bar, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(bar));

    VaskProcess second(folder.path(), VaskProcess::Suspended);
    second.resume();
    int shownBySecond = 0;
    for (int i = 0; i < 1500 && !second.waitForExit(10); ++i)
        shownBySecond = std::max(shownBySecond, visibleBars(second.processId()));
    ASSERT_TRUE(second.waitForExit(0)) << "the second copy kept running";
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_EQ(shownBySecond, 0) << "the second copy showed its bar";

    EXPECT_FALSE(first.waitForExit(0));
    EXPECT_FALSE(IsIconic(bar));
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(GetForegroundWindow(), bar);
    first.sendCopyData("202");
    EXPECT_TRUE(first.waitForExit());
}

TEST(InstanceEndToEnd, ACopyFromAnotherFolderRunsBesideTheFirst) {
    test::TempFolder one, two;
    VaskProcess first(one.path());
    VaskProcess other(two.path());
    ASSERT_NE(first.bar(), nullptr);
    ASSERT_NE(other.bar(), nullptr);
    EXPECT_FALSE(other.waitForExit(500));
    EXPECT_EQ(visibleBars(first.processId()), 1);
    EXPECT_EQ(visibleBars(other.processId()), 1);
    first.sendCopyData("202");
    other.sendCopyData("202");
    EXPECT_TRUE(first.waitForExit());
    EXPECT_TRUE(other.waitForExit());
}

TEST(InstanceEndToEnd, ACopyStartedByAnotherSpellingOfItsPathEndsAndLeavesTheOneBar) {
    test::TempFolder folder;
    VaskProcess first(folder.path());
    ASSERT_NE(first.bar(), nullptr);
    const std::wstring path = folder.path() + L"vask.exe";
    std::wstring upper = path, shortPath(MAX_PATH, L'\0');
    CharUpperW(upper.data());
    shortPath.resize(GetShortPathNameW(path.c_str(), shortPath.data(), MAX_PATH));
    ASSERT_NE(CompareStringOrdinal(shortPath.c_str(), -1, path.c_str(), -1, TRUE), CSTR_EQUAL) << "no short name";
    for (const std::wstring& spelling : {upper, shortPath}) {
        VaskProcess other(folder.path(), VaskProcess::WaitUntilIdle, {}, spelling);
        EXPECT_TRUE(other.waitForExit()) << "a second bar runs, started as " << win::toUtf8(spelling);
    }
    EXPECT_EQ(visibleBars(), 1);
    first.sendCopyData("202");
    EXPECT_TRUE(first.waitForExit());
}

TEST(InstanceEndToEnd, ACopyWaitsForTheLockBeforeItCountsItself) {
    test::TempFolder folder;
    VaskProcess copy(folder.path(), VaskProcess::Suspended);
    const std::wstring block = instanceBlockName(folder.path() + L"vask.exe");
    win::KernelHandle lock(CreateMutexW(nullptr, TRUE, win::toWide(instanceLockName(win::toUtf8(block))).c_str()));
    ASSERT_TRUE(lock);
    copy.resume();
    Sleep(1500);
    EXPECT_EQ(visibleBars(copy.processId()), 0) << "the copy registered without the lock";
    ReleaseMutex(lock.get());
    EXPECT_TRUE(waitUntil([&] { return visibleBars(copy.processId()) == 1; }));
    copy.sendCopyData("202");
    EXPECT_TRUE(copy.waitForExit());
}

TEST(InstanceEndToEnd, EightCopiesStartedAtOnceLeaveExactlyOneBar) {
    test::TempFolder folder;
    std::vector<std::unique_ptr<VaskProcess>> copies;
    for (int i = 0; i < 8; ++i) copies.push_back(std::make_unique<VaskProcess>(folder.path(), VaskProcess::Suspended));
    for (const auto& copy : copies) copy->resume();

    const auto ended = [&] {
        return std::count_if(copies.begin(), copies.end(), [](const auto& copy) { return copy->waitForExit(0); });
    };
    for (int i = 0; i < 300 && ended() < 7; ++i) Sleep(100);
    Sleep(500);  // so that a copy ending late, leaving no bar at all, is seen too
    ASSERT_EQ(ended(), 7);
    const auto survivor =
        std::find_if(copies.begin(), copies.end(), [](const auto& copy) { return !copy->waitForExit(0); });
    ASSERT_NE((*survivor)->bar(), nullptr);
    for (const auto& copy : copies)
        if (copy != *survivor) {
            EXPECT_EQ(copy->exitCode(), 0u);
        }
    EXPECT_EQ(visibleBars(), 1);

    // Once the survivor ends, the place is free again.
    (*survivor)->sendCopyData("202");
    EXPECT_TRUE((*survivor)->waitForExit());
    VaskProcess next(folder.path());
    EXPECT_NE(next.bar(), nullptr);
    EXPECT_FALSE(next.waitForExit(500));
}

}  // namespace
}  // namespace vask::e2e
