#pragma once
// The words after the program's name on its command line:
//   vask.exe [--engine NAME] [--private] [--] TEXT...
// searches TEXT, its words joined by single spaces, with the service NAME
// (a built-in service's name or any engine's keyword), in the browser's
// private window with --private. --autostart (as Windows starts the bar for
// "Start with Windows") shows the bar without taking the focus;
// --remove-autostart removes that entry when it starts this copy.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "search/own_engines.h"
#include "search/query.h"

namespace vask {

struct CommandLineSearch {
    enum class Action {
        Start,            // no words: the bar starts as usual
        Search,           // search `text`, with `engine` or the bar's service
        Help,             // show the usage
        Error,            // show the usage with `error`; nothing is searched
        RemoveAutostart,  // remove this copy's "Start with Windows" entry, and end
    };
    Action action = Action::Start;
    std::optional<SearchEngine> engine;
    std::string text;  // an engine named by keyword stands before it ("!ddg cats")
    bool privately = false;
    bool autostart = false;  // the bar shows without taking the focus
    std::string error;
};

// Options stand before the first word of the text; "--" ends them, so a text
// may begin with "-". A word of the text that begins with "-" later on is
// text ("red -apple"). No words of text, or words that are empty or only
// white space (vask.exe ""), are the mistake "no text".
// `ownEngines`: the engines whose keywords NAME may be.
CommandLineSearch parseSearchArguments(std::span<const std::string> words, std::span<const OwnEngine> ownEngines);

// The service of a name as the command line and a handed-over search give it:
// a built-in service's name in any case.
std::optional<SearchEngine> engineNamed(std::string_view name);

// The width of a text in pixels, in the font that will show it.
using TextWidth = std::function<int(std::string_view text)>;

// One row of the usage's option table.
struct UsageOption {
    std::string_view option;
    std::string description;
};

// The rows, each description after its option and as many spaces as bring
// it closest to two spaces after the widest option: the descriptions line up
// (to within half a space) in the font `widthOf` measures, which a message
// box shows without tab stops of its own. A description that would make its
// line wider than `lineWidth` goes on in lines of its own, lined up the same,
// before the box breaks the line at its left edge.
std::string lineUpOptions(std::span<const UsageOption> options, const TextWidth& widthOf, int lineWidth);

// What the program takes on its command line, for the usage message, its
// option table lined up for the font `widthOf` measures, no wider than `lineWidth`.
std::string searchUsage(const TextWidth& widthOf, int lineWidth);

}  // namespace vask
