#pragma once
// What a search records in the history, stamped with the moment it starts.
#include <string>

#include "history/history_record.h"

namespace vask {

// The date and time now in the user's short date and long time formats,
// with what the bar and the advanced window hold.
SearchSnapshot takeSearchSnapshot(std::string searchText, std::optional<SearchEngine> engine,
                                  std::optional<OptionTexts> options);

}  // namespace vask
