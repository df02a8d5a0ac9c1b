// The history reaches "hist.sdf" once the bar has been idle for a moment
// after a change, so a crash loses little; a save that fails then is said
// once and tried again after the next change.
#include <gtest/gtest.h>

#include <functional>

#include "app/main_window.h"
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

void search(Tmainform& bar, const std::string& text) {
    bar.eurl.setText(text);
    bar.sbGoClick();
}

TEST(HistoryAutosave, SearchesDeletionsAndClearsReachTheFileOnceTheBarIsIdle) {
    TestApp test;
    Tmainform& bar = *test.app->mainform;
    search(bar, "first");
    EXPECT_FALSE(test.folder.exists(L"hist.sdf")) << "the search itself does not wait for a save";
    ASSERT_TRUE(idleUntilSaved(test.folder, [](const HistoryRows& rows) { return topSearchIs(rows, "first"); }));

    search(bar, "second");
    ASSERT_TRUE(idleUntilSaved(test.folder, [](const HistoryRows& rows) { return rows.size() == 2; }));
    test.app->history.eraseRows({0});
    ASSERT_TRUE(idleUntilSaved(test.folder, [](const HistoryRows& rows) {
        return rows.size() == 1 && topSearchIs(rows, "first");
    }));
    test.app->history.clear();
    ASSERT_TRUE(idleUntilSaved(test.folder, [](const HistoryRows& rows) { return rows.empty(); }));
    EXPECT_TRUE(test.prompter.prompts.empty());
}

TEST(HistoryAutosave, AFailedSaveIsSaidOnceAndTriedAgainAfterTheNextChange) {
    TestApp test;
    Tmainform& bar = *test.app->mainform;
    // A folder where the file goes, after the start: no save can replace it.
    ASSERT_TRUE(CreateDirectoryW(test.folder.file(L"hist.sdf").c_str(), nullptr));
    search(bar, "blocked");
    for (int i = 0; i < 200 && test.prompter.prompts.empty(); ++i) {
        pumpMessages();
        Sleep(50);
    }
    ASSERT_EQ(test.prompter.prompts.size(), 1u);
    EXPECT_NE(test.prompter.prompts[0].text.find("hist.sdf"), std::string::npos) << test.prompter.prompts[0].text;

    // Tried again after the next change, failing in silence this time.
    search(bar, "still blocked");
    for (int i = 0; i < 60; ++i) {
        pumpMessages();
        Sleep(50);
    }
    EXPECT_EQ(test.prompter.prompts.size(), 1u) << test.prompter.prompts.back().text;

    ASSERT_TRUE(RemoveDirectoryW(test.folder.file(L"hist.sdf").c_str()));
    search(bar, "free again");
    EXPECT_TRUE(idleUntilSaved(test.folder, [](const HistoryRows& rows) {
        return rows.size() == 3 && topSearchIs(rows, "free again");
    }));
    EXPECT_EQ(test.prompter.prompts.size(), 1u);
}

}  // namespace
}  // namespace vask::test
