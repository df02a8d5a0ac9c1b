#include "history/history_window.h"

#include <uxtheme.h>

#include <algorithm>
#include <utility>

#include "history/history_geometry.h"
#include "win/dpi.h"
#include "win/fonts.h"
#include "win/text.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"Tfhist";

enum ControlId : int {
    IdHurl = 10,
    IdSpeedButton3,
    IdSpeedButton7,
    IdSpeedButton5,
    IdSpeedButton6,
    IdSpeedButton8,
    IdSpeedButton4,
    IdSpeedButton2,
    IdSpeedButton1,
    IdSbclear,
    IdTabela,
    IdFirstDetail,
    IdFirstLabel = IdFirstDetail + 20,
};

constexpr int Maximised = 2;

// Posted to report a failed save of the geometry once the activation change is over.
constexpr UINT ReportSaveFailure = WM_APP + 1;

// The upper panel, in 96-DPI units: the find row, the button row, then the
// detail edits with their labels above them, six to a row in a wide window
// and fewer in a narrow one, so that every caption shows whole.
constexpr int Margin = 8, Gap = 4;
constexpr int FindTop = 8, ButtonTop = 38, ButtonHeight = 24;
constexpr int FindWidth = 240, DetailGap = 8, DetailStep = 44, PanelBottomGap = 4;
constexpr int LabelHeight = 15, EditHeight = 21, MinDetailWidth = 110;
constexpr int DetailsPerRow[] = {6, 4, 3, 2, 1};  // each divides the twelve details evenly
constexpr int ButtonPadding = 16, LabelPadding = 2;
constexpr int ColumnCaptionPadding = 16;  // the heading's margins on both sides of its text

constexpr std::array<std::string_view, 12> DetailCaptions{
    "Date",           "Time",
    "Search",         "Exact word or phrase",
    "Exclude a word", "Search within a site or domain",
    "File type",      "Browser",
    "Interface",      "Country",
    "Language",       "Time Period",
};

BOOL CALLBACK setFontOf(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

}  // namespace

