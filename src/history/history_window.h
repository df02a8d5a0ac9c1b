#pragma once
// Tfhist: the search history window — the recorded searches in a list, the
// chosen row's fields in read-only edits, find, navigation, delete, clear,
// and Run, which puts a recorded search back into the bar. It shows the
// program's one search history and follows its every change.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "history/history_record.h"
#include "history/history_rows.h"
#include "history/search_history.h"
#include "win/controls.h"
#include "win/data_folder.h"
#include "win/handles.h"
#include "win/list_view.h"
#include "win/tooltips.h"
#include "win/window.h"

namespace vask {

// What the history window shares with the rest of the program.
struct HistoryContext {
    SearchHistory& history;
    const win::DataFolder& data;
    const IniDocument& startupSettings;  // where the window was left last time
    win::Prompter& prompter;
    HWND bar;  // a minimised bar leaves the stored geometry alone; the bar takes the keys back at close
    // Run: puts the restored search back into the bar and the advanced window.
    std::function<void(const RunRestore&)> run;
};

class Tfhist : public win::Window {
public:
    explicit Tfhist(HistoryContext context);
    ~Tfhist() override;

    // Controls the other windows and the tests reach.
    win::Edit hurl;  // the find text
    win::Button SpeedButton3, SpeedButton7, SpeedButton5, SpeedButton6, SpeedButton8, SpeedButton4, SpeedButton1,
        sbclear;
    win::CheckButton SpeedButton2;                                // "Multi select": stays down while on
    win::Edit e1, e2, e3, e4, e5, e6, e7, e8, e9, e10, e11, e12;  // the chosen row's fields
    win::VirtualListView tabela;

    // The rows the list shows, newest first.
    const HistoryRows& rows() const { return history_.rows(); }
    // "Show search history": shows the window, maximised on its first showing when so stored.
    void Show();

    // Handlers, named after their control and event.
    void FormActivate();
    void FormDeactivate();
    void tabelaClick();  // also on key down and key up in the list
    void tabelaDblClick();
    LRESULT tabelaCustomDrawItem(NMLVCUSTOMDRAW& draw);
    // Typing in the list: the row whose date starts with the typed text, -1 when none.
    LRESULT tabelaDataFind(const NMLVFINDITEMW& find) const;
    void hurlEnter();
    bool hurlKeyPress(wchar_t key);  // true when the key was taken
    void SpeedButton3Click();        // "Search"
    void SpeedButton4Click();        // "Run"
    void SpeedButton1Click();        // "Delete record"
    void SpeedButton2Click();        // "Multi select"
    void SpeedButton7Click();        // "First record"
    void SpeedButton5Click();        // "Prior record"
    void SpeedButton6Click();        // "Next record"
    void SpeedButton8Click();        // "Last record"
    void sbclearClick();             // "Clear all search history"

protected:
    void dpiChanged() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void historyChanged();
    void showHistory();
    void createControls();
    void applyFont();
    void fitColumns();
    void layOut();
    int widthFor(const win::Control& control, int units, int padding) const;
    void limitSize(MINMAXINFO& limits) const;
    void showRow(std::size_t row);
    void goToRow(int row);
    void releaseMultiSelect();
    std::string_view cellText(std::size_t row, int column) const;
    std::optional<LRESULT> tabelaNotify(NMHDR& header);

    HistoryContext context_;
    SearchHistory& history_;
    std::optional<HistoryRecord> shownRecord_;  // the row the detail edits show
    std::array<win::Edit*, 12> details_;
    std::array<win::Label, 13> labels_;  // "Find", then one above each detail edit
    win::Tooltips hints_;
    win::Font font_;
    bool maximiseOnShow_ = false;
    bool listBehind_ = false;   // the history changed while the window was hidden
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
    int minClientWidth_ = 0;    // the find row's width; 0 until the first layout
    bool saveFailing_ = false;  // the last save of the geometry failed, and that was said
    std::string saveFailure_;
};

}  // namespace vask
