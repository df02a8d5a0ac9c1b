#pragma once
// "!kw rest": a search text that starts with "!", a keyword and white space
// (a space, a Tab, a no-break space, ...) is searched with that keyword's
// engine, with the text after the run of white space; the bar's chosen
// engine stays as it was. "!g", "!b" and "!w" are the built-in engines.
// "!" alone, "!kw" without white space and an unknown keyword are not
// keywords: such a text is searched as typed. The history records the text
// as typed, keyword included, so running it again finds the same engine.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "search/own_engines.h"
#include "search/query.h"

namespace vask {

// The keyword of a built-in engine: "g", "b" or "w".
std::string_view builtInKeyword(SearchEngine engine);

// A keyword and the text after the white space that ends it; none when the
// text does not start with "!", a non-empty keyword and white space. Whether
// the keyword is known is not asked here.
struct KeywordSplit {
    std::string_view keyword;
    std::string_view text;  // after the whole run of white space, as typed (may be empty)
};
std::optional<KeywordSplit> splitKeyword(std::string_view typed);

// Where one search goes: a built-in engine, or one of one's own (its index
// in the list given), with the text to search.
struct KeywordSearch {
    std::variant<SearchEngine, std::size_t> engine;
    std::string_view text;

    const SearchEngine* builtIn() const { return std::get_if<SearchEngine>(&engine); }
    const std::size_t* ownIndex() const { return std::get_if<std::size_t>(&engine); }
};

// The engine a known keyword names (without case, built-in keywords first),
// and the text after it; none when the typed text has no known keyword and
// is searched as typed with the bar's engine. The text points into `typed`.
std::optional<KeywordSearch> searchByKeyword(std::string_view typed, std::span<const OwnEngine> ownEngines);

}  // namespace vask
