#include "engines/engines_window.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "search/keyword_search.h"
#include "search/opensearch.h"
#include "search/query.h"
#include "win/file_dialogs.h"
#include "win/files.h"
#include "win/fonts.h"
#include "win/opensearch_file.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"TfEngines";
constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;

// Close is the window's cancel button, so Escape presses it too.
enum ControlId : int {
    IdList = 10,
    IdName,
    IdKeyword,
    IdTemplate,
    IdSuggestTemplate,
    IdAdd,
    IdChange,
    IdRemove,
    IdImport,
    IdClose = IDCANCEL
};
// The suggestions template is a field without a column of its own in the list.
enum Column : int { NameColumn, KeywordColumn, TemplateColumn, SuggestTemplateColumn };

// The layout, in 96-DPI units: the list, a row per field, the buttons.
constexpr int ClientWidth = 460, ClientHeight = 343;
constexpr int Margin = 8, ListHeight = 180, FieldTop = 196, FieldStep = 27, LabelWidth = 116, EditHeight = 21;
constexpr int ButtonTop = 310, ButtonWidth = 75, ButtonHeight = 25, ButtonGap = 6;
constexpr std::pair<std::string_view, int> Columns[] = {{"Name", 120}, {"Keyword", 90}, {"URL template", 210}};

constexpr std::string_view BuiltInTemplate = "(built in)";
constexpr std::string_view KeywordTakenInFile = "Another engine in vask.cfg has this keyword.";

// Blanks around a field are not part of it, as when the file is read.
std::string withoutBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

BOOL CALLBACK setFontOf(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

}  // namespace

TfEngines::TfEngines(EnginesContext context)
    : context_(std::move(context)),
      engines_(context_.engines),
      fields_{{{&lName_, &eName, "&Name:"},
               {&lKeyword_, &eKeyword, "&Keyword:"},
               {&lTemplate_, &eTemplate, "&URL template:"},
               {&lSuggestTemplate_, &eSuggestTemplate, "&Suggestions template:"}}} {
    setPrompter(context_.prompter);
    registerClass(ClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    useDpiOf(context_.bar);
    create(ClassName, L"Engines", Style, ExStyle, 0, 0, 0, 0, context_.bar);
    createControls();
    applyFont();
    layOut();
    showEngines(std::nullopt);
}

// Made in Tab order: the list, each field after its label, the buttons.
void TfEngines::createControls() {
    const HWND parent = hwnd();
    lvEngines.create(parent, IdList, LVS_SINGLESEL, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (const auto& [caption, width] : Columns) lvEngines.addColumn(caption, scaled(width));
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
        fields_[i].label->create(parent, L"STATIC", fields_[i].caption, WS_VISIBLE, 0);
        fields_[i].edit->create(parent, IdName + i, WS_BORDER);
    }
    bAdd.create(parent, "&Add", IdAdd);
    bChange.create(parent, "&Change", IdChange);
    bRemove.create(parent, "&Remove", IdRemove);
    bImport.create(parent, "&Import...", IdImport);
    bClose.create(parent, "C&lose", IdClose);

    lvEngines.onNotify = [this](NMHDR& header) { return lvEnginesNotify(header); };
    bAdd.onClick = [this] { bAddClick(); };
    bChange.onClick = [this] { bChangeClick(); };
    bRemove.onClick = [this] { bRemoveClick(); };
    bImport.onClick = [this] { bImportClick(); };
    chooseImportFile = [this] { return showImportDialog(); };
    bClose.onClick = [this] { bCloseClick(); };
}

// One font for every control, at the window's DPI.
void TfEngines::applyFont() {
    win::Font font = win::uiFont(8, dpi());
    EnumChildWindows(hwnd(), &setFontOf, reinterpret_cast<LPARAM>(font.get()));
    font_ = std::move(font);  // the old font is freed only once nothing uses it
}

void TfEngines::layOut() {
    RECT frame{0, 0, scaled(ClientWidth), scaled(ClientHeight)};
    AdjustWindowRectEx(&frame, Style, FALSE, ExStyle);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int width = scaled(ClientWidth - 2 * Margin);
    lvEngines.setBounds(scaled(Margin), scaled(Margin), width, scaled(ListHeight));
    for (std::size_t column = 0; column < std::size(Columns); ++column)
        SendMessageW(lvEngines.hwnd(), LVM_SETCOLUMNWIDTH, column, scaled(Columns[column].second));
    const int editLeft = Margin + LabelWidth + 4;
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
        const int top = FieldTop + i * FieldStep;
        fields_[i].label->setBounds(scaled(Margin), scaled(top + 3), scaled(LabelWidth), scaled(EditHeight - 4));
        fields_[i].edit->setBounds(scaled(editLeft), scaled(top), scaled(ClientWidth - Margin - editLeft),
                                   scaled(EditHeight));
    }
    int left = Margin;
    for (win::Button* button : {&bAdd, &bChange, &bRemove, &bImport}) {
        button->setBounds(scaled(left), scaled(ButtonTop), scaled(ButtonWidth), scaled(ButtonHeight));
        left += ButtonWidth + ButtonGap;
    }
    bClose.setBounds(scaled(ClientWidth - Margin - ButtonWidth), scaled(ButtonTop), scaled(ButtonWidth),
                     scaled(ButtonHeight));
}

