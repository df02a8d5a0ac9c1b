#pragma once
// The search bar's state: its position, look and switches, kept in
// "vask.cfg" (sections "Velikost" and "Options"), and the service and the
// transparent look, which every start begins without.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/geometry.h"
#include "common/ini_document.h"
#include "search/query.h"

namespace vask {

struct BarState {
    int left = 0;
    int top = 0;
    std::uint32_t backColor = 11184388;  // Windows colour value 0x00BBGGRR, or a system colour
    bool compact = true;
    bool showTaskbarButton = true;
    bool historyEnabled = true;
    bool suggest = true;                    // earlier searches are offered while typing
    bool engineSuggest = false;             // the engine is asked for completions while typing
    std::string hotkey = "Ctrl+Alt+Space";  // as written in "vask.cfg"; empty: none
    // Not kept: every start is opaque and searches with Google.
    bool transparent = false;
    SearchEngine engine = SearchEngine::Google;
    // One of one's own engines, by its keyword, chosen in place of `engine`
    // (which comes back when it goes).
    std::optional<std::string> ownEngine;
};

// Missing keys take their defaults; a position off the screen is pulled back.
BarState loadBarSettings(const IniDocument& settings, ScreenSize screen, int barWidth, int barHeight);

// Writes the bar's keys; every other section and key stays as it was.
void saveBarSettings(IniDocument& settings, const BarState& bar);

// Writes the hotkey's key alone.
void saveHotkeySetting(IniDocument& settings, const BarState& bar);

// When "vask.cfg" cannot be read at start, the bar runs on its defaults but
// records no searches and suggests none: a user who turned either off must
// not have them on because another program held the file.
BarState assumedWhileUnread(BarState defaults);
// The file could be read later: its history and suggestion switches take
// over where the bar still has what it started with (`start`).
void adoptSwitches(BarState& bar, BarState& start, const BarState& read);
// Writes only the bar's keys whose values differ from `start`: the user's
// changes, key by key, into a file the run never read whole. False when
// there are none.
bool saveChangedBarSettings(IniDocument& settings, const BarState& bar, const BarState& start);

}  // namespace vask
