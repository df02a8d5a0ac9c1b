#include "history/history_record.h"

#include "common/utf8.h"

namespace vask {
namespace {

std::string orNone(std::string_view text) {
    return std::string(text.empty() ? NoneValue : text);
}

std::string yesOrNone(bool checked) { return std::string(checked ? "Yes" : NoneValue); }

}  // namespace

HistoryRecord makeHistoryRecord(const SearchSnapshot& s) {
    HistoryRecord record;
    record.caption = s.date;
    auto& items = record.subItems;
    items.reserve(FullRowItems);
    items.push_back(s.time);
    items.push_back(orNone(s.searchText));
    if (!s.advancedShown) {
        items.resize(PlainRowItems, std::string(NoneValue));
        return record;
    }
    items.push_back(orNone(s.exact));
    items.push_back(orNone(s.exclude));
    items.push_back(orNone(s.domain));
    // The lists' own texts: their first entry is already "- - -".
    items.push_back(s.fileType);
    items.push_back(s.browser);
    items.push_back(s.interfaceLanguage);
    items.push_back(s.country);
    items.push_back(s.resultLanguage);
    items.push_back(s.timePeriod);
    items.push_back(yesOrNone(s.google));
    items.push_back(yesOrNone(s.bing));
    items.push_back(yesOrNone(s.wikipedia));
    return record;
}

std::string_view subItemOrEmpty(const HistoryRecord& record, std::size_t i) {
    return i < record.subItems.size() ? std::string_view(record.subItems[i]) : std::string_view();
}

bool matchesFind(const HistoryRecord& record, std::string_view findText) {
    if (findText.empty()) return false;
    const std::string wanted = asciiUpper(findText);
    using namespace HistoryItem;
    for (const std::size_t i : {Search, Exact, Exclude, Domain, FileType, Country, Language})
        if (asciiUpper(subItemOrEmpty(record, i)).find(wanted) != std::string::npos) return true;
    return false;
}

uint32_t rowBackground(std::size_t index, bool highlighted) {
    if (highlighted) return 0xB9FFFF;  // red FF, green FF, blue B9
    return index % 2 == 1 ? 0xFFFFFF : 0xF5F5F5;
}

int lastEqualEntry(const std::vector<std::string>& items, std::string_view text) {
    const std::string wanted = asciiUpper(text);
    for (std::size_t i = items.size(); i-- > 0;)
        if (asciiUpper(items[i]) == wanted) return static_cast<int>(i);
    return -1;
}

bool recordedWithoutOptions(const HistoryRecord& record) {
    return subItemOrEmpty(record, HistoryItem::Browser) == NoneValue;
}

}  // namespace vask
