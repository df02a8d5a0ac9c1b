// The real vask.exe with a full history: a search adds a row on top, the
// oldest row makes room, and the close stores it all in "hist.sdf".
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "bar/bar_window.h"
#include "e2e_support.h"
#include "history/history_file.h"
#include "old_history.h"
#include "temp_folder.h"

namespace vask::e2e {
namespace {

TEST(HistoryEndToEnd, AFullHistoryKeepsItsNewestRowsThroughASearchAndTheClose) {
    forgetLaunches();
    test::TempFolder folder;
    const std::vector<HistoryRecord> rows = test::fullOldHistory();
    folder.write(L"hist.sdf", saveHistory(std::span<const HistoryRecord>(rows)));

    VaskProcess vask(folder.path());
    ASSERT_NE(vask.bar(), nullptr);  // shown once the history is read
    vask.search("newest search");
    ASSERT_EQ(waitForLaunches(L"default", 1).size(), 1u);
    // The history window is made when first asked for, and lists every row.
    PostMessageW(vask.bar(), WM_COMMAND, Tmainform::History1, 0);
    const HWND history = vask.waitForWindow(L"Tfhist");
    ASSERT_NE(history, nullptr);
    for (int i = 0; i < 100 && !IsWindowVisible(history); ++i) Sleep(50);  // made, filled, then shown
    const HWND list = FindWindowExW(history, nullptr, WC_LISTVIEWW, nullptr);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(HistoryRows::MaxRows));
    vask.sendCopyData("202");
    ASSERT_TRUE(vask.waitForExit());

    const HistoryLoadResult saved = loadHistory(folder.read(L"hist.sdf"), latin1ToUtf8);
    ASSERT_EQ(saved.status, HistoryLoadStatus::Ok);
    ASSERT_EQ(saved.rows.size(), HistoryRows::MaxRows);
    EXPECT_EQ(subItemOrEmpty(saved.rows[0], HistoryItem::Search), "newest search");
    EXPECT_FALSE(saved.rows[0].caption().empty());
    EXPECT_EQ(saved.rows[1], rows[0]);
    EXPECT_EQ(saved.rows.back(), rows[HistoryRows::MaxRows - 2]);
    EXPECT_FALSE(folder.exists(L"hist.sdf.bak"));
}

}  // namespace
}  // namespace vask::e2e
