#pragma once
// The one application object: it owns the windows and the program-wide
// values; the windows reach each other through it.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ini_document.h"
#include "history/search_history.h"
#include "search/search_options.h"
#include "win/launcher.h"
#include "win/prompter.h"

namespace vask {

class Tmainform;  // the search bar
class Tfext;      // the advanced search window
class Tfals;      // the caption strip under the bar
class TfAbout;    // the about box
class Tfhist;     // the search history

class App {
public:
    // Decides the data folder once: the program folder when a file can be
    // made there, else "Vask" in `appDataRoot` (empty: the user's "%APPDATA%").
    App(std::wstring programDir, win::Launcher& launcher, win::Prompter& prompter, std::wstring appDataRoot = {});
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Creates the windows in their order; the bar becomes the main window.
    // `barReady` runs as soon as the bar exists and may stop there (a second
    // copy of the program ends before it loads anything else); false then.
    bool createWindows(const std::function<bool(HWND bar)>& barReady = {});

    // The folder of "vask.cfg", "color.cld" and "hist.sdf", with its trailing separator.
    const std::wstring& dataFolder() const { return dataFolder_; }
    std::wstring dataFile(const wchar_t* name) const { return dataFolder_ + name; }
    // Where the preset dialogs start: the program folder when it can be read.
    std::wstring presetFolder() const;
    // "vask.cfg" as a document; a missing file reads as empty, one that
    // cannot be read throws with the system's message.
    IniDocument readSettings() const;
    // "vask.cfg" as it stood when the windows were made (read once; a file
    // that could not be read was reported then and reads as empty).
    const IniDocument& startupSettings() const { return startupSettings_; }
    // Saves "vask.cfg" atomically; throws with the system's message on failure.
    void writeSettings(const IniDocument& settings) const;

    const std::wstring programDir;  // with its trailing separator
    win::Launcher& launcher;
    win::Prompter& prompter;

    SearchOptions searchOptions;
    bool advancedOpen = false;   // the advanced window is shown from the bar
    bool advancedDocked = true;  // the advanced window is attached to the bar
    int pinnedBrowserIndex = 0;
    // The run's searches, read from "hist.sdf" by createWindows; the history
    // window shows them once the user opens it.
    SearchHistory history{prompter};

    // The advanced window (with the caption strip), the history window and the
    // about box are made the first time they are needed: most runs never open
    // them, and making their controls would double the bar's start-up. They
    // then live until the App ends.
    Tfext& advanced();
    Tfhist& historyWindow();
    TfAbout& about();

    // The bar is made by createWindows; the others stay empty until first
    // needed. Each lives until the App ends.
    std::unique_ptr<Tmainform> mainform;
    std::unique_ptr<Tfext> fext;
    std::unique_ptr<Tfals> fals;
    std::unique_ptr<Tfhist> fhist;
    std::unique_ptr<TfAbout> fabout;

private:
    // The data folder when no file can be made in the program folder;
    // problems met on the way are said with the start-up's message.
    std::wstring fallBackToAppData(const std::wstring& appDataRoot);

    std::wstring dataFolder_;
    std::vector<std::string> startupProblems_;
    IniDocument startupSettings_;
};

}  // namespace vask
