#include "search/search_arguments.h"

#include <algorithm>

#include "common/utf8.h"
#include "common/white_space.h"
#include "search/keyword_search.h"

namespace vask {
namespace {

CommandLineSearch failure(std::string reason) {
    CommandLineSearch result;
    result.action = CommandLineSearch::Action::Error;
    result.error = std::move(reason);
    return result;
}

}  // namespace

std::optional<SearchEngine> engineNamed(std::string_view name) {
    // Every name a service answers to is looked up here; keywords join the built-in names.
    const std::string wanted = asciiUpper(name);
    for (std::size_t i = 0; i < builtInEngines().size(); ++i)
        if (asciiUpper(builtInEngines()[i].name) == wanted) return static_cast<SearchEngine>(i);
    return std::nullopt;
}

CommandLineSearch parseSearchArguments(std::span<const std::string> words, std::span<const OwnEngine> ownEngines) {
    CommandLineSearch result;
    if (words.empty()) return result;
    std::string keyword;
    std::size_t next = 0;
    for (; next < words.size(); ++next) {
        const std::string& word = words[next];
        if (word == "--") {
            ++next;
            break;
        }
        if (word == "--help" || word == "-h" || word == "/?") {
            result.action = CommandLineSearch::Action::Help;
            return result;
        }
        if (word == "--engine") {
            if (++next == words.size()) return failure("--engine needs the name of a search engine.");
            const std::string& name = words[next];
            result.engine = engineNamed(name);
            // Any other name is a keyword: the search goes as "!keyword text" would.
            keyword.clear();
            if (!result.engine) {
                if (findWhiteSpace(name) != std::string::npos || !searchByKeyword("!" + name + " ", ownEngines))
                    return failure("\"" + name + "\" is not a search engine.");
                keyword = "!" + name + " ";
            }
            continue;
        }
        if (word == "--private") {
            result.privately = true;
            continue;
        }
        if (word == "--autostart") {
            result.autostart = true;
            continue;
        }
        if (word == "--remove-autostart") {
            result.action = CommandLineSearch::Action::RemoveAutostart;
            return result;
        }
        if (word.size() > 1 && word[0] == '-') return failure("\"" + word + "\" is not an option of Vask.");
        break;
    }
    std::string text;
    for (std::size_t i = next; i < words.size(); ++i) text += (i == next ? "" : " ") + words[i];
    if (next == words.size() && result.autostart && !result.privately && !result.engine && keyword.empty())
        return result;  // started with Windows, the bar starts as usual
    // Empty words ("") or only white space search nothing either.
    if (withoutLeadingWhiteSpace(text).empty()) return failure("There is no text to search.");
    result.action = CommandLineSearch::Action::Search;
    result.text = keyword + text;
    return result;
}

std::string lineUpOptions(std::span<const UsageOption> options, const TextWidth& widthOf, int lineWidth) {
    // Two spaces after the widest option.
    int column = 0;
    for (const UsageOption& row : options) column = std::max(column, widthOf(std::string(row.option) + "  "));
    // `lead` and the number of spaces that brings what follows closest to the column.
    const auto toColumn = [&](std::string lead) {
        lead += ' ';
        while (widthOf(lead + ' ') <= column || column - widthOf(lead) > widthOf(lead + ' ') - column) lead += ' ';
        return lead;
    };
    std::string table;
    for (const UsageOption& row : options) {
        // A description too long for the line goes on under itself, word by word.
        std::string line = toColumn(std::string(row.option));
        bool started = false;
        for (std::size_t at = 0; at < row.description.size();) {
            const std::size_t end = std::min(row.description.find(' ', at), row.description.size());
            const std::string_view word = std::string_view(row.description).substr(at, end - at);
            at = end + 1;
            std::string longer = line + (started ? " " : "") + std::string(word);
            if (started && widthOf(longer) > lineWidth) {
                table.append(line).append("\n");
                longer = toColumn("") + std::string(word);
            }
            line = std::move(longer);
            started = true;
        }
        table.append(line).append("\n");
    }
    table.pop_back();
    return table;
}

std::string searchUsage(const TextWidth& widthOf, int lineWidth) {
    std::string engines;
    for (const Engine& engine : builtInEngines()) engines += (engines.empty() ? "" : ", ") + std::string(engine.name);
    const UsageOption options[] = {
        {"--engine NAME", "search with NAME: " + engines + " (any case), or an engine's keyword"},
        {"--private", "open the search in the browser's private window, unrecorded"},
        {"--autostart", "show the bar without taking the focus (\"Start with Windows\" starts it so)"},
        {"--remove-autostart", "remove the \"Start with Windows\" entry of this vask.exe"},
        {"--", "the words that follow are text, even when they begin with \"-\""},
        {"--help, -h, /?", "show this message"},
    };
    std::string usage =
        "Usage: vask.exe [--engine NAME] [--private] [--] TEXT...\n\n"
        "Searches TEXT (its words joined by single spaces) as if it were typed into the bar and Enter "
        "pressed. When Vask already runs, that bar searches it.\n\n";
    return usage.append(lineUpOptions(options, widthOf, lineWidth));
}

}  // namespace vask
