#pragma once
// The one application object: it owns the windows and the program-wide
// values, and it is the only place where windows meet: each window offers
// operations in its own words, and App wires one to another. It answers
// what the bar asks, saves at the close and takes other programs' messages.
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bar/bar_context.h"

#include "common/ini_document.h"
#include "history/search_history.h"
#include "search/own_engines.h"
#include "search/search_request.h"
#include "win/data_folder.h"
#include "win/launcher.h"
#include "win/message_window.h"
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
    // The advanced window's choice; its defaults while it was never made.
    AdvancedChoice advancedChoice() const;

    // The three saves of closing, in their order, each tried whatever became
    // of the others; the messages of those that failed (saving.cpp).
    std::vector<std::string> saveEverything();
    // After each change of the history: "hist.sdf" has it within this time
    // (and the time its writing takes), so a crash loses little.
    static constexpr UINT HistorySaveDelayMs = 2000;

private:
    BarContext barContext();
    const Tfext* shownAdvanced() const;  // null while hidden or never made
    void barCommand(BarCommand command);
    void barChanged(BarChange change);
    // Saving (saving.cpp): at the close, when Windows ends, and the
    // history's idle save.
    void close();
    void sessionEnds();
    void scheduleHistorySave();
    void saveHistoryInBackground();
    void historySaveEnded();
    bool closing_ = false;             // the close's question is on screen
    bool historySavePending_ = false;  // the history's timer runs
    // Messages from other programs (other_programs.cpp).
    LRESULT copyData(const COPYDATASTRUCT& data);
    void runHandedSearch();
    std::deque<SearchRequest> handedSearches_;  // taken, in their order, until the bar runs them
    // The address of App's own timer and messages, made when first needed.
    win::MessageWindow& messages();
    void onMessage(UINT message, WPARAM wParam);
    std::unique_ptr<win::MessageWindow> messages_;

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
    // Timer and messages of messages_.
    static constexpr UINT_PTR HistorySaveTimer = 1;
    static constexpr UINT HistorySaveEnded = WM_APP + 1;  // posted by the history's saving thread
    static constexpr UINT RunHandedSearch = WM_APP + 2;
};

}  // namespace vask
