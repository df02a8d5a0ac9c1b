#pragma once
// Tmainform: the search bar — a narrow borderless window that stays on top,
// with the search field, the choice of service and the popup menu.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bar/bar_context.h"
#include "bar/bar_layout.h"
#include "bar/bar_scheme.h"
#include "bar/bar_settings.h"
#include "bar/color_file.h"
#include "bar/color_stream.h"
#include "bar/engine_menu.h"
#include "bar/engine_suggester.h"
#include "bar/hotkey.h"
#include "bar/suggestion_list.h"
#include "controls/grad_button.h"
#include "controls/image.h"
#include "controls/ing_popup_button.h"
#include "controls/rg_panel.h"
#include "search/query.h"
#include "search/search_plan.h"
#include "search/search_request.h"
#include "win/controls.h"
#include "win/handles.h"
#include "win/tooltips.h"
#include "win/window.h"

namespace vask {

class Tmainform : public win::Window {
public:
    explicit Tmainform(BarContext context);

    static constexpr int LayoutWidth = BarLayout::Width;
    static constexpr int layoutHeight = BarLayout::FullHeight;  // compact is BarLayout::CompactReduction less
    static constexpr BYTE TransparentAlpha = 150;

    // Menu items of `pop`; their check marks show the bar's state.
    enum MenuId : UINT {
        History1 = 100,
        enahist,
        Google1,
        Bing1,
        Wikipedia1,
        AliceBlue1,
        Windowsdefault1,
        sbtransp,
        stbar,
        Compact1,
        About1,
        Exit1,
        Engines1,              // "Engines..."
        Suggest1,              // "Suggestions"
        Hotkey1,               // "Hotkey..."
        StartWithWindows1,     // "Start with Windows": the user's Run entry
        EngineSuggest1,        // "Suggestions from the engine"
        FirstOwnEngine = 300,  // one's own engines follow, in their order
    };
    // Control IDs, so automation finds the controls.
    enum ControlId : int {
        IdEurl = 10,
        IdCb1,
        IdCb2,
        IdCb4,
        IdLabel1,
        IdLabel2,
        IdLabel3,
        IdGradButton1,
        IdGradButton3,
        IdSbend,
        IdIngpop,
        IdImage1,
    };
    // Each built-in service's radio button, label and menu item follow the services' order.
    static_assert(Wikipedia1 - Google1 + 1 == BuiltInEngineCount && IdCb4 - IdCb1 + 1 == BuiltInEngineCount &&
                  IdLabel3 - IdLabel1 + 1 == BuiltInEngineCount);

    // The search field's text.
    std::string searchText() const { return eurl.text(); }
    void setSearchText(std::string_view text);

    // Controls the tests reach.
    win::Edit eurl;
    win::CheckButton cb1, cb2, cb4;  // Google, Bing, Wikipedia
    win::Label Label1, Label2, Label3;
    TGradButton GradButton1, GradButton3;  // "Search", "Advanced Search"
    win::Button sbend;
    TIngPopupButton ingpop;  // opens `pop`
    TImage Image1;           // the logo, for screen readers: made when one first asks
    HMENU pop() const { return pop_.get(); }
    bool menuChecked(MenuId item) const;  // as the menu shows it when it opens
    const BarState& state() const { return state_; }
    // The earlier searches offered under the field; null until the first.
    const SuggestionList* suggestionList() const { return suggestionList_.get(); }

    // Handlers, named after their control and event.
    void sbGoClick();
    // The search in the browser's private window: never recorded, never suggested.
    void searchPrivately();
    void searchOrSearchPrivately();  // Enter or Search: privately while Shift is held
    // "add to the table": records the search at the top of the history, with
    // the text of eurl and the engine it went to (the bar's when none is given)
    void dodajtabelo(std::string searchText);
    void dodajtabelo(std::string searchText, std::optional<SearchEngine> engine);
    void History1Click();     // "Show search history"
    void GradButton3Click();  // "Advanced Search": pinned lists, then show or hide
    void MyMessage();         // the bar moved: a docked advanced window follows
    void FormActivate();
    bool eurlKeyPress(wchar_t key);  // true when the key was taken
    void selectEngine(SearchEngine engine);
    SearchEngine searchEngine() const { return state_.engine; }
    // One of one's own engines, by its place in their list, until another is chosen.
    void selectOwnEngine(std::size_t index);
    ChosenEngine chosenEngine() const;
    std::optional<std::size_t> chosenOwnEngine() const;  // its place in their list
    // The Engines window changed one's own engines: the menus follow, and the
    // bar's choice follows a keyword that changed.
    void ownEnginesChanged(std::string_view renamedFrom = {}, std::string_view renamedTo = {});
    void AliceBlue1Click();
    void Windowsdefault1Click();
    void sbtranspClick();
    void Compact1Click();
    void stbarClick();
    void Exit1Click();
    // Another program asks for the bar: fully opaque, in front, the field focused.
    void comeForward();
    // The hotkey of "vask.cfg", once the bar is shown; says when it cannot be had.
    void registerHotkey();
    void hotkeyPressed();  // calls the bar, or gives the activation back
    void Hotkey1Click();   // "Hotkey...": choose another
    void saveHotkey();     // the chosen hotkey into "vask.cfg"
    // A search handed over from the command line runs as one typed into eurl
    // with Enter pressed, with its service chosen first when it names one.
    void searchFor(const SearchRequest& request);
    void restoreFromMinimised();