Tfhist::Tfhist(HistoryContext context)
    : context_(std::move(context)), history_(context_.history), details_{&e1, &e2, &e3, &e4,  &e5,  &e6,
                                                                         &e7, &e8, &e9, &e10, &e11, &e12} {
    setPrompter(context_.prompter);
    registerClass(ClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    create(ClassName, L"Vask - History", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, CW_USEDEFAULT, CW_USEDEFAULT,
           scaled(800), scaled(600), nullptr);
    createControls();
    FormCreate();
    showHistory();
    history_.onChange = [this] { historyChanged(); };
}

Tfhist::~Tfhist() { history_.onChange = nullptr; }

void Tfhist::createControls() {
    const HWND parent = hwnd();
    labels_[0].create(parent, "Find", IdFirstLabel);
    hurl.create(parent, IdHurl, WS_BORDER);
    // Alt and the underlined letter press a button; in the list, the letter alone.
    SpeedButton3.create(parent, "&Search", IdSpeedButton3);
    SpeedButton7.create(parent, "&First record", IdSpeedButton7);
    SpeedButton5.create(parent, "&Prior record", IdSpeedButton5);
    SpeedButton6.create(parent, "&Next record", IdSpeedButton6);
    SpeedButton8.create(parent, "&Last record", IdSpeedButton8);
    SpeedButton4.create(parent, "&Run", IdSpeedButton4);
    SpeedButton2.create(parent, "&Multi select", IdSpeedButton2, BS_AUTOCHECKBOX | BS_PUSHLIKE);
    SpeedButton1.create(parent, "&Delete record", IdSpeedButton1);
    sbclear.create(parent, "&Clear all search history", IdSbclear);
    for (std::size_t i = 0; i < details_.size(); ++i) {
        labels_[i + 1].create(parent, DetailCaptions[i], IdFirstLabel + 1 + static_cast<int>(i));
        details_[i]->create(parent, IdFirstDetail + static_cast<int>(i), WS_BORDER);
        details_[i]->setReadOnly(true);
    }

    // Hot tracking: a row the mouse rests on becomes the selected row.
    tabela.create(parent, IdTabela, LVS_SINGLESEL,
                  LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT | LVS_EX_DOUBLEBUFFER);
    SetWindowTheme(tabela.hwnd(), L"Explorer", nullptr);
    SendMessageW(tabela.hwnd(), LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    for (const HistoryColumn& column : HistoryColumns) tabela.addColumn(column.caption, 0);  // sized by fitColumns

    const std::pair<win::Control*, void (Tfhist::*)()> clicks[] = {{&SpeedButton3, &Tfhist::SpeedButton3Click},
                                                                   {&SpeedButton7, &Tfhist::SpeedButton7Click},
                                                                   {&SpeedButton5, &Tfhist::SpeedButton5Click},
                                                                   {&SpeedButton6, &Tfhist::SpeedButton6Click},
                                                                   {&SpeedButton8, &Tfhist::SpeedButton8Click},
                                                                   {&SpeedButton4, &Tfhist::SpeedButton4Click},
                                                                   {&SpeedButton2, &Tfhist::SpeedButton2Click},
                                                                   {&SpeedButton1, &Tfhist::SpeedButton1Click},
                                                                   {&sbclear, &Tfhist::sbclearClick}};
    for (const auto& [button, click] : clicks) button->onClick = [this, click = click] { (this->*click)(); };
    tabela.onNotify = [this](NMHDR& header) { return tabelaNotify(header); };

    hints_.create(parent);
    hints_.add(SpeedButton3.hwnd(), L"Search");

    hurl.setMessageHook([this](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        // Enter belongs to the find, not to dialog navigation.
        if (message == WM_GETDLGCODE && lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
            return DLGC_WANTALLKEYS;
        if (message == WM_CHAR && hurlKeyPress(static_cast<wchar_t>(wParam))) return 0;
        // Entered from another control of this window (not on activation alone).
        const HWND previous = reinterpret_cast<HWND>(wParam);
        if (message == WM_SETFOCUS && previous && previous != hurl.hwnd() && IsChild(hwnd(), previous)) hurlEnter();
        return std::nullopt;
    });
    tabela.setMessageHook([this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_KEYUP) tabelaClick();  // the key has moved the selection by now
        return std::nullopt;
    });
    applyFont();
    layOut();
}

// One font for every control, at the window's DPI.
void Tfhist::applyFont() {
    win::Font font = win::uiFont(8, dpi());
    EnumChildWindows(hwnd(), &setFontOf, reinterpret_cast<LPARAM>(font.get()));
    font_ = std::move(font);  // the old font is freed only once nothing uses it
    fitColumns();
}

// Each column its own width at this DPI, and never narrower than its caption
// in the list's font, so that no heading is cut short ("Wikipedia", not "Wiki...").
void Tfhist::fitColumns() {
    for (std::size_t i = 0; i < HistoryColumns.size(); ++i) {
        const HistoryColumn& column = HistoryColumns[i];
        const std::wstring caption = win::toWide(column.caption);
        const int captionWidth = static_cast<int>(
            SendMessageW(tabela.hwnd(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(caption.c_str())));
        const int width = std::max(scaled(column.width == DefaultColumnWidth ? 50 : column.width),
                                   captionWidth + scaled(ColumnCaptionPadding));
        SendMessageW(tabela.hwnd(), LVM_SETCOLUMNWIDTH, i, MAKELPARAM(width, 0));
    }
}

// At least `units` wide, and wide enough for the control's caption in its font.
int Tfhist::widthFor(const win::Control& control, int units, int padding) const {
    return std::max(scaled(units), static_cast<int>(control.textExtent().cx) + scaled(padding));
}

void Tfhist::layOut() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int margin = scaled(Margin), gap = scaled(Gap), right = client.right - margin;

    int x = margin;
    const int findWidth = widthFor(labels_[0], 28, LabelPadding);
    labels_[0].setBounds(x, scaled(FindTop + 3), findWidth, scaled(LabelHeight));
    x += findWidth + gap;
    hurl.setBounds(x, scaled(FindTop), scaled(FindWidth), scaled(EditHeight));
    x += scaled(FindWidth) + gap;
    const int searchWidth = widthFor(SpeedButton3, 70, ButtonPadding);
    SpeedButton3.setBounds(x, scaled(FindTop - 1), searchWidth, scaled(ButtonHeight - 1));
    minClientWidth_ = x + searchWidth + margin;  // the widest thing that does not wrap

    // The buttons go on in a new row where the window ends.
    int top = scaled(ButtonTop);
    x = margin;
    const std::pair<win::Control*, int> buttons[] = {{&SpeedButton7, 86}, {&SpeedButton5, 86}, {&SpeedButton6, 86},
                                                     {&SpeedButton8, 86}, {&SpeedButton4, 70}, {&SpeedButton2, 86},
                                                     {&SpeedButton1, 90}, {&sbclear, 160}};
    for (const auto& [button, units] : buttons) {
        const int width = widthFor(*button, units, ButtonPadding);
        if (x > margin && x + width > right) {
            x = margin;
            top += scaled(ButtonHeight + Gap);
        }
        button->setBounds(x, top, width, scaled(ButtonHeight));
        x += width + gap;
    }
    top += scaled(ButtonHeight + DetailGap);

    int minCell = scaled(MinDetailWidth);
    for (std::size_t i = 1; i < labels_.size(); ++i)
        minCell = std::max(minCell, widthFor(labels_[i], 0, LabelPadding) + gap);
    const int* perRow = std::find_if(std::begin(DetailsPerRow), std::end(DetailsPerRow),
                                     [&](int count) { return count * minCell <= right - margin; });
    const int columns = perRow == std::end(DetailsPerRow) ? 1 : *perRow;
    const int cell = std::max(minCell, (right - margin) / columns);
    for (std::size_t i = 0; i < details_.size(); ++i) {
        const int left = margin + static_cast<int>(i) % columns * cell;
        const int labelTop = top + static_cast<int>(i) / columns * scaled(DetailStep);
        labels_[i + 1].setBounds(left, labelTop, cell - gap, scaled(LabelHeight));
        details_[i]->setBounds(left, labelTop + scaled(LabelHeight + 1), cell - gap, scaled(EditHeight));
    }
    const int rows = static_cast<int>(details_.size()) / columns;
    const int panelHeight = top + rows * scaled(DetailStep) + scaled(PanelBottomGap);
    tabela.setBounds(0, panelHeight, client.right, std::max(0, static_cast<int>(client.bottom) - panelHeight));
}

// The window is never narrower than the find row.
void Tfhist::limitSize(MINMAXINFO& limits) const {
    if (!minClientWidth_) return;  // not laid out yet
    RECT frame{0, 0, minClientWidth_, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)));
    limits.ptMinTrackSize.x = std::max(limits.ptMinTrackSize.x, frame.right - frame.left);
}

