#include "search/search_options.h"

#include <cstddef>
#include <string_view>

#include "search/search_tables.h"

namespace vask {
namespace {

// The table's entry at `index`, or nothing when the index is outside it.
template <typename Table>
const typename Table::value_type* rowAt(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return nullptr;
    return &table[static_cast<std::size_t>(index)];
}

// The last two characters of a table entry: the language or country code.
std::string lastTwo(std::string_view code) { return std::string(code.substr(code.size() < 2 ? 0 : code.size() - 2)); }

// "Adobe Acrobat PDF (.pdf)" -> "pdf": the characters between the first dot
// and the closing parenthesis.
std::string extensionOf(std::string_view item) {
    const std::size_t dot = item.find('.');
    if (dot == std::string_view::npos || dot + 2 > item.size()) return {};
    return std::string(item.substr(dot + 1, item.size() - dot - 2));
}

}  // namespace

void SearchOptions::interfaceLanguageChanged(int index) {
    const CodeRow* row = rowAt(InterfaceLanguages, index);
    // Row 0 stores "&hl= "; the search empties it while the list stays there.
    interfaceLanguage = row ? std::string("&").append(row->code) : std::string();
}

void SearchOptions::resultLanguageChanged(int index) {
    const CodeRow* row = rowAt(ResultLanguages, index);
    if (!row) {
        resultLanguage.clear();
        bingLanguage.clear();
        wikipediaPrefix.clear();
        return;
    }
    resultLanguage = std::string("&").append(row->code);  // "&lr= " for row 0, emptied at search time
    if (index == 0) {
        bingLanguage.clear();
        wikipediaPrefix.clear();
    } else {
        bingLanguage = "++language%3A" + lastTwo(row->code);
        wikipediaPrefix = lastTwo(row->code) + ".";
    }
}

void SearchOptions::countryChanged(int index) {
    const CodeRow* row = rowAt(Countries, index);
    if (!row || index == 0) {
        country.clear();
        bingLocation.clear();
        return;
    }
    country = "&cr=" + std::string(row->code);
    bingLocation = "+loc%3A" + lastTwo(row->code);
}

void SearchOptions::fileTypeChanged(int index) {
    const std::string_view* item = rowAt(FileTypes, index);
    fileType = (item && index != 0) ? extensionOf(*item) : std::string();
}

void SearchOptions::recompute(int interfaceIndex, int countryIndex, int resultIndex, int fileTypeIndex) {
    interfaceLanguageChanged(interfaceIndex);
    countryChanged(countryIndex);
    resultLanguageChanged(resultIndex);
    fileTypeChanged(fileTypeIndex);
}

void SearchOptions::dropPlaceholders(int interfaceIndex, int countryIndex, int resultIndex) {
    if (interfaceIndex == 0) interfaceLanguage.clear();
    if (countryIndex == 0) country.clear();
    if (resultIndex == 0) resultLanguage.clear();
}

}  // namespace vask
