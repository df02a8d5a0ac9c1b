#include "typical_history.h"

#include <array>
#include <string>
#include <string_view>

#include "search/search_tables.h"

namespace vask::bench {
namespace {

constexpr std::array<std::string_view, 8> kSearches{
    "letno poročilo 2023", "weather forecast ljubljana", "c++ std::format width",        "Пушкин стихи",
    "東京 天気",           "recept za potico",           "how to renew passport online", "win32 WM_COPYDATA example"};
constexpr std::array<std::string_view, 4> kExact{"", "annual report", "čisti dobiček", ""};
constexpr std::array<std::string_view, 3> kExclude{"", "", "forum"};
constexpr std::array<std::string_view, 4> kDomains{"", "example.si", "gov.uk", ""};
constexpr std::array<std::string_view, 4> kBrowsers{"- - -", "Firefox", "Google Chrome", "Default"};

template <typename Table>
auto pick(const Table& table, std::size_t n) {
    return table[n % table.size()];
}

}  // namespace

std::vector<HistoryRecord> typicalHistory(std::size_t rows) {
    std::vector<HistoryRecord> history;
    history.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        SearchSnapshot s;
        s.date = std::to_string(1 + i % 28) + "." + std::to_string(1 + i / 28 % 12) + ".2024";
        s.time = std::to_string(i % 24) + ":" + std::to_string(10 + i % 50) + ":" + std::to_string(10 + i % 49);
        s.searchText = std::string(pick(kSearches, i)) + " " + std::to_string(i);
        s.options.emplace();
        s.options->exact = pick(kExact, i / 3);
        s.options->exclude = pick(kExclude, i / 5);
        s.options->domain = pick(kDomains, i / 7);
        s.options->fileType = pick(FileTypes, i / 11);
        s.options->browser = pick(kBrowsers, i / 13);
        s.options->interfaceLanguage = pick(InterfaceLanguages, i * 7).item;
        s.options->country = pick(Countries, i * 13).item;
        s.options->resultLanguage = pick(ResultLanguages, i * 3).item;
        s.options->timePeriod = pick(TimePeriods, i / 17);
        s.engine = static_cast<SearchEngine>(i % BuiltInEngineCount);
        history.push_back(makeHistoryRecord(s));
    }
    return history;
}

}  // namespace vask::bench
