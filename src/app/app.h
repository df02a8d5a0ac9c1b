#pragma once
// The one application object: it owns the windows and the program-wide
// values, and it is the only place where windows meet: each window offers
// operations in its own words, and App wires one to another.
#include <functional>
#include <memory>
#include <string>

#include "common/ini_document.h"
#include "history/search_history.h"
#include "search/own_engines.h"
#include "search/search_options.h"
#include "win/data_folder.h"
#include "win/launcher.h"
#include "win/prompter.h"

namespace vask {

class Tmainform;  // the search bar
class Tfext;      // the advanced search window
class TfAbout;    // the about box
class Tfhist;     // the search history
class TfEngines;  // one's own search engines
struct RunRestore;

class App {
public:
    // Decides the data folder once: the program folder when a file can be
    // made there, else "Vask" in `appDataRoot` (empty: the user's "%APPDATA%").
    App(std::wstring programDir, win::Launcher& launcher, win::Prompter& prompter,
        const std::wstring& appDataRoot = {});
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Creates the windows in their order; the bar becomes the main window.
    // `barReady` runs as soon as the bar exists and may stop there (a second
    // copy of the program ends before it loads anything else); false then.
    // The start-up's problems are said only once it let the bar run. When
    // `mayStop` says it likely stops, the history is not read until it did not.
    bool createWindows(const std::function<bool(HWND bar)>& barReady = {}, bool mayStop = false);

    // "vask.cfg" as it stood when the windows were made (read once; a file
    // that could not be read was reported then and reads as empty).
    const IniDocument& startupSettings() const { return startupSettings_; }
    // "vask.cfg" was there but could not be read at start.
    bool startupSettingsUnread() const { return startupSettingsUnread_; }
    // What a window found wrong with its file while it was made, said with
    // the start's other news in one message.
    void sayAtStart(std::string news) { startupNews_.push_back(std::move(news)); }

    const win::DataFolder data;
    win::Launcher& launcher;
    win::Prompter& prompter;

    SearchOptions searchOptions;
    bool advancedOpen = false;   // the advanced window is shown from the bar
    bool advancedDocked = true;  // the advanced window is attached to the bar
    int pinnedBrowserIndex = 0;
    // One's own engines, from "vask.cfg" at start and from the Engines window.
    std::vector<OwnEngine> ownEngines;
    // The run's searches, read from "hist.sdf" by createWindows; the history
    // window shows them once the user opens it.
    SearchHistory history{prompter};

    // The bar, made by createWindows. The advanced window, the history
    // window and the about box are made the first time they are needed: most
    // runs never open them, and making their controls would double the bar's
    // start-up. Each then lives until the App ends.
    Tmainform& bar() const { return *bar_; }
    Tfext& advanced();
    Tfext* advancedIfMade() const { return advanced_.get(); }
    Tfhist& historyWindow();
    Tfhist* historyWindowIfMade() const { return historyWindow_.get(); }
    TfAbout& about();
    TfEngines& enginesWindow();

private:
    // The history's Run: the recorded search back into the bar and the advanced window.
    void runFromHistory(const RunRestore& restore);

    IniDocument startupSettings_;
    bool startupSettingsUnread_ = false;
    std::vector<std::string> startupNews_;
    std::unique_ptr<Tmainform> bar_;
    std::unique_ptr<Tfext> advanced_;
    std::unique_ptr<Tfhist> historyWindow_;
    std::unique_ptr<TfAbout> about_;
    std::unique_ptr<TfEngines> enginesWindow_;
};

}  // namespace vask
