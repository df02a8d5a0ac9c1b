#pragma once
// The one application object: it owns the windows and the program-wide
// values; the windows reach each other through it.
#include <memory>
#include <string>

#include "common/ini_document.h"
#include "search/search_options.h"
#include "win/launcher.h"
#include "win/prompter.h"

namespace vask {

class Tmainform;  // the search bar

class App {
public:
    App(std::wstring programDir, win::Launcher& launcher, win::Prompter& prompter);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Creates the windows in their order; the bar becomes the main window.
    void createWindows();

    // A data file next to the program ("vask.cfg", "color.cld", "hist.sdf").
    std::wstring dataFile(const wchar_t* name) const { return programDir + name; }
    // "vask.cfg" as a document; a missing or unreadable file reads as empty.
    IniDocument readSettings() const;
    // Saves "vask.cfg" atomically; throws with the system's message on failure.
    void writeSettings(const IniDocument& settings) const;

    const std::wstring programDir;  // with its trailing separator
    win::Launcher& launcher;
    win::Prompter& prompter;

    SearchOptions searchOptions;
    bool advancedOpen = false;   // the advanced window is shown from the bar
    bool advancedDocked = true;  // the advanced window is attached to the bar
    int pinnedBrowserIndex = 0;

    // Made in this order by createWindows; each lives until the App ends.
    std::unique_ptr<Tmainform> mainform;
};

}  // namespace vask
