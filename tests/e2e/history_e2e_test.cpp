// The real vask.exe with a full history: a search adds a row on top, the
// oldest row makes room, and the close stores it all in "hist.sdf".
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "history/history_file.h"
#include "temp_folder.h"

namespace vask::e2e {
namespace {

TEST(HistoryEndToEnd, AFullHistoryKeepsItsNewestRowsThroughASearchAndTheClose) {
    forgetLaunches();
    test::TempFolder folder;
    std::vector<HistoryRecord> rows;
    for (size_t i = 0; i < HistoryRows::MaxRows; ++i) rows.push_back(oldRow(i));
    folder.write(L"hist.sdf", saveHistory(std::span<const HistoryRecord>(rows)));

    VaskProcess vask(folder.path());
    ASSERT_NE(vask.bar(), nullptr);
    ASSERT_NE(vask.waitForWindow(L"Tfhist"), nullptr);
    vask.search("newest search");
    ASSERT_EQ(waitForLaunches(L"default", 1).size(), 1u);
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
