#include "app/app.h"

#include "about/about_window.h"
#include "advanced/advanced_window.h"
#include "app/startup_phases.h"
#include "bar/bar_window.h"
#include "engines/engines_window.h"
#include "history/history_window.h"

namespace vask {
namespace {

// Lines of [Engines] that are left out stay in the file as they are; the user hears which.
std::string unusedEngineLines(const std::vector<InvalidEngineLine>& invalid) {
    std::string text = "These lines of [Engines] in \"vask.cfg\" are not used:";
    for (const InvalidEngineLine& line : invalid) text += "\n" + line.line + "\n    " + std::string(line.reason);
    return text;
}

}  // namespace

App::App(std::wstring programDir, win::Launcher& launcher, win::Prompter& prompter, const std::wstring& appDataRoot)
    : data(std::move(programDir), appDataRoot), launcher(launcher), prompter(prompter) {}

App::~App() {
    // The bar goes last: the other windows may still reach it while they close.
    history.onEdited = nullptr;
    enginesWindow_.reset();
    about_.reset();
    historyWindow_.reset();
    advanced_.reset();
    bar_.reset();
}

bool App::createWindows(const std::function<bool(HWND bar)>& barReady, bool mayStop) {
    std::vector<std::string> problems = data.problems();
    try {
        startupSettings_ = data.readSettings();
    } catch (const std::exception& error) {
        // Neither read nor written over: the bar starts from its defaults and
        // adds to the file only what the user changes, once it can be read.
        startupSettingsUnread_ = true;
        problems.push_back(std::string(error.what()) +
                           "\nVask starts with its default settings, records and suggests no searches until it can "
                           "read the file, and adds to it only the settings you change.");
    }
    EnginesRead engines = readOwnEngines(startupSettings_);
    ownEngines = std::move(engines.engines);
    if (!engines.invalid.empty()) problems.push_back(unusedEngineLines(engines.invalid));
    startup::mark(startup::Phase::SettingsRead);
    // The history is read while the bar is made: the two take about as long.
    // A copy that hands over to the running bar reads none of it.
    const std::wstring historyFile = data.file(L"hist.sdf");
    if (!mayStop) history.startLoading(historyFile);
    bar_ = std::make_unique<Tmainform>(barContext());
    startup::mark(startup::Phase::ControlsMade);
    history.onEdited = [this] { scheduleHistorySave(); };
    if (barReady && !barReady(bar_->hwnd())) return false;
    history.startLoading(historyFile);  // unless it was started above
    problems.insert(problems.end(), startupNews_.begin(), startupNews_.end());
    if (std::optional<std::string> said = history.finishLoading()) problems.push_back(std::move(*said));
    if (!problems.empty()) {
        // Said once, all together, by the copy that runs; its windows start
        // from their defaults or what could be read.
        std::string text;
        for (const std::string& problem : problems) text += (text.empty() ? "" : "\n\n") + problem;
        prompter.ask(nullptr, text, "Vask", MB_OK | MB_ICONERROR);
    }
    return true;
}

BarContext App::barContext() {
    return {
        .data = data,
        .prompter = prompter,
        .launcher = launcher,
        .history = history,
        .engines = ownEngines,
        .startupSettings = startupSettings_,
        .startupSettingsUnread = startupSettingsUnread_,
        .sayAtStart = [this](std::string news) { sayAtStart(std::move(news)); },
        .command = [this](BarCommand command) { barCommand(command); },
        .changed = [this](BarChange change) { barChanged(change); },
        .copyData = [this](const COPYDATASTRUCT& message) { return copyData(message); },
        .advancedChoice = [this] { return advancedChoice(); },
        .shownAdvancedOptions = [this]() -> std::optional<OptionTexts> {
            if (const Tfext* shown = shownAdvanced()) return shown->shownOptions();
            return std::nullopt;
        },
        .shownAdvancedRect = [this]() -> std::optional<RECT> {
            if (const Tfext* shown = shownAdvanced()) return shown->windowRect();
            return std::nullopt;
        },
    };
}

void App::barCommand(BarCommand command) {
    switch (command) {
    case BarCommand::ShowHistory:
        historyWindow().Show();
        break;
    case BarCommand::ShowEngines:
        enginesWindow().Show();
        break;
    case BarCommand::About:
        about().ShowModal();
        break;
    case BarCommand::ToggleAdvanced:
        advanced().resetToPinsAndToggle();
        break;
    case BarCommand::Exit:
        close();
        break;
    case BarCommand::SessionEnds:
        sessionEnds();
        break;
    }
}

// The advanced window, once made, follows the bar.
void App::barChanged(BarChange change) {
    if (!advanced_) return;
    switch (change) {
    case BarChange::Moved:
        advanced_->followBar();
        break;
    case BarChange::Color:
        if (advanced_->isVisible()) advanced_->FormPaint();
        break;
    case BarChange::Transparency:
        advanced_->setTransparent(bar_->state().transparent);
        break;
    }
}

const Tfext* App::shownAdvanced() const { return advanced_ && advanced_->isVisible() ? advanced_.get() : nullptr; }

AdvancedChoice App::advancedChoice() const { return advanced_ ? advanced_->choice() : AdvancedChoice{}; }

Tfext& App::advanced() {
    if (!advanced_)
        advanced_ = std::make_unique<Tfext>(AdvancedContext{
            .bar = bar_->hwnd(),
            .data = data,
            .prompter = prompter,
            .searchText = [this] { return bar_->searchText(); },
            .setSearchText = [this](std::string_view text) { bar_->setSearchText(text); },
            .barColor = [this] { return bar_->resolvedBackColor(); },
            .search = [this] { bar_->searchOrSearchPrivately(); },
        });
    return *advanced_;
}

Tfhist& App::historyWindow() {
    if (!historyWindow_)
        historyWindow_ = std::make_unique<Tfhist>(HistoryContext{
            .history = history,
            .data = data,
            .startupSettings = startupSettings_,
            .prompter = prompter,
            .bar = bar_->hwnd(),
            .run = [this](const RunRestore& restore) { runFromHistory(restore); },
        });
    return *historyWindow_;
}

TfAbout& App::about() {
    // Owned by the bar, so it stays above the bar, which stays on top.
    if (!about_) about_ = std::make_unique<TfAbout>(bar_ ? bar_->hwnd() : nullptr, prompter);
    return *about_;
}

TfEngines& App::enginesWindow() {
    if (!enginesWindow_)
        enginesWindow_ = std::make_unique<TfEngines>(EnginesContext{
            .bar = bar_->hwnd(),
            .data = data,
            .prompter = prompter,
            .engines = ownEngines,
            .changed =
                [this](const std::vector<OwnEngine>& engines, const EnginesChange& change) {
                    ownEngines = engines;
                    bar_->ownEnginesChanged(change.renamedFrom, change.renamedTo);
                },
        });
    return *enginesWindow_;
}

void App::runFromHistory(const RunRestore& restore) {
    if (!restore.options) {
        bar_->setSearchText(restore.searchText);
        if (advanced_) advanced_->hideFromBar();
        return;
    }
    // Opened docked, as the bar's expand button does, with the pinned lists.
    if (!advanced().isOpen()) advanced().xexpandClick();
    advanced().restore(*restore.options);
    bar_->setSearchText(restore.searchText);
}

}  // namespace vask