// Size, position and state from "VelikostH".
void Tfhist::FormCreate() {
    const ScreenSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HistoryGeometry geometry = loadHistoryGeometry(context_.startupSettings, screen, static_cast<int>(dpi()));
    // Reachable before the system places it: the system moves a rectangle
    // wholly off the screen in its own way, which would hide it from the rule.
    const Point corner = keepHistoryWindowOnScreen(geometry.left, geometry.top, screen);
    geometry.left = corner.x;
    geometry.top = corner.y;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_HIDE;
    placement.rcNormalPosition = {geometry.left, geometry.top, geometry.left + geometry.width,
                                  geometry.top + geometry.height};
    SetWindowPlacement(hwnd(), &placement);
    maximiseOnShow_ = geometry.status == Maximised;
}

void Tfhist::Show() {
    if (std::exchange(listBehind_, false)) showHistory();
    if (!isVisible())
        ShowWindow(hwnd(), std::exchange(maximiseOnShow_, false) ? SW_SHOWMAXIMIZED : SW_SHOW);
    else if (IsIconic(hwnd()))
        ShowWindow(hwnd(), SW_RESTORE);
    SetForegroundWindow(hwnd());
}

// A shown list follows every change at once; a hidden one catches up when it
// is shown again, so that no search waits for a long list to recount.
void Tfhist::historyChanged() {
    if (isVisible())
        showHistory();
    else
        listBehind_ = true;
}

// The list shows the rows and the selection the history's last change left.
void Tfhist::showHistory() {
    tabela.setCount(rows().size());
    if (const auto row = history_.selectedRow())
        tabela.selectOnly(static_cast<int>(*row));
    else
        tabela.clearSelection();
}

