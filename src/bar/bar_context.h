#pragma once
// What the bar shares with the rest of the program: what it reads, and what
// it asks of the other windows, which it never reaches itself.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/ini_document.h"
#include "history/search_history.h"
#include "search/advanced_choice.h"
#include "search/option_texts.h"
#include "search/own_engines.h"
#include "win/data_folder.h"
#include "win/launcher.h"
#include "win/prompter.h"

namespace vask {

// What the user asks of the program through the bar.
enum class BarCommand {
    ShowHistory,     // "Show search history"
    ShowEngines,     // "Engines..."
    About,           // "About ..."
    ToggleAdvanced,  // "Advanced Search": the pinned lists, then show or hide
    Exit,            // the bar is asked to close: everything is saved first
    SessionEnds,     // Windows is ending: everything is saved, nothing asked
};

// What changed in the bar that a window beside it follows.
enum class BarChange {
    Moved,
    Color,
    Transparency,
};

struct BarContext {
    const win::DataFolder& data;
    win::Prompter& prompter;
    win::Launcher& launcher;
    SearchHistory& history;
    const std::vector<OwnEngine>& engines;  // one's own, in their order
    // "vask.cfg" as read at start, and whether it was there but could not be read.
    const IniDocument& startupSettings;
    bool startupSettingsUnread = false;
    // What the bar found wrong while it was made, said with the start's other news.
    std::function<void(std::string)> sayAtStart;
    std::function<void(BarCommand)> command;
    std::function<void(BarChange)> changed;
    // A WM_COPYDATA from another program; the answer goes back to it.
    std::function<LRESULT(const COPYDATASTRUCT&)> copyData;
    // The advanced window's choice, its defaults while it was never made.
    std::function<AdvancedChoice()> advancedChoice;
    // While the advanced window is shown: its options as the history records
    // them, and where it stands (the suggestions keep clear of it).
    std::function<std::optional<OptionTexts>()> shownAdvancedOptions;
    std::function<std::optional<RECT>()> shownAdvancedRect;
};

}  // namespace vask
