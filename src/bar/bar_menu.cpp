// The bar's menu: its items, their check marks drawn from the bar's state
// when it opens, and what each item does.
#include "bar/bar_window.h"
#include "bar/start_with_windows.h"

namespace vask {

void Tmainform::createMenu() {
    pop_.reset(CreatePopupMenu());
    engines_.list(context_.engines);

    HMENU colors = CreatePopupMenu();
    AppendMenuW(colors, MF_STRING, AliceBlue1, L"&Select color");
    AppendMenuW(colors, MF_STRING, Windowsdefault1, L"&Windows default color");

    HMENU menu = pop_.get();
    AppendMenuW(menu, MF_STRING, History1, L"Show search &history");
    AppendMenuW(menu, MF_STRING, enahist, L"&Enable search history");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(colors), L"&Background color");
    AppendMenuW(menu, MF_STRING, sbtransp, L"&Transparent");
    AppendMenuW(menu, MF_STRING, stbar, L"Show tas&kbar button");
    AppendMenuW(menu, MF_STRING, Compact1, L"&Compact");
    AppendMenuW(menu, MF_STRING, Suggest1, L"Su&ggestions");
    AppendMenuW(menu, MF_STRING, EngineSuggest1, L"Suggestions &from the engine");
    AppendMenuW(menu, MF_STRING, Engines1, L"E&ngines...");
    AppendMenuW(menu, MF_STRING, Hotkey1, L"H&otkey...");
    AppendMenuW(menu, MF_STRING, StartWithWindows1, L"Start with &Windows");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, About1, L"&About ...");
    AppendMenuW(menu, MF_STRING, Exit1, L"E&xit");
    ingpop.PopupMenu = menu;
}

// "Search engine" (compact) or "More engines" (full) stands after the first separator.
void Tmainform::showEngineMenu() {
    constexpr UINT EngineMenuPosition = 3;
    engines_.showIn(pop_.get(), EngineMenuPosition, state_.compact);
}

// The menu shows the bar's state; it is set when the menu opens, never read back.
void Tmainform::showStateInMenu() const {
    const auto check = [this](MenuId item, bool on) {
        CheckMenuItem(pop_.get(), item, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    check(enahist, state_.historyEnabled);
    check(sbtransp, state_.transparent);
    check(stbar, state_.showTaskbarButton);
    check(Compact1, state_.compact);
    check(Suggest1, state_.suggest);
    check(EngineSuggest1, state_.engineSuggest);
    check(StartWithWindows1, startsWithWindows());  // the registry's word, not the bar's
    engines_.mark(chosenEngine());
}

bool Tmainform::menuChecked(MenuId item) const {
    showStateInMenu();
    const HMENU menu = (item >= Google1 && item <= Wikipedia1) ? engines_.searchEngineMenu() : pop_.get();
    const UINT state = GetMenuState(menu, item, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

// The menu's items; the controls run their own handlers.
void Tmainform::onMenuCommand(UINT id) {
    if (const std::optional<ChosenEngine> engine = engines_.chosenBy(id)) {
        if (const SearchEngine* builtIn = std::get_if<SearchEngine>(&*engine))
            selectEngine(*builtIn);
        else
            selectOwnEngine(std::get<std::size_t>(*engine));
        return;
    }
    switch (id) {
    case History1:
        History1Click();
        break;
    case enahist:
        state_.historyEnabled = !state_.historyEnabled;
        break;
    case Suggest1:
        state_.suggest = !state_.suggest;
        break;
    case EngineSuggest1:
        state_.engineSuggest = !state_.engineSuggest;
        if (!state_.engineSuggest) forgetEngineQuestion();
        break;
    case Engines1:
        context_.command(BarCommand::ShowEngines);
        break;
    case AliceBlue1:
        AliceBlue1Click();
        break;
    case Windowsdefault1:
        Windowsdefault1Click();
        break;
    case sbtransp:
        sbtranspClick();
        break;
    case stbar:
        stbarClick();
        break;
    case Compact1:
        Compact1Click();
        break;
    case About1:
        context_.command(BarCommand::About);
        break;
    case Hotkey1:
        Hotkey1Click();
        break;
    case StartWithWindows1:
        setStartWithWindows(!startsWithWindows());
        break;
    case Exit1:
        Exit1Click();
        break;
    default:
        break;
    }
}

}  // namespace vask