// Keeps the window reachable, then gives the find the focus; coming from
// another control of the window, that clears the find.
void Tfhist::FormActivate() {
    if (!IsZoomed(hwnd()) && !IsIconic(hwnd())) {
        const RECT rect = windowRect();
        const ScreenSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        const Point corner = keepHistoryWindowOnScreen(rect.left, rect.top, screen);
        if (corner.x != rect.left || corner.y != rect.top)
            SetWindowPos(hwnd(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (lastFocus_ && IsChild(hwnd(), lastFocus_)) SetFocus(lastFocus_);
    hurl.setFocus();
}

void Tfhist::FormDeactivate() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(hwnd(), &placement);
    const RECT& normal = placement.rcNormalPosition;
    HistoryGeometry geometry{
        normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top, 0, static_cast<int>(dpi())};
    const bool appMinimised = IsIconic(context_.bar);
    geometry.status = appMinimised || IsIconic(hwnd()) ? 1 : IsZoomed(hwnd()) ? Maximised : 0;
    try {
        IniDocument settings = context_.data.readSettings();  // a file that cannot be read is never overwritten
        saveHistoryGeometry(settings, geometry);
        context_.data.writeSettings(settings);
        saveFailing_ = false;
    } catch (const std::exception& error) {
        // Said once until a save works again, and only after the activation
        // has changed: a message box activates windows itself.
        if (std::exchange(saveFailing_, true)) return;
        saveFailure_ = error.what();
        PostMessageW(hwnd(), ReportSaveFailure, 0, 0);
    }
}

void Tfhist::showRow(std::size_t row) {
    const HistoryRecord& record = shownRecord_.emplace(rows()[row]);
    e1.setText(record.caption());
    // Rows of foreign files may have fewer fields: those show empty.
    for (std::size_t i = 1; i < details_.size(); ++i) details_[i]->setText(subItemOrEmpty(record, i - 1));
}

void Tfhist::tabelaClick() {
    if (rows().empty()) return;
    const int selected = tabela.firstSelected();
    showRow(selected >= 0 ? static_cast<std::size_t>(selected) : 0);
}

void Tfhist::tabelaDblClick() { SpeedButton4Click(); }

std::string_view Tfhist::cellText(std::size_t row, int column) const {
    if (row >= rows().size()) return {};
    const HistoryRecord& record = rows()[row];
    return column == 0 ? record.caption() : subItemOrEmpty(record, static_cast<std::size_t>(column - 1));
}

LRESULT Tfhist::tabelaCustomDrawItem(NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw.nmcd.dwItemSpec < rows().size()) {
        const std::size_t row = draw.nmcd.dwItemSpec;
        const bool found = matchesFind(rows()[row], hurl.text());
        // The window paints the selection itself: the list's own is pale or
        // gone while another control has the focus, and would hide a find.
        const bool selected = ListView_GetItemState(tabela.hwnd(), static_cast<int>(row), LVIS_SELECTED) != 0;
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
        draw.clrTextBk = selected && !found ? GetSysColor(COLOR_HIGHLIGHT) : rowBackground(row, found);
        draw.clrText = GetSysColor(selected && !found ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    }
    return CDRF_DODEFAULT;
}

LRESULT Tfhist::tabelaDataFind(const NMLVFINDITEMW& find) const {
    const LVFINDINFOW& info = find.lvfi;
    if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz) return -1;  // rows are found by text only
    const auto row =
        findRowByDate(rows(), {win::toUtf8(info.psz), (info.flags & LVFI_PARTIAL) != 0,
                               static_cast<std::size_t>(std::max(find.iStart, 0)), (info.flags & LVFI_WRAP) != 0});
    return row ? static_cast<LRESULT>(*row) : -1;
}

void Tfhist::hurlEnter() { hurl.setText(""); }

bool Tfhist::hurlKeyPress(wchar_t key) {
    if (key != L'\r') return false;
    SpeedButton3Click();
    return true;
}

// The highlight is drawn from the find text: redrawing the list applies it.
void Tfhist::SpeedButton3Click() { tabela.invalidate(); }

void Tfhist::SpeedButton4Click() {
    if (rows().empty()) return;
    // Nothing shown yet (the window just opened, or rows were deleted): Run
    // takes the chosen row rather than putting empty fields into the bar.
    if (!shownRecord_) tabelaClick();
    // A "- - -" the options do not take back leaves the detail panel too.
    if (!recordedWithoutOptions(*shownRecord_))
        for (win::Edit* shown : {&e4, &e5, &e6})
            if (shown->text() == NoneValue) shown->setText("");
    context_.run(runRestore(*shownRecord_));
}

// The row that comes into the first deleted row's place takes the focus and
// the selection, and the details show it.
void Tfhist::SpeedButton1Click() {
    const std::vector<std::size_t> doomed = tabela.selectedRows();
    history_.eraseRows(doomed);
    tabela.setFocus();
    if (doomed.empty() || rows().empty()) {
        for (win::Edit* edit : details_) edit->setText("");
        shownRecord_.reset();
        return;
    }
    const int focused = static_cast<int>(std::min(doomed.front(), rows().size() - 1));
    tabela.selectOnly(focused);
    tabela.ensureVisible(focused);
    showRow(static_cast<std::size_t>(focused));
}

void Tfhist::SpeedButton2Click() { tabela.setMultiSelect(SpeedButton2.checked()); }

void Tfhist::releaseMultiSelect() {
    SpeedButton2.setChecked(false);
    tabela.setMultiSelect(false);
}

void Tfhist::goToRow(int row) {
    tabela.selectOnly(row);
    tabelaClick();
    tabela.ensureVisible(row);
    tabela.setFocus();
}

void Tfhist::SpeedButton7Click() {
    releaseMultiSelect();
    if (tabela.firstSelected() > 0) goToRow(0);
}

void Tfhist::SpeedButton5Click() {
    releaseMultiSelect();
    const int selected = tabela.firstSelected();
    if (selected > 0) goToRow(selected - 1);
}

void Tfhist::SpeedButton6Click() {
    releaseMultiSelect();
    const int selected = tabela.firstSelected();
    if (selected < static_cast<int>(rows().size()) - 1) goToRow(selected + 1);
}

void Tfhist::SpeedButton8Click() {
    releaseMultiSelect();
    const int last = static_cast<int>(rows().size()) - 1;
    if (tabela.firstSelected() < last) goToRow(last);
}

void Tfhist::sbclearClick() {
    if (rows().empty()) return;
    MessageBeep(MB_ICONQUESTION);
    if (context_.prompter.ask(hwnd(), "Clear all search history ?", "Vask", MB_YESNO | MB_ICONSTOP) != IDYES) return;
    history_.clear();
    history_.SaveListViewToFile(context_.data.file(L"hist.sdf"));
}

std::optional<LRESULT> Tfhist::tabelaNotify(NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
        win::answerText(info, cellText(static_cast<std::size_t>(info.item.iItem), info.item.iSubItem));
        return 0;
    }
    case NM_CUSTOMDRAW:
        return tabelaCustomDrawItem(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    case NM_CLICK:
        tabelaClick();
        return 0;
    case NM_DBLCLK:
        tabelaDblClick();
        return 0;
    case LVN_KEYDOWN:
        tabelaClick();
        return 0;
    case LVN_ODFINDITEMW:
        return tabelaDataFind(reinterpret_cast<const NMLVFINDITEMW&>(header));
    default:
        return std::nullopt;
    }
}

void Tfhist::dpiChanged() {
    applyFont();
    layOut();
}

LRESULT Tfhist::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            lastFocus_ = GetFocus();
            FormDeactivate();
        } else {
            FormActivate();
        }
        return 0;
    case ReportSaveFailure:
        context_.prompter.ask(hwnd(), saveFailure_, "Vask", MB_OK | MB_ICONERROR);
        return 0;
    case WM_SIZE:
        if (tabela.hwnd()) layOut();
        return 0;
    case WM_GETMINMAXINFO:
        limitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_CLOSE:
        // The history window lives as long as the program: closing only hides
        // it, and the bar takes the keys back.
        win::hideHandingActivationTo(hwnd(), context_.bar);
        return 0;
    case WM_COMMAND:
        // Escape, which the dialog manager hands the window, closes it as Alt+F4 does.
        if (wParam == IDCANCEL) SendMessageW(hwnd(), WM_CLOSE, 0, 0);
        return 0;
    default:
        return defaultProcedure(message, wParam, lParam);
    }
}

}  // namespace vask