    void NastaviBarve();   // applies the light or dark scheme for the background colour
    void nastavivisino();  // applies the compact or full layout from Compact1's check mark

    uint32_t backColor() const { return state_.backColor; }
    void setBackColor(uint32_t color);
    COLORREF resolvedBackColor() const;
    const BarScheme& scheme() const { return scheme_; }
    BYTE alphaValue() const { return alphaValue_; }
    ColorDialogState& colorDialog() { return colorDialog_; }

    // The bar's keys of "vask.cfg" and the colour dialog's "color.cld", as
    // the close saves them; each throws with the file's name and the reason.
    void SaveSettings();
    void saveColorDialog();
    // The bar's own message, posted by the engine's worker when a reply is ready to take.
    static constexpr UINT EngineReplied = WM_APP + 3;
    // The pause after the last key before the engine is asked.
    static constexpr UINT EngineSuggestDelayMs = 100;

protected:
    void dpiChanged() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void createMenu();
    void setFonts();
    void layOut();
    void LoadSettings();
    // While "vask.cfg" could not be read: what the bar started from, and
    // whether the file's switches were read since (bar_unread_settings.cpp).
    std::optional<BarState> unreadStart_;
    bool unreadLearned_ = false;
    void startUnread();
    void learnUnreadSettings();
    void saveUnreadSettings();
    void loadColorDialog();
    void applyTaskbarButton(bool showButton);
    void makeOpaque();
    void showEngineMenu();
    void showStateInMenu() const;
    int barHeight() const;  // full or compact
    void makeHints();
    void makeLogoControl();
    void paintPanel(HDC dc, const RECT& client);
    bool drawItem(const DRAWITEMSTRUCT& item);
    LRESULT controlColor(HDC dc, HWND control);
    void onMenuCommand(UINT id);
    std::optional<SearchPlan> planCurrentSearch();
    void eurlChanged();
    enum class KeepHighlight { no, yes };
    void updateSuggestions(KeepHighlight keep = KeepHighlight::no);
    void hideSuggestions();
    bool suggestionKey(WPARAM key);  // true when the list took the key
    bool reopenSuggestions();
    // Completions from the engine (bar_engine_suggestions.cpp): asked a
    // moment after the last key, shown when the reply is still for the field's text.
    void scheduleEngineSuggestions();
    void askEngine();
    void engineReplied();
    void forgetEngineQuestion();
    std::unique_ptr<EngineSuggester> engineSuggester_;  // made with the first question
    std::string askedFor_;                              // the typed text of the question out; empty: none
    EngineReply engineReply_;                           // the completions shown for engineReply_.typed
    std::string keywordPrefix_;                         // "!kw " of the question out, before each completion
    static constexpr UINT_PTR EngineSuggestTimer = 2;
    void showChosenEngine();

    // The radio button and the label that choose each built-in service, in the services' order.
    struct EngineChoice {
        win::CheckButton* radio;
        win::Label* label;
    };
    const std::array<EngineChoice, BuiltInEngineCount> engineChoices_{{
        {&cb1, &Label1},
        {&cb2, &Label2},
        {&cb4, &Label3},
    }};

    BarContext context_;
    BarState state_;
    BarHotkey hotkey_;
    BarScheme scheme_;
    BYTE alphaValue_ = TransparentAlpha;
    bool minimised_ = false;
    ColorDialogState colorDialog_;
    ColorFile colorFile_;
    std::unique_ptr<TRGPanel> RGPanel1;
    win::Menu pop_;
    EngineMenu engines_{{Google1, FirstOwnEngine}};  // gone before pop_, which shows one of its menus
    win::Brush backBrush_;
    win::Font font_, eurlFont_;
    win::Tooltips hints_;
    bool hintsMade_ = false;
    std::unique_ptr<SuggestionList> suggestionList_;
    std::string typed_;                       // what the user typed, before moving through the list
    void showInField(std::string_view text);  // without suggesting anything for it
    bool settingText_ = false;                // the program, not the user, writes the field
    bool escapeClosedList_ = false;
};

}  // namespace vask
