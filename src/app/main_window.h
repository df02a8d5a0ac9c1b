#pragma once
// Tmainform: the search bar — a narrow borderless window that stays on top,
// with the search field, the choice of service and the popup menu.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/bar_scheme.h"
#include "app/bar_settings.h"
#include "app/color_stream.h"
#include "app/hotkey.h"
#include "controls/grad_button.h"
#include "controls/ing_popup_button.h"
#include "controls/rg_panel.h"
#include "search/query.h"
#include "search/search_request.h"
#include "win/controls.h"
#include "win/handles.h"
#include "win/tooltips.h"
#include "win/window.h"

namespace vask {

class App;

class Tmainform : public win::Window {
public:
    explicit Tmainform(App& app);

    static constexpr int LayoutWidth = 452;
    static constexpr int layoutHeight = 64;  // the bar's full height; compact is 29 less
    static constexpr int CompactReduction = 29;
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
        Hotkey1,
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
    };
    // Each built-in service's radio button, label and menu item follow the services' order.
    static_assert(Wikipedia1 - Google1 + 1 == BuiltInEngineCount && IdCb4 - IdCb1 + 1 == BuiltInEngineCount &&
                  IdLabel3 - IdLabel1 + 1 == BuiltInEngineCount);

    // Controls the other windows and the tests reach.
    win::Edit eurl;
    win::CheckButton cb1, cb2, cb4;  // Google, Bing, Wikipedia
    win::Label Label1, Label2, Label3;
    TGradButton GradButton1, GradButton3;  // "Search", "Advanced Search"
    win::Button sbend;
    TIngPopupButton ingpop;  // opens `pop`
    HMENU pop() const { return pop_.get(); }
    bool menuChecked(MenuId item) const;  // as the menu shows it when it opens
    const BarState& state() const { return state_; }

    // Handlers, named after their control and event.
    void sbGoClick();
    // "add to the table": records the search, with the text of eurl, at the top of the history
    void dodajtabelo(std::string searchText);
    void History1Click();     // "Show search history"
    void GradButton3Click();  // "Advanced Search": pinned lists, then show or hide
    void xexpandClick();      // shows the advanced window docked, or hides it
    void MyMessage();         // the bar moved: a docked advanced window follows
    void FormActivate();
    bool eurlKeyPress(wchar_t key);  // true when the key was taken
    void selectEngine(SearchEngine engine);
    SearchEngine searchEngine() const { return state_.engine; }
    void AliceBlue1Click();
    void Windowsdefault1Click();
    void sbtranspClick();
    void Compact1Click();
    void stbarClick();
    void Exit1Click();
    void handleCopyData(const void* data, size_t size);
    // The hotkey of "vask.cfg", once the bar is shown; says when it cannot be had.
    void registerHotkey();
    void hotkeyPressed();  // calls the bar, or gives the activation back
    void Hotkey1Click();   // "Hotkey...": choose another
    // A search handed over from the command line runs as one typed into eurl
    // with Enter pressed, with its service chosen first when it names one.
    void searchFor(const SearchRequest& request);
    bool handleSearchRequest(const void* data, size_t size);  // false when refused
    void restoreFromMinimised();

    void NastaviBarve();   // applies the light or dark scheme for the background colour
    void nastavivisino();  // applies the compact or full layout from Compact1's check mark

    uint32_t backColor() const { return state_.backColor; }
    void setBackColor(uint32_t color);
    COLORREF resolvedBackColor() const;
    const BarScheme& scheme() const { return scheme_; }
    BYTE alphaValue() const { return alphaValue_; }
    ColorDialogState& colorDialog() { return colorDialog_; }

    // The three saves of closing, in their order, each tried whatever became
    // of the others; the messages of those that failed.
    std::vector<std::string> saveEverything();
    // After each change of the history: "hist.sdf" is saved once the history
    // has stayed unchanged this long, so a crash loses little.
    void scheduleHistorySave();
    static constexpr UINT HistorySaveDelayMs = 2000;

protected:
    void dpiChanged() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void createMenu();
    void layOut();
    void LoadSettings();
    void SaveSettings();
    void loadColorDialog();
    void saveColorDialog();
    // Saves everything; when a save failed, the user chooses whether to close anyway.
    bool mayClose();
    void saveHistoryWhenIdle();
    bool closing_ = false;             // the close's question is on screen
    bool historySavePending_ = false;  // the history's timer runs
    void applyTaskbarButton(bool showButton);
    void makeOpaque();
    void setCompactMenuVisible(bool visible);
    void showStateInMenu() const;
    int barHeight() const;  // full or compact
    void makeHints();
    void paintPanel(HDC dc, const RECT& client);
    bool drawItem(const DRAWITEMSTRUCT& item);
    LRESULT controlColor(HDC dc, HWND control);
    void onCommand(UINT id, UINT code, HWND control);
    std::optional<SearchEngine> engineChosenBy(UINT id, UINT code) const;
    int panelTop() const;

    // The radio button and the label that choose each built-in service, in
    // the services' order, and where they stand (96-DPI units).
    struct EngineChoice {
        win::CheckButton* radio;
        win::Label* label;
        int left, labelWidth;
    };
    const std::array<EngineChoice, BuiltInEngineCount> engineChoices_{{
        {&cb1, &Label1, 101, 62},
        {&cb2, &Label2, 194, 62},
        {&cb4, &Label3, 285, 80},
    }};

    App& app_;
    BarState state_;
    BarHotkey hotkey_;
    BarScheme scheme_;
    BYTE alphaValue_ = TransparentAlpha;
    bool minimised_ = false;
    ColorDialogState colorDialog_;
    std::unique_ptr<TRGPanel> RGPanel1;
    win::Menu pop_;
    HMENU seng_ = nullptr;  // owned by pop_ while shown, by sengOwner_ while hidden
    win::Menu sengOwner_;
    win::Brush backBrush_;
    win::Font font_, eurlFont_;
    win::Tooltips hints_;
    bool hintsMade_ = false;
};

}  // namespace vask
