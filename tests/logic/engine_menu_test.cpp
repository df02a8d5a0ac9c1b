#include "bar/engine_menu_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace vask {
namespace {

constexpr EngineMenuIds Ids{100, 300};

TEST(EngineMenu, EachLayoutListsItsEnginesAndEveryRowChoosesAndMarksItsOwn) {
    const std::vector<OwnEngine> own{{"ddg", "DuckDuckGo", "https://duckduckgo.com/?q={q}"},
                                     {"wa", "Wolfram Alpha", "https://www.wolframalpha.com/input?i={q}"}};
    EXPECT_EQ(engineMenuRows(Ids, own, true),
              (std::vector<EngineMenuRow>{
                  {100, "&Google"}, {101, "&Bing"}, {102, "&Wikipedia"}, {300, "DuckDuckGo"}, {301, "Wolfram Alpha"}}));
    EXPECT_EQ(engineMenuRows(Ids, own, false),
              (std::vector<EngineMenuRow>{{300, "DuckDuckGo"}, {301, "Wolfram Alpha"}}));
    EXPECT_TRUE(engineMenuRows(Ids, {}, false).empty());

    for (const bool compact : {true, false}) {
        const std::vector<EngineMenuRow> rows = engineMenuRows(Ids, own, compact);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const std::optional<ChosenEngine> chosen = engineChosenBy(Ids, own.size(), rows[row].id);
            ASSERT_TRUE(chosen) << rows[row].text;
            EXPECT_EQ(markedEngineRow(*chosen, compact), row) << rows[row].text;
        }
    }
    // The full layout's radio buttons show a built-in engine; its menu marks none.
    EXPECT_EQ(markedEngineRow(SearchEngine::Bing, false), std::nullopt);
    for (const unsigned other : {99u, 103u, 299u, 302u})
        EXPECT_EQ(engineChosenBy(Ids, own.size(), other), std::nullopt) << other;
}

}  // namespace
}  // namespace vask
