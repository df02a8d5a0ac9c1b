#pragma once
// What the words on the program's command line do at its start: a search
// this bar runs, or hands to the bar already running from the same program
// file, or the usage shown instead of a bar.
#include <windows.h>

#include <string>
#include <vector>

#include "search/search_arguments.h"
#include "search/search_request.h"
#include "win/prompter.h"

namespace vask {

// The words after the program's name, as Windows splits the command line.
std::vector<std::string> commandLineWords();

// One's own engines as "vask.cfg" holds them, for the keyword --engine may
// name; none when the file cannot be read (the bar says why when it starts).
std::vector<OwnEngine> ownEnginesAtStart();

// Shows the usage, led by the mistake when there was one; returns the
// program's exit code: 0 after help, 2 after a mistake.
int showSearchUsage(win::Prompter& prompter, const CommandLineSearch& asked);

// Gives the search to the running bar; false when it did not take it.
bool handOverSearch(HWND runningBar, const SearchRequest& request);

}  // namespace vask
