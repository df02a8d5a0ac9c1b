#pragma once
// What a search records in the history, read from the bar and the advanced window.
#include <string>

#include "history/history_record.h"

namespace vask {

class App;

// The date and time now in the user's short date and long time formats,
// `searchText` (the bar's text as the search read it), the bar's engine
// and, while the advanced window is shown, its edits and the display texts
// of its lists.
SearchSnapshot takeSearchSnapshot(const App& app, std::string searchText);

}  // namespace vask
