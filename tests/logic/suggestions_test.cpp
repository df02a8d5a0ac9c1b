#include "search/suggestions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/case_fold.h"

namespace vask {
namespace {

using Texts = std::vector<std::string>;

SuggestionIndex indexOf(const std::vector<std::string_view>& newestFirst, std::size_t maxRows = 100) {
    SuggestionIndex index(maxRows);
    index.rebuild(newestFirst);
    return index;
}

TEST(Suggestions, DistinctTextsBeginningWithTheTypedTextInAnyCaseNewestFirst) {
    const SuggestionIndex index =
        indexOf({"Москва погода", "red apple", "RED car", "москва", "red apple", "Red", "", "ΣΟΦΙΑ", "read", "ПРИВЕТ"});
    EXPECT_EQ(index.suggest("МОСК"), (Texts{"Москва погода", "москва"}));
    EXPECT_EQ(index.suggest("red"), (Texts{"red apple", "RED car", "Red"}));
    EXPECT_EQ(index.suggest("Red A"), (Texts{"red apple"}));
    EXPECT_EQ(index.suggest("σοφ"), (Texts{"ΣΟΦΙΑ"}));
    EXPECT_EQ(index.suggest("reda"), Texts{});
    EXPECT_EQ(index.suggest("").size(), 8u);  // the empty text is never suggested
    EXPECT_EQ(index.suggest("").front(), "Москва погода");

    std::vector<std::string> many;
    for (int i = 0; i < 20; ++i) many.push_back("cat " + std::to_string(i));
    const std::vector<std::string_view> views(many.begin(), many.end());
    EXPECT_EQ(indexOf(views).suggest("CAT"),
              (Texts{"cat 0", "cat 1", "cat 2", "cat 3", "cat 4", "cat 5", "cat 6", "cat 7"}));
}

TEST(Suggestions, FollowRecordingDroppingAndShiftDelete) {
    SuggestionIndex index = indexOf({"b", "a", "B"}, 4);
    index.recordAtTop("a");  // a, b, a, B: "a" is newest again
    EXPECT_EQ(index.suggest(""), (Texts{"a", "b", "B"}));
    index.recordAtTop("c");  // the oldest row, "B", leaves the history
    EXPECT_EQ(index.suggest(""), (Texts{"c", "a", "b"}));
    index.recordAtTop("d");  // the older "a" leaves; the newer one stays
    EXPECT_EQ(index.suggest(""), (Texts{"d", "c", "a", "b"}));

    EXPECT_EQ(index.rowsWithText("a"), (std::vector<std::size_t>{2}));
    EXPECT_EQ(index.rowsWithText("A"), std::vector<std::size_t>{});
    index.eraseRows({9, 2, 2});
    EXPECT_EQ(index.suggest(""), (Texts{"d", "c", "b"}));
    EXPECT_EQ(index.rowCount(), 3u);
    index.clear();
    EXPECT_EQ(index.suggest(""), Texts{});

    // Texts that leave a short history are packed away as searches go on.
    SuggestionIndex few(2);
    for (int i = 0; i < 5000; ++i) few.recordAtTop("search " + std::to_string(i));
    EXPECT_EQ(few.suggest("SEARCH 499"), (Texts{"search 4999", "search 4998"}));
    EXPECT_LT(few.memoryBytes(), 8192u);
}

// Any mix of changes leaves the index answering as a plain search of the rows does.
TEST(Suggestions, AgreeWithAPlainSearchOfTheRows) {
    const std::vector<std::string> words{"ab", "Ab", "abc", "ÄB", "äbc", "b", "ba", "Σα", "σα", "x", ""};
    const std::size_t maxRows = 12;
    std::vector<std::string> rows;  // top first
    SuggestionIndex index(maxRows);
    uint32_t seed = 7;
    const auto next = [&seed](std::size_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8 & 0xFFFF) % n;
    };
    for (int step = 0; step < 3000; ++step) {
        const std::size_t action = next(10);
        if (action < 7) {
            rows.insert(rows.begin(), words[next(words.size())]);
            if (rows.size() > maxRows) rows.pop_back();
            index.recordAtTop(rows.front());
        } else if (action < 9 && !rows.empty()) {
            const std::string text = rows[next(rows.size())];
            if (text.empty()) continue;  // never suggested, so never removed with Shift+Delete
            const std::vector<std::size_t> doomed = index.rowsWithText(text);
            std::erase(rows, text);
            index.eraseRows(doomed);
        } else {
            index.rebuild(std::vector<std::string_view>(rows.begin(), rows.end()));
        }
        ASSERT_EQ(index.rowCount(), rows.size());
        for (const std::string_view typed : {"", "a", "A", "ä", "AB", "b", "σ"}) {
            Texts expected;
            for (const std::string& row : rows) {
                if (!row.empty() && foldCase(row).starts_with(foldCase(typed)) &&
                    std::find(expected.begin(), expected.end(), row) == expected.end() && expected.size() < 8)
                    expected.push_back(row);
            }
            ASSERT_EQ(index.suggest(typed), expected) << "step " << step << " typed " << typed;
        }
    }
}

}  // namespace
}  // namespace vask
