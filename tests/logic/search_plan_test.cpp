#include "search/search_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search/search_tables.h"

namespace vask {
namespace {

// The position of `item` in a list, as the advanced window offers it.
template <typename Table>
int positionOf(const Table& table, std::string_view item) {
    const auto row = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
        if constexpr (requires { entry.item; })
            return entry.item == item;
        else
            return entry == item;
    });
    EXPECT_NE(row, table.end()) << item;
    return static_cast<int>(row - table.begin());
}

template <typename Table>
int lastOf(const Table& table) {
    return static_cast<int>(table.size()) - 1;
}

std::string urlOf(const AdvancedChoice& choice, SearchEngine engine, const std::string& typed = "t") {
    const std::optional<SearchPlan> plan = planSearch(choice, typed, engine, {});
    return plan ? plan->request.url : "<none>";
}

AdvancedChoice openChoice() {
    AdvancedChoice choice;
    choice.open = true;
    return choice;
}

// Each list's first, last and notable entries reach the URL as their code.
TEST(SearchPlan, AChoiceInEachListReachesTheUrl) {
    const struct {
        int AdvancedChoice::*list;
        int position;
        SearchEngine engine;
        std::string fragment;
    } cases[] = {
        {&AdvancedChoice::interfaceIndex, 1, SearchEngine::Google, "&hl=af"},
        {&AdvancedChoice::interfaceIndex, lastOf(InterfaceLanguages), SearchEngine::Google, "&hl=zu"},
        {&AdvancedChoice::interfaceIndex, positionOf(InterfaceLanguages, "Montenegrin"), SearchEngine::Google,
         "&hl=sr-ME"},
        {&AdvancedChoice::interfaceIndex, positionOf(InterfaceLanguages, "Bork, bork, bork!"), SearchEngine::Google,
         "&hl=xx-bork"},
        {&AdvancedChoice::interfaceIndex, positionOf(InterfaceLanguages, "Spanish (Latin American)"),
         SearchEngine::Google, "&hl=es-419"},
        {&AdvancedChoice::interfaceIndex, positionOf(InterfaceLanguages, "Kurdish (Soranî)"), SearchEngine::Google,
         "&hl=ckb"},
        {&AdvancedChoice::resultIndex, 1, SearchEngine::Google, "&lr=lang_af"},
        {&AdvancedChoice::resultIndex, lastOf(ResultLanguages), SearchEngine::Google, "&lr=lang_vi"},
        {&AdvancedChoice::resultIndex, positionOf(ResultLanguages, "Chinese (Traditional)"), SearchEngine::Google,
         "&lr=lang_zh-TW"},
        {&AdvancedChoice::resultIndex, positionOf(ResultLanguages, "Vietnamese"), SearchEngine::Bing,
         "++language%3Avi"},
        {&AdvancedChoice::resultIndex, positionOf(ResultLanguages, "Vietnamese"), SearchEngine::Wikipedia,
         "http://vi.wikipedia.org/"},
        {&AdvancedChoice::countryIndex, 1, SearchEngine::Google, "&cr=countryAF"},
        {&AdvancedChoice::countryIndex, lastOf(Countries), SearchEngine::Google, "&cr=countryZW"},
        {&AdvancedChoice::countryIndex, positionOf(Countries, "Macedonia, the Former Yugosalv Republic of"),
         SearchEngine::Google, "&cr=countryMK"},
        {&AdvancedChoice::countryIndex, positionOf(Countries, "United Kingdom"), SearchEngine::Bing, "+loc%3AUK"},
        {&AdvancedChoice::countryIndex, positionOf(Countries, "Cote D'ivoire"), SearchEngine::Google, "&cr=countryCI"},
        {&AdvancedChoice::fileTypeIndex, lastOf(FileTypes), SearchEngine::Google, "&as_filetype=swf&"},
        {&AdvancedChoice::fileTypeIndex, positionOf(FileTypes, "shockwave flash (.swf)"), SearchEngine::Bing,
         "+filetype%3Aswf"},
        {&AdvancedChoice::timeIndex, lastOf(TimePeriods), SearchEngine::Google, "&tbs=qdr:y"},
    };
    for (const auto& c : cases) {
        AdvancedChoice choice = openChoice();
        choice.*c.list = c.position;
        EXPECT_NE(urlOf(choice, c.engine).find(c.fragment), std::string::npos) << c.fragment;
    }
    // At "- - -" a list adds nothing; the Google form ends after its "+".
    EXPECT_EQ(urlOf(openChoice(), SearchEngine::Google), "http://www.google.com/search?q=t+");
}

TEST(SearchPlan, TheChosenEngineAKeywordAndTheAdvancedWindowDecideWhatOpens) {
    const std::vector<OwnEngine> own{{"ddg", "DuckDuckGo", "https://duckduckgo.com/?q={q}"},
                                     {"bad", "Broken", "ftp://example.org/{q}"}};
    AdvancedChoice choice;
    choice.browserItem = "Mozilla Firefox";
    choice.fileTypeIndex = positionOf(FileTypes, "shockwave flash (.swf)");

    // Closed: the simple form in the default browser, whatever the lists hold.
    std::optional<SearchPlan> plan = planSearch(choice, "red apple", SearchEngine::Google, own);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->request.program, "");
    EXPECT_EQ(plan->request.url, "http://www.google.com/search?&hl=sl&q=&q=red apple");
    EXPECT_EQ(plan->recordedText, "red apple");
    EXPECT_EQ(plan->recordedEngine, SearchEngine::Google);

    // Open: the named browser, and a keyword of a built-in engine wins over the bar's.
    choice.open = true;
    plan = planSearch(choice, "!w Ljubljana", SearchEngine::Google, own);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->request.program, "firefox.exe");
    EXPECT_EQ(plan->request.url, "http://wikipedia.org/w/index.php?search=Ljubljana");
    EXPECT_EQ(plan->recordedText, "!w Ljubljana");
    EXPECT_EQ(plan->recordedEngine, SearchEngine::Wikipedia);

    // One's own engine chosen in the bar: recorded with its keyword, only the browser taken.
    plan = planSearch(choice, "cats", std::size_t{0}, own);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->request.program, "firefox.exe");
    EXPECT_EQ(plan->request.url, "https://duckduckgo.com/?q=cats");
    EXPECT_EQ(plan->recordedText, "!ddg cats");
    EXPECT_EQ(plan->recordedEngine, std::nullopt);

    // A template that cannot make a URL opens nothing.
    EXPECT_FALSE(planSearch(choice, "!bad x", SearchEngine::Google, own));

    // A place beyond the list names none: the first built-in engine searches.
    plan = planSearch(choice, "cats", std::size_t{7}, own);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->recordedEngine, SearchEngine::Google);
}

}  // namespace
}  // namespace vask
