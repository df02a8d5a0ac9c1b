#pragma once
// The search action as a pure function: the bar's text, the chosen service
// and the advanced options become one URL and the program that opens it.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "search/search_options.h"

namespace vask {

// The built-in services, named by their place in builtInEngines().
enum class SearchEngine { Google, Bing, Wikipedia };
inline std::size_t engineIndex(SearchEngine engine) { return static_cast<std::size_t>(engine); }

// What the bar and the advanced window hold when a search starts.
struct SearchInputs {
    std::string text;  // eurl, as typed
    SearchEngine engine = SearchEngine::Google;
    bool advancedOpen = false;
    // cb1, cb2, cb3, cb6 of the advanced window (-1 = no selection)
    int interfaceIndex = 0, resultIndex = 0, countryIndex = 0, timeIndex = 0;
    std::string exact, exclude, domain;  // eexact, eexclude, edomain
    std::string browserItem;             // text of lb's selected item; empty when none
};

struct LaunchRequest {
    std::string program;  // empty = the default browser
    std::string url;
};

// One search service. Everything the program knows of a service is its
// row: the bar's radio button and menu item show its name, the history
// records it in the column of that name, and `compose` makes its URL.
struct Engine {
    std::string_view name;
    // The URL of a search and the program that opens it; `browserProgram` is
    // the chosen browser's (empty: the default browser).
    LaunchRequest (*compose)(const SearchOptions& options, const SearchInputs& in, const std::string& browserProgram);
};

// The built-in services, in the order the bar offers them.
inline constexpr std::size_t BuiltInEngineCount = 3;
std::span<const Engine, BuiltInEngineCount> builtInEngines();
inline const Engine& engineRow(SearchEngine engine) { return builtInEngines()[engineIndex(engine)]; }

// Every space becomes "+"; nothing else is encoded.
std::string SpacesToPlus(std::string_view text);

// A typed text as one value of a URL's query: "%", "&", "#", "+" and the
// control characters as "%XX" (upper-case hex), so that the service reads
// them as typed; every other byte, spaces and quotes included, stays as it is.
std::string escapeQueryText(std::string_view text);

// "&tbs=qdr:h" ... "&tbs=qdr:y" for the time periods 1..5; empty otherwise.
std::string timeFragment(int index);

// The program that opens the URL for a browser list item ("Firefox" ->
// "firefox.exe"); empty for the default browser. When an item names several
// browsers the later test wins, so "... (Default)" always means the default.
std::string browserProgramFor(std::string_view browserItem);

// Composes one search. The fragments of lists standing at "- - -" are left
// out; `options` is taken by value, so a caller done with it moves it in.
LaunchRequest composeSearch(SearchOptions options, const SearchInputs& in);

// The URL with every '"' as "%22" and a trailing run of backslashes as
// "%5C": neither can then end the quoted argument a browser receives.
std::string shellSafeUrl(std::string_view url);

}  // namespace vask
