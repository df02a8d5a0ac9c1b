// The bar's searches: which engine a search goes to, what it opens and what
// the history keeps of it.
#include <algorithm>

#include "bar/bar_window.h"
#include "bar/search_snapshot.h"
#include "search/private_switch.h"
#include "win/keyboard.h"

namespace vask {

void Tmainform::selectEngine(SearchEngine engine) {
    state_.engine = engine;
    state_.ownEngine.reset();
    showChosenEngine();
}

void Tmainform::selectOwnEngine(std::size_t index) {
    if (index >= context_.engines.size()) return;
    state_.ownEngine = context_.engines[index].keyword;
    showChosenEngine();
}

// The choice is kept by keyword: the engines' places change as others come and go.
std::optional<std::size_t> Tmainform::chosenOwnEngine() const {
    if (!state_.ownEngine) return std::nullopt;
    const auto& engines = context_.engines;
    const auto found = std::find_if(engines.begin(), engines.end(),
                                    [this](const OwnEngine& e) { return sameKeyword(e.keyword, *state_.ownEngine); });
    if (found == engines.end()) return std::nullopt;
    return static_cast<std::size_t>(found - engines.begin());
}

ChosenEngine Tmainform::chosenEngine() const {
    if (const auto own = chosenOwnEngine()) return *own;
    return state_.engine;
}

// The radio buttons show a built-in engine; with one's own, none is checked
// and the empty field names the engine.
void Tmainform::showChosenEngine() {
    const std::optional<std::size_t> chosenOwn = chosenOwnEngine();
    const bool own = chosenOwn.has_value();
    // Only the chosen service is a tab stop: Tab enters the group there (at
    // the first when one's own engine is chosen).
    for (size_t i = 0; i < engineChoices_.size(); ++i) {
        const bool chosen = !own && i == engineIndex(state_.engine);
        engineChoices_[i].radio->setChecked(chosen);
        win::setTabStop(engineChoices_[i].radio->hwnd(), chosen || (own && i == 0));
    }
    eurl.setCue(own ? "Search " + context_.engines[*chosenOwn].name : std::string{});
}

void Tmainform::ownEnginesChanged(std::string_view renamedFrom, std::string_view renamedTo) {
    engines_.list(context_.engines);
    showEngineMenu();
    if (state_.ownEngine && !renamedFrom.empty() && sameKeyword(*state_.ownEngine, renamedFrom))
        state_.ownEngine = std::string(renamedTo);
    // An engine that is gone gives way to the built-in one chosen before it.
    if (!chosenOwnEngine()) state_.ownEngine.reset();
    showChosenEngine();
}

std::optional<SearchPlan> Tmainform::planCurrentSearch() {
    // The text is read once: under Wine each message to a control costs a round trip.
    return planSearch(context_.advancedChoice(), eurl.text(), chosenEngine(), context_.engines);
}

// Enter and a click on Search; with Shift, in a private window.
void Tmainform::searchOrSearchPrivately() {
    if (win::shiftIsDown())
        searchPrivately();
    else
        sbGoClick();
}

void Tmainform::sbGoClick() {
    std::optional<SearchPlan> plan = planCurrentSearch();
    if (!plan) return;
    // Recorded before the launch, as the fields stand now.
    learnUnreadSettings();
    if (state_.historyEnabled) dodajtabelo(std::move(plan->recordedText), plan->recordedEngine);
    context_.launcher.open(hwnd(), plan->request.program, plan->request.url);
}

void Tmainform::searchPrivately() {
    const std::optional<SearchPlan> plan = planCurrentSearch();
    if (!plan) return;
    const std::string program =
        plan->request.program.empty() ? context_.launcher.defaultBrowserProgram() : plan->request.program;
    const std::string_view privateSwitch = privateSwitchFor(program);
    // Never a normal window in place of a private one.
    if (privateSwitch.empty()) {
        const std::string browser = program.empty() ? "no browser is registered for web addresses"
                                                    : "\"" + program + "\" has no private window Vask knows of";
        prompter().ask(hwnd(), "The private search was not opened: " + browser + ".", "Vask",
                       MB_OK | MB_ICONINFORMATION);
        return;
    }
    context_.launcher.openWithSwitch(hwnd(), program, std::string(privateSwitch), plan->request.url);
}

void Tmainform::dodajtabelo(std::string searchText) { dodajtabelo(std::move(searchText), searchEngine()); }

void Tmainform::dodajtabelo(std::string searchText, std::optional<SearchEngine> engine) {
    context_.history.recordSearch(
        makeHistoryRecord(takeSearchSnapshot(std::move(searchText), engine, context_.shownAdvancedOptions())));
}

void Tmainform::searchFor(const SearchRequest& request) {
    if (request.engine) selectEngine(*request.engine);
    setSearchText(request.text);
    if (request.privately)
        searchPrivately();
    else
        sbGoClick();
}

}  // namespace vask
