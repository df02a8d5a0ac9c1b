#pragma once
// TfEngines: the "Engines..." window — the built-in engines (read only) and
// one's own in a list, the chosen row's name, keyword, URL template and
// suggestions template in four edits, and Add, Change and Remove for one's own; Import fills the
// fields from an OpenSearch description file. Every accepted
// change is saved to [Engines] of "vask.cfg" at once; a change that fails
// its check or its save leaves the file, the list and the typed fields alone.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/own_engines.h"
#include "win/controls.h"
#include "win/data_folder.h"
#include "win/handles.h"
#include "win/list_view.h"
#include "win/prompter.h"
#include "win/window.h"

namespace vask {

// What a change in the window did besides listing the engines anew: a
// Change may give an engine another keyword.
struct EnginesChange {
    std::string renamedFrom, renamedTo;  // both empty when no keyword changed
};

// What the Engines window shares with the rest of the program.
struct EnginesContext {
    HWND bar;  // the owner: the window stays above it and opens on its monitor
    const win::DataFolder& data;
    win::Prompter& prompter;
    const std::vector<OwnEngine>& engines;  // the program's own engines: Show() lists them as they stand
    // One's own engines as the file holds them after a saved change.
    std::function<void(const std::vector<OwnEngine>&, const EnginesChange&)> changed;
};

class TfEngines : public win::Window {
public:
    explicit TfEngines(EnginesContext context);

    win::VirtualListView lvEngines;  // the built-in rows first, then one's own
    win::Edit eName, eKeyword, eTemplate, eSuggestTemplate;
    win::Button bAdd, bChange, bRemove, bImport, bClose;
    // Asks for the OpenSearch file to import (the system's open dialog;
    // tests answer in its place); nothing when the user cancels.
    std::function<std::optional<std::wstring>()> chooseImportFile;

    // Shows the window on the bar's monitor with the program's engines, or
    // brings it to the front.
    void Show();

    // Handlers, named after their control and event.
    void lvEnginesChange(int row);  // the user chose a row
    void bAddClick();
    void bChangeClick();
    void bRemoveClick();
    void bImportClick();
    void bCloseClick();

protected:
    void dpiChanged() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void applyFont();
    void layOut();
    void centreOnBarMonitor();
    int rowCount() const;
    void showEngines(std::optional<int> row);
    void clearFields();
    std::optional<std::wstring> showImportDialog();
    // A cell of the list; the fields show a row's columns in the same order.
    std::string cellText(std::size_t row, int column) const;
    std::optional<int> chosenRow() const;
    std::optional<std::size_t> chosenOwnEngine() const;  // its index in engines_
    void updateButtons();
    OwnEngine typedEngine() const;
    bool acceptable(const OwnEngine& engine, std::optional<std::size_t> editing);
    // Applies a change to the file's [Engines]; the problem that prevents it, or nothing.
    using EnginesEdit = std::function<std::string_view(IniDocument&, std::span<const OwnEngine> inFile)>;
    bool save(const EnginesEdit& edit, const EnginesChange& change);
    std::optional<int> rowOf(std::string_view keyword) const;
    std::optional<LRESULT> lvEnginesNotify(NMHDR& header);

    EnginesContext context_;
    std::vector<OwnEngine> engines_;  // as the file holds them, in the list's order after the built-in rows
    win::Control lName_, lKeyword_, lTemplate_, lSuggestTemplate_;  // their access keys move to the edit after them
    struct Field {
        win::Control* label;
        win::Edit* edit;
        const char* caption;
    };
    const std::array<Field, 4> fields_;  // in the list's column order, the suggestions template after them
    win::Font font_;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
};

}  // namespace vask