void TfEngines::centreOnBarMonitor() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(context_.bar, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const RECT frame = windowRect();
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfEngines::Show() {
    engines_ = context_.engines;
    if (!isVisible()) {
        showEngines(std::nullopt);
        clearFields();
        lastFocus_ = nullptr;
        centreOnBarMonitor();
        ShowWindow(hwnd(), SW_SHOW);
    } else {
        showEngines(chosenRow());
    }
    SetForegroundWindow(hwnd());
}

int TfEngines::rowCount() const { return static_cast<int>(BuiltInEngineCount + engines_.size()); }

// The list shows engines_ with `row` chosen, or no row.
void TfEngines::showEngines(std::optional<int> row) {
    lvEngines.setCount(static_cast<std::size_t>(rowCount()));
    if (row && *row < rowCount())
        lvEngines.selectOnly(*row);
    else
        lvEngines.clearSelection();
    updateButtons();
}

std::string TfEngines::cellText(std::size_t row, int column) const {
    if (row < BuiltInEngineCount) {
        const auto engine = static_cast<SearchEngine>(row);
        if (column == NameColumn) return std::string(engineRow(engine).name);
        return std::string(column == KeywordColumn ? builtInKeyword(engine) : BuiltInTemplate);
    }
    if (row - BuiltInEngineCount >= engines_.size()) return {};
    const OwnEngine& engine = engines_[row - BuiltInEngineCount];
    switch (column) {
    case NameColumn:
        return engine.name;
    case KeywordColumn:
        return engine.keyword;
    case TemplateColumn:
        return engine.urlTemplate;
    case SuggestTemplateColumn:
        return engine.suggestTemplate;
    default:
        return {};
    }
}

std::optional<int> TfEngines::chosenRow() const {
    const int row = lvEngines.firstSelected();
    return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

std::optional<std::size_t> TfEngines::chosenOwnEngine() const {
    const int row = lvEngines.firstSelected();
    if (row < static_cast<int>(BuiltInEngineCount) || row >= rowCount()) return std::nullopt;
    return static_cast<std::size_t>(row) - BuiltInEngineCount;
}

// The built-in engines are read only.
void TfEngines::updateButtons() {
    const bool own = chosenOwnEngine().has_value();
    if (!own && (bChange.focused() || bRemove.focused())) lvEngines.setFocus();
    bChange.setEnabled(own);
    bRemove.setEnabled(own);
}

void TfEngines::lvEnginesChange(int row) {
    for (int column = 0; column < static_cast<int>(fields_.size()); ++column)
        fields_[column].edit->setText(cellText(static_cast<std::size_t>(row), column));
}

void TfEngines::clearFields() {
    for (const Field& field : fields_) field.edit->setText("");
}

OwnEngine TfEngines::typedEngine() const {
    return {withoutBlanks(eKeyword.text()), withoutBlanks(eName.text()), withoutBlanks(eTemplate.text()),
            withoutBlanks(eSuggestTemplate.text())};
}

// Says what is wrong with the first field that fails its check and puts the
// caret there; the typed fields stay as they are.
bool TfEngines::acceptable(const OwnEngine& engine, std::optional<std::size_t> editing) {
    const std::string_view problem = engineProblem(engine, engines_, editing);
    if (problem.empty()) return true;
    context_.prompter.ask(hwnd(), std::string(problem), "Vask", MB_OK | MB_ICONWARNING);
    win::Edit& field = !keywordProblem(engine.keyword).empty()                   ? eKeyword
                       : !nameProblem(engine.name).empty()                       ? eName
                       : !templateProblem(engine.urlTemplate).empty()            ? eTemplate
                       : !suggestTemplateProblem(engine.suggestTemplate).empty() ? eSuggestTemplate
                                                                                 : eKeyword;
    field.setFocus();
    SendMessageW(field.hwnd(), EM_SETSEL, 0, -1);
    return false;
}

// Makes one change to [Engines] of the file as it stands now (another copy
// or the user may have changed it meanwhile), keeping every other line; a
// file that cannot be read is not overwritten. `edit` says what is wrong
// instead when the file's engines do not allow the change. The window then
// lists the engines the file holds.
bool TfEngines::save(const EnginesEdit& edit, const EnginesChange& change) {
    try {
        IniDocument settings = context_.data.readSettings();
        if (const std::string_view problem = edit(settings, readOwnEngines(settings).engines); !problem.empty()) {
            context_.prompter.ask(hwnd(), std::string(problem), "Vask", MB_OK | MB_ICONWARNING);
            return false;
        }
        context_.data.writeSettings(settings);
        engines_ = readOwnEngines(settings).engines;
    } catch (const std::exception& error) {
        context_.prompter.ask(hwnd(), std::string("The engines were not saved.\n") + error.what(), "Vask",
                              MB_OK | MB_ICONERROR);
        return false;
    }
    if (context_.changed) context_.changed(engines_, change);
    return true;
}

std::optional<int> TfEngines::rowOf(std::string_view keyword) const {
    for (std::size_t i = 0; i < engines_.size(); ++i)
        if (sameKeyword(engines_[i].keyword, keyword)) return static_cast<int>(BuiltInEngineCount + i);
    return std::nullopt;
}

void TfEngines::bAddClick() {
    const OwnEngine engine = typedEngine();
    if (!acceptable(engine, std::nullopt)) return;
    const auto add = [&engine](IniDocument& settings, std::span<const OwnEngine> inFile) -> std::string_view {
        if (keywordTaken(engine.keyword, inFile)) return KeywordTakenInFile;
        addOwnEngine(settings, engine);
        return {};
    };
    if (save(add, {})) showEngines(rowOf(engine.keyword));
}

void TfEngines::bChangeClick() {
    const auto index = chosenOwnEngine();
    if (!index) return;
    const OwnEngine engine = typedEngine();
    if (!acceptable(engine, index)) return;
    const std::string keyword = engines_[*index].keyword;
    const auto change = [&](IniDocument& settings, std::span<const OwnEngine> inFile) -> std::string_view {
        const auto same = [&](const OwnEngine& e) { return sameKeyword(e.keyword, keyword); };
        const auto editing = std::find_if(inFile.begin(), inFile.end(), same);
        if (keywordTaken(engine.keyword, inFile,
                         editing == inFile.end()
                             ? std::nullopt
                             : std::optional<std::size_t>(static_cast<std::size_t>(editing - inFile.begin()))))
            return KeywordTakenInFile;
        changeOwnEngine(settings, keyword, engine);
        return {};
    };
    if (save(change, {keyword, engine.keyword})) showEngines(rowOf(engine.keyword));
}

void TfEngines::bRemoveClick() {
    const auto index = chosenOwnEngine();
    if (!index) return;
    const std::string keyword = engines_[*index].keyword;
    const auto remove = [&keyword](IniDocument& settings, std::span<const OwnEngine>) -> std::string_view {
        removeOwnEngine(settings, keyword);
        return {};
    };
    if (!save(remove, {})) return;
    lvEngines.setFocus();
    showEngines(std::nullopt);
    clearFields();
}

std::optional<std::wstring> TfEngines::showImportDialog() {
    const win::FileDialogSetup setup{L"OpenSearch description (*.xml)\0*.xml\0All files\0*.*\0", L"xml", {}, {}};
    return win::askOpenFileName(hwnd(), setup);
}

// The file's engine fills the name and template fields for the user to give
// it a keyword and add it; a file that makes no engine is named with every
// reason, and nothing changes.
void TfEngines::bImportClick() {
    OpenSearchImport imported;
    try {
        const auto path = chooseImportFile();
        if (!path) return;
        imported = engineFromOpenSearch(win::readOpenSearchFile(*path));
        if (!imported.problems.empty()) {
            std::string message = win::quotedName(*path) + " cannot be imported:";
            for (const std::string& problem : imported.problems) message += "\n- " + problem;
            context_.prompter.ask(hwnd(), message, "Vask", MB_OK | MB_ICONWARNING);
            return;
        }
    } catch (const std::exception& error) {
        context_.prompter.ask(hwnd(), std::string("The engine was not imported.\n") + error.what(), "Vask",
                              MB_OK | MB_ICONWARNING);
        return;
    }
    lvEngines.clearSelection();
    updateButtons();
    eName.setText(imported.name);
    eKeyword.setText("");
    eTemplate.setText(imported.urlTemplate);
    eSuggestTemplate.setText(imported.suggestTemplate);
    eKeyword.setFocus();
}

// The window lives as long as the program: closing only hides it.
void TfEngines::bCloseClick() { ShowWindow(hwnd(), SW_HIDE); }

std::optional<LRESULT> TfEngines::lvEnginesNotify(NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
        win::answerText(info, cellText(static_cast<std::size_t>(info.item.iItem), info.item.iSubItem));
        return 0;
    }
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (change.iItem >= 0 && (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
            lvEnginesChange(change.iItem);
        updateButtons();
        return 0;
    }
    default:
        return std::nullopt;
    }
}

void TfEngines::dpiChanged() {
    applyFont();
    layOut();
}

LRESULT TfEngines::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        // The focus goes back where it was when the window was left.
        if (LOWORD(wParam) == WA_INACTIVE)
            lastFocus_ = GetFocus();
        else
            SetFocus(lastFocus_ && IsChild(hwnd(), lastFocus_) ? lastFocus_ : lvEngines.hwnd());
        return 0;
    case WM_NEXTDLGCTL: {
        // A label's access key: the dialog manager asks for the control after it.
        const HWND next =
            LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd(), GetFocus(), wParam != 0);
        if (next) SetFocus(next);
        if (next && (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) SendMessageW(next, EM_SETSEL, 0, -1);
        return 0;
    }
    case WM_CLOSE:
        bCloseClick();
        return 0;
    default:
        return defaultProcedure(message, wParam, lParam);
    }
}

}  // namespace vask
