#pragma once
// Tfext: the advanced search window — the browser, the option lists and the
// three texts that the bar's search puts into the URL. It is owned by the
// bar, wears the bar's colour and docks above or below it.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "advanced/docking.h"
#include "advanced/pins.h"
#include "advanced/caption_window.h"
#include "controls/rg_panel.h"
#include "search/advanced_choice.h"
#include "search/option_texts.h"
#include "win/data_folder.h"
#include "win/controls.h"
#include "win/handles.h"
#include "win/tooltips.h"
#include "win/window.h"

namespace vask {

// What the advanced window shares with the rest of the program.
struct AdvancedContext {
    HWND bar;  // the owner it docks to
    const win::DataFolder& data;
    win::Prompter& prompter;
    // The bar's search text, which a preset keeps.
    std::function<std::string()> searchText;
    std::function<void(std::string_view)> setSearchText;
    std::function<COLORREF()> barColor;  // the window wears it too
    // Enter in one of the texts: the bar's search, as Enter in its field.
    std::function<void()> search;
};

class Tfext : public win::Window {
public:
    explicit Tfext(AdvancedContext context);

    static constexpr int LayoutWidth = 452, LayoutHeight = 434;
    static constexpr BYTE TransparentAlpha = 150;

    // Control IDs, so automation finds the controls.
    enum ControlId : int {
        IdLb = 100,
        IdCb1,
        IdCb2,
        IdCb3,
        IdCb5,
        IdCb6,
        IdEexact,
        IdEexclude,
        IdEdomain,
        IdEfocus,
        IdSb1,
        IdSb2,
        IdSb3,
        IdSb4,
        IdSb100,
        IdSpeedButton1,
        IdSpeedButton2,
        IdSpeedButton3,
        IdSpeedButton4,
        IdSpeedButton5,
        IdSpeedButton6,
        IdLabel1,  // Label1..Label14 follow in order
    };

    // Controls the other windows and the tests reach.
    win::ComboBox lb;        // browsers, sorted by the list itself
    win::ComboBox cb1, cb2;  // interface language, result language
    win::ComboBox cb3;       // country
    win::ComboBox cb5, cb6;  // file type, time period
    win::Edit eexact, eexclude, edomain;
    win::Edit efocus;  // parks the keyboard focus, far outside the visible area
    win::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12,
        Label13, Label14;
    win::Button sb1, sb2, sb3, sb4;  // save, open, clear all, reset
    win::Button sb100;               // close
    win::Button SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, SpeedButton6;  // pins

    // The preset file last opened or saved; "Clear all" forgets it.
    std::wstring openDialogFileName;

    // The save and open dialogs are modal, so they sit behind this seam: it
    // gets the name to pre-fill and returns the chosen path, or nothing on
    // Cancel. It starts as the system's dialogs; tests name the file instead.
    enum class PresetDialog { Save, Open };
    std::function<std::optional<std::wstring>(PresetDialog, const std::wstring& fileName)> chooseFile =
        [this](PresetDialog dialog, const std::wstring& fileName) { return showPresetDialog(dialog, fileName); };

    // "Clear all" (sb3): every list back at its first entry, every text empty.
    void sbGoClick();
    void sb100Click();  // hides the window like the bar's "Advanced Search"; so does Escape
    void textEnter();   // Enter in one of the three texts searches
    void sb1Click();    // saves the options and the search text as a preset
    void sb2Click();    // opens a preset
    void sb4Click();    // "Reset": back to the pinned values, the time period aside
    // Pin button n (1..6) keeps its list's selection in "vask.cfg".
    void SavePin(int n);

    // Rebuilds the browser list from the registry and selects the pinned browser.
    void nalozibrskalnike();
    // Sets the six lists to pinned indices.
    void selectPinned(const PinnedIndices& pins);
    // What the window holds, as the search reads it: the lists' positions and
    // the texts as the controls show them, and whether it is open and docked.
    AdvancedChoice choice() const;
    // The options as shown, and back: each list selects its last entry equal
    // to the text (left as it is when none is).
    OptionTexts shownOptions() const;
    void restore(const OptionTexts& options);
    void focusExact() { eexact.setFocus(); }

    // The bar's "Advanced Search": every press resets the lists to the pinned
    // values (the texts stay), then shows or hides the window.
    void resetToPinsAndToggle();
    // Shown from the bar (hidden by its close button or the bar).
    bool isOpen() const { return open_; }
    // Shows the window docked, or hides it.
    void xexpandClick();
    // The bar moved: a docked window follows it.
    void followBar();
    // Shown from the bar: the browsers are read anew, the window docks.
    void showAtBar();
    // Hidden from the bar; the caption strip goes back under the bar.
    void hideFromBar();
    // Flush against the bar (used while docked).
    void placeAtBar();
    void setTransparent(bool transparent);
    // The strip kept under the bar while this window is hidden.
    const Tfals& captionStrip() const { return fals_; }

    void FormActivate();
    // The colour scheme follows the bar's colour; run at every paint.
    void FormPaint();

protected:
    void dpiChanged() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void fillLists();
    void layOut();
    void WMMove();
    DockGeometry dockGeometry() const;
    void paintPanel(HDC dc, const RECT& client);
    bool drawItem(const DRAWITEMSTRUCT& item);
    LRESULT controlColor(HDC dc, HWND control);
    std::optional<std::wstring> showPresetDialog(PresetDialog dialog, const std::wstring& fileName);
    Preset currentPreset() const;

    AdvancedContext context_;
    bool open_ = false;   // shown from the bar
    bool docked_ = true;  // attached to the bar
    int pinnedBrowserIndex_ = 0;
    Tfals fals_;
    COLORREF backColor_ = 16119285;
    bool bright_ = true;
    std::unique_ptr<TRGPanel> RGPanel1;
    win::Brush backBrush_;
    win::Font font_, titleFont_, editFont_;
    win::Tooltips hints_;
};

}  // namespace vask
