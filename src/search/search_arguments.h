#pragma once
// The words after the program's name on its command line:
//   vask.exe [--engine NAME] [--] TEXT...
// searches TEXT, its words joined by single spaces, with the service NAME.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "search/query.h"

namespace vask {

struct CommandLineSearch {
    enum class Action {
        Start,   // no words: the bar starts as usual
        Search,  // search `text`, with `engine` or the bar's service
        Help,    // show the usage
        Error,   // show the usage with `error`; nothing is searched
    };
    Action action = Action::Start;
    std::optional<SearchEngine> engine;
    std::string text;
    std::string error;
};

// Options stand before the first word of the text; "--" ends them, so a text
// may begin with "-". A word of the text that begins with "-" later on is
// text ("red -apple").
CommandLineSearch parseSearchArguments(std::span<const std::string> words);

// The service of a name as the command line and a handed-over search give it:
// a built-in service's name in any case.
std::optional<SearchEngine> engineNamed(std::string_view name);

// What the program takes on its command line, for the usage message.
std::string searchUsage();

}  // namespace vask
