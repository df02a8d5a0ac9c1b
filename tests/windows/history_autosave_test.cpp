// The history reaches "hist.sdf" within seconds of a search, a deletion or a
// clear, written on a thread of its own, so a crash loses little; a save
// that fails then is said once and tried again after the next change.
#include <gtest/gtest.h>

#include <functional>

#include "bar/bar_window.h"
#include "history/history_file.h"
#include "test_app.h"
#include "win/text.h"

namespace vask::test {
namespace {

// Lets the bar run until the history file holds `wanted` (true), or ~10 s passed.
bool idleUntilSaved(const TempFolder& folder, const std::function<bool(const HistoryRows&)>& wanted) {
    for (int i = 0; i < 200; ++i) {
        pumpMessages();
        if (folder.exists(L"hist.sdf")) {
            const HistoryLoadResult read = loadHistory(folder.read(L"hist.sdf"), win::ansiDecoder());
            if (read.status == HistoryLoadStatus::Ok && wanted(read.rows)) return true;
        }
        Sleep(50);
    }
    return false;
}

bool topSearchIs(const HistoryRows& rows, const std::string& search) {
    return !rows.empty() && subItemOrEmpty(rows[0], HistoryItem::Search) == search;
}

// Lets the bar run about three seconds, time for the history's timer to fire.
void idleAWhile() {
    for (int i = 0; i < 60; ++i) {
        pumpMessages();
        Sleep(50);
    }
}

TEST(HistoryAutosave, ChangesReachTheFileWithinSecondsAndAFailureIsSaidOnce) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    bar.eurl.setText("first");
    bar.sbGoClick();
    EXPECT_FALSE(test.folder.exists(L"hist.sdf")) << "the search itself does not wait for a save";
    ASSERT_TRUE(idleUntilSaved(test.folder, [](const HistoryRows& rows) { return topSearchIs(rows, "first"); }));

    // A folder where the file goes: a deletion's save fails and is said; a
    // clear's save fails the same way and is not said again.
    ASSERT_TRUE(DeleteFileW(test.folder.file(L"hist.sdf").c_str()));
    ASSERT_TRUE(CreateDirectoryW(test.folder.file(L"hist.sdf").c_str(), nullptr));
    bar.eurl.setText("second");
    bar.sbGoClick();
    test.app->history.eraseRows({1});
    idleAWhile();
    ASSERT_EQ(test.prompter.prompts.size(), 1u);
    EXPECT_NE(test.prompter.prompts[0].text.find("hist.sdf"), std::string::npos) << test.prompter.prompts[0].text;
    test.app->history.clear();
    idleAWhile();
    EXPECT_EQ(test.prompter.prompts.size(), 1u) << test.prompter.prompts.back().text;

    // Tried again after the next change, and saved once it can be.
    ASSERT_TRUE(RemoveDirectoryW(test.folder.file(L"hist.sdf").c_str()));
    bar.eurl.setText("third");
    bar.sbGoClick();
    EXPECT_TRUE(idleUntilSaved(test.folder,
                               [](const HistoryRows& rows) { return rows.size() == 1 && topSearchIs(rows, "third"); }));
    EXPECT_EQ(test.prompter.prompts.size(), 1u);
}

}  // namespace
}  // namespace vask::test
