#include "advanced/advanced_window.h"

#include <algorithm>
#include <array>

#include "advanced/advanced_glyphs.h"
#include "advanced/preset_file.h"
#include "common/brightness.h"
#include "controls/bar_glyphs.h"
#include "search/browser_list.h"
#include "search/search_tables.h"
#include "win/double_buffer.h"
#include "win/dpi.h"
#include "win/fonts.h"
#include "win/accessible.h"
#include "win/keyboard.h"
#include "win/text.h"
#include "win/file_dialogs.h"
#include "win/files.h"
#include "win/layered.h"
#include "win/registry.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"Tfext";

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Silver = RGB(192, 192, 192);

// The availability markers: 9 by 5 pixels in the colour of each service.
constexpr int MarkerWidth = 9, MarkerHeight = 5, MarkerStep = 11;
constexpr std::array<COLORREF, 3> ServiceColors{16751415, 8700415, 8453888};  // Google, Bing, Wikipedia

// A parameter's markers: the Google column at (x, y), Bing and Wikipedia to its right.
struct MarkerRow {
    int x, y;
    std::array<bool, 3> services;
};

constexpr std::array<MarkerRow, 9> Markers{{
    {160, 67, {true, true, true}},     // Browser
    {376, 67, {true, false, false}},   // Interface
    {160, 123, {true, true, false}},   // Country
    {376, 123, {true, true, true}},    // Language
    {160, 180, {true, false, false}},  // Time Period
    {376, 179, {true, true, false}},   // File type
    {401, 251, {true, true, false}},   // Exact word or phrase
    {401, 303, {true, true, false}},   // Exclude a word
    {401, 355, {true, true, false}},   // Search within a site or domain
}};

// The legend row under the silver line: one marker before each service's name.
constexpr int LegendMarkerTop = 419;
constexpr std::array<int, 3> LegendMarkerLeft{96, 168, 224};
constexpr RECT LegendLine{5, 407, 5 + 441, 408};

constexpr int ListWidth = 202, ListDropHeight = 300;
constexpr int EditWidth = 418, EditHeight = 21;
constexpr int ToolWidth = 23, ToolHeight = 22;
constexpr int LabelHeight = 13;

}  // namespace

Tfext::Tfext(AdvancedContext context) : context_(std::move(context)), fals_(context_.bar) {
    setPrompter(context_.prompter);
    registerClass(ClassName, CS_DBLCLKS);
    const HWND bar = context_.bar;
    useDpiOf(bar);
    create(ClassName, L"Advanced", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 0,
           scaled(LayoutWidth), scaled(LayoutHeight), bar);
    createControls();
    fillLists();
    layOut();
    FormPaint();
    // Made after the bar went transparent: it follows the bar.
    if (win::alphaBlended(bar)) setTransparent(true);
}

void Tfext::createControls() {
    const DWORD clip = WS_CLIPSIBLINGS;
    lb.create(hwnd(), IdLb, true);
    cb1.create(hwnd(), IdCb1);
    cb3.create(hwnd(), IdCb3);
    cb2.create(hwnd(), IdCb2);
    cb6.create(hwnd(), IdCb6);
    cb5.create(hwnd(), IdCb5);
    eexact.create(hwnd(), IdEexact, WS_BORDER | clip);
    eexclude.create(hwnd(), IdEexclude, WS_BORDER | clip);
    edomain.create(hwnd(), IdEdomain, WS_BORDER | clip);
    efocus.create(hwnd(), IdEfocus, clip);

    const std::pair<win::Label*, const char*> labels[] = {{&Label1, "Interface"},
                                                          {&Label2, "Browser"},
                                                          {&Label3, "Language"},
                                                          {&Label4, "Country"},
                                                          {&Label5, "Available in "},
                                                          {&Label6, "Google"},
                                                          {&Label7, "Bing"},
                                                          {&Label8, "File type"},
                                                          {&Label9, "Wikipedia"},
                                                          {&Label10, "Exact word or phrase"},
                                                          {&Label11, "Exclude a word"},
                                                          {&Label12, "Search within a site or domain"},
                                                          {&Label13, "Advanced"},
                                                          {&Label14, "Time Period"}};
    int labelId = IdLabel1;
    for (const auto& [label, text] : labels) label->create(hwnd(), text, labelId++, clip);

    // Flat buttons that draw their glyphs; their names are for automation and screen readers.
    const auto flat = [&](win::Button& button, const char* name, int id) {
        button.create(hwnd(), name, id, BS_OWNERDRAW | clip);
        win::nameForScreenReaders(button, {ROLE_SYSTEM_PUSHBUTTON, win::toWide(name)});
    };
    flat(sb1, "Save", IdSb1);
    flat(sb2, "Open", IdSb2);
    flat(sb3, "Clear all", IdSb3);
    flat(sb4, "Reset", IdSb4);
    flat(sb100, "Close", IdSb100);
    win::Button* const pins[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3,
                                 &SpeedButton4, &SpeedButton5, &SpeedButton6};
    int pinId = IdSpeedButton1;
    for (win::Button* pin : pins) flat(*pin, "Pin", pinId++);

    for (int n = 1; n <= static_cast<int>(std::size(pins)); ++n) pins[n - 1]->onClick = [this, n] { SavePin(n); };
    sb1.onClick = [this] { sb1Click(); };
    sb2.onClick = [this] { sb2Click(); };
    sb3.onClick = [this] { sbGoClick(); };
    sb4.onClick = [this] { sb4Click(); };
    sb100.onClick = [this] { sb100Click(); };

    // The body that paints the window and drags it lies under every control:
    // a child is made under its earlier siblings.
    RGPanel1 = std::make_unique<TRGPanel>(hwnd(), TFloatingPanel::fpParent);
    RGPanel1->OnPaint = [this](HDC dc, const RECT& client) { paintPanel(dc, client); };
    // Pressing or releasing the mouse on the body detaches the window from the bar.
    RGPanel1->OnMouseDown = [this](UINT, POINT) { docked_ = false; };
    RGPanel1->OnMouseUp = [this](UINT, POINT) { docked_ = false; };

    hints_.create(hwnd());
    hints_.add(sb1.hwnd(), L"Save");
    hints_.add(sb2.hwnd(), L"Open");
    hints_.add(sb3.hwnd(), L"Clear all");
    hints_.add(sb4.hwnd(), L"Reset");
    for (win::Button* pin : pins) hints_.add(pin->hwnd(), L"Pin");

    // Tab follows the window from the top, each list's pin after the list;
    // the parking field is never a stop.
    win::setTabStop(efocus.hwnd(), false);
    win::setTabOrder({sb1.hwnd(),          sb2.hwnd(),    sb3.hwnd(),          sb4.hwnd(),
                      sb100.hwnd(),        lb.hwnd(),     SpeedButton1.hwnd(), cb1.hwnd(),
                      SpeedButton2.hwnd(), cb3.hwnd(),    SpeedButton3.hwnd(), cb2.hwnd(),
                      SpeedButton4.hwnd(), cb6.hwnd(),    SpeedButton6.hwnd(), cb5.hwnd(),
                      SpeedButton5.hwnd(), eexact.hwnd(), eexclude.hwnd(),     edomain.hwnd()});
}

// The option lists run parallel to the code tables; the browsers come from the registry when shown.
void Tfext::fillLists() {
    const auto itemsOf = [](const auto& rows) {
        std::vector<std::string_view> items;
        items.reserve(std::size(rows));
        for (const CodeRow& row : rows) items.push_back(row.item);
        return items;
    };
    cb1.setItems(itemsOf(InterfaceLanguages));
    cb2.setItems(itemsOf(ResultLanguages));
    cb3.setItems(itemsOf(Countries));
    cb5.setItems(FileTypes);
    cb6.setItems(TimePeriods);
    for (win::ComboBox* list : {&cb1, &cb2, &cb3, &cb5, &cb6}) list->setItemIndex(0);
}

void Tfext::layOut() {
    font_ = win::uiFont(8, dpi());
    titleFont_ = win::uiFont(10, dpi(), FW_BOLD);
    editFont_ = win::uiFont(10, dpi());

    const auto place = [this](win::Control& control, int x, int y, int width, int height, HFONT font) {
        control.setBounds(scaled(x), scaled(y), scaled(width), scaled(height));
        if (font) control.setFont(font);
    };
    const HFONT font = font_.get();
    place(Label13, 16, 8, 150, 20, titleFont_.get());
    place(sb1, 288, 24, ToolWidth, ToolHeight, nullptr);
    place(sb2, 320, 24, ToolWidth, ToolHeight, nullptr);
    place(sb3, 352, 24, ToolWidth, ToolHeight, nullptr);
    place(sb4, 384, 24, ToolWidth, ToolHeight, nullptr);
    place(sb100, 427, 4, 13, 13, nullptr);

    place(Label2, 18, 63, 130, LabelHeight, font);
    place(lb, 16, 79, ListWidth, ListDropHeight, font);
    place(SpeedButton1, 198, 56, ToolWidth, ToolHeight, nullptr);
    place(Label1, 234, 63, 130, LabelHeight, font);
    place(cb1, 234, 79, ListWidth, ListDropHeight, font);
    place(SpeedButton2, 414, 56, ToolWidth, ToolHeight, nullptr);
    place(Label4, 16, 119, 130, LabelHeight, font);
    place(cb3, 16, 135, ListWidth, ListDropHeight, font);
    place(SpeedButton3, 198, 112, ToolWidth, ToolHeight, nullptr);
    place(Label3, 234, 119, 130, LabelHeight, font);
    place(cb2, 234, 135, ListWidth, ListDropHeight, font);
    place(SpeedButton4, 414, 112, ToolWidth, ToolHeight, nullptr);
    place(Label14, 16, 176, 130, LabelHeight, font);
    place(cb6, 16, 191, ListWidth, ListDropHeight, font);
    place(SpeedButton6, 198, 168, ToolWidth, ToolHeight, nullptr);
    place(Label8, 232, 175, 130, LabelHeight, font);
    place(cb5, 232, 191, ListWidth, ListDropHeight, font);
    place(SpeedButton5, 414, 168, ToolWidth, ToolHeight, nullptr);

    place(Label10, 18, 247, 250, LabelHeight, font);
    place(eexact, 16, 263, EditWidth, EditHeight, editFont_.get());
    place(Label11, 18, 299, 250, LabelHeight, font);
    place(eexclude, 16, 315, EditWidth, EditHeight, editFont_.get());
    place(Label12, 18, 351, 250, LabelHeight, font);
    place(edomain, 16, 367, EditWidth, EditHeight, editFont_.get());
    place(efocus, 16, -3000, 40, EditHeight, font);

    place(Label5, 24, 415, 70, LabelHeight, font);
    place(Label6, 112, 415, 52, LabelHeight, font);
    place(Label7, 184, 415, 38, LabelHeight, font);
    place(Label9, 240, 415, 80, LabelHeight, font);

    // The picture under the controls is the panel's: it and every control are drawn anew.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Tfext::selectPinned(const PinnedIndices& pins) {
    // An index beyond a list's end selects nothing, and its fragments stay empty.
    lb.setItemIndex(pins.browser);
    cb1.setItemIndex(pins.interfaceLanguage);
    cb3.setItemIndex(pins.country);
    cb2.setItemIndex(pins.resultLanguage);
    cb5.setItemIndex(pins.fileType);
    cb6.setItemIndex(pins.timePeriod);
}

void Tfext::nalozibrskalnike() {
    lb.clear();
    const std::string defaultName = win::DefaultBrowserName();
    for (const std::string& item : browserListItems(win::ListRegisteredBrowsers(), defaultName)) lb.addItem(item);
    lb.setItemIndex(pinnedBrowserIndex_);
}

// Read from the controls, the one place the positions and texts are kept.
AdvancedChoice Tfext::choice() const {
    return {.interfaceIndex = cb1.itemIndex(),
            .resultIndex = cb2.itemIndex(),
            .countryIndex = cb3.itemIndex(),
            .fileTypeIndex = cb5.itemIndex(),
            .timeIndex = cb6.itemIndex(),
            .exact = eexact.text(),
            .exclude = eexclude.text(),
            .domain = edomain.text(),
            .browserItem = lb.selectedText(),
            .open = open_,
            .docked = docked_,
            .pinnedBrowserIndex = pinnedBrowserIndex_};
}

OptionTexts Tfext::shownOptions() const {
    return {.exact = eexact.text(),
            .exclude = eexclude.text(),
            .domain = edomain.text(),
            .fileType = cb5.selectedText(),
            .browser = lb.selectedText(),
            .interfaceLanguage = cb1.selectedText(),
            .country = cb3.selectedText(),
            .resultLanguage = cb2.selectedText(),
            .timePeriod = cb6.selectedText()};
}

void Tfext::restore(const OptionTexts& options) {
    const std::pair<win::ComboBox*, const std::string*> lists[] = {
        {&lb, &options.browser},         {&cb1, &options.interfaceLanguage}, {&cb3, &options.country},
        {&cb2, &options.resultLanguage}, {&cb6, &options.timePeriod},        {&cb5, &options.fileType}};
    for (const auto& [list, text] : lists)
        if (const int index = lastEqualEntry(list->items(), *text); index >= 0) list->setItemIndex(index);
    eexact.setText(options.exact);
    eexclude.setText(options.exclude);
    edomain.setText(options.domain);
}

void Tfext::sbGoClick() {
    openDialogFileName.clear();
    nalozibrskalnike();
    for (win::ComboBox* list : {&cb1, &cb2, &cb3, &cb5, &cb6}) list->setItemIndex(0);
    for (win::Edit* edit : {&eexact, &eexclude, &edomain}) edit->setText("");
    eexact.setFocus();
}

void Tfext::sb100Click() { hideFromBar(); }

void Tfext::textEnter() {
    const HWND focus = GetFocus();
    if (focus == eexact.hwnd() || focus == eexclude.hwnd() || focus == edomain.hwnd()) context_.search();
}

void Tfext::SavePin(int n) {
    // In the order of the pin buttons.
    const std::array<const win::ComboBox*, 6> lists{&lb, &cb1, &cb3, &cb2, &cb5, &cb6};
    if (n < 1 || n > static_cast<int>(lists.size())) return;
    IniDocument settings = context_.data.readSettings();
    writePin(settings, n, lists[static_cast<size_t>(n - 1)]->itemIndex());
    context_.data.writeSettings(settings);
}

void Tfext::sb4Click() {
    openDialogFileName.clear();
    if (!win::fileExists(context_.data.file(L"vask.cfg"))) return;
    PinnedIndices pins = readPins(context_.data.readSettings());
    pins.timePeriod = cb6.itemIndex();  // Reset leaves the time period as it is
    selectPinned(pins);
}

Preset Tfext::currentPreset() const {
    Preset preset;
    preset.lists = {.browser = lb.itemIndex(),
                    .interfaceLanguage = cb1.itemIndex(),
                    .country = cb3.itemIndex(),
                    .resultLanguage = cb2.itemIndex(),
                    .fileType = cb5.itemIndex(),
                    .timePeriod = cb6.itemIndex()};
    preset.exact = eexact.text();
    preset.exclude = eexclude.text();
    preset.domain = edomain.text();
    preset.searchText = context_.searchText();
    return preset;
}

void Tfext::sb1Click() {
    const std::optional<std::wstring> path = chooseFile(PresetDialog::Save, openDialogFileName);
    if (!path) return;
    savePresetFile(*path, currentPreset());
    openDialogFileName = *path;
}

void Tfext::sb2Click() {
    const std::optional<std::wstring> path = chooseFile(PresetDialog::Open, openDialogFileName);
    if (!path || !win::fileExists(*path)) return;
    // Read whole before anything changes: a file that cannot be read, or is
    // no preset, leaves every option and text as it was.
    const std::optional<Preset> read = loadPresetFile(*path);
    if (!read) {
        context_.prompter.ask(hwnd(),
                              win::quotedName(*path) +
                                  " is not a Vask preset (it has no [Pin] section): nothing was "
                                  "changed.",
                              "Vask", MB_OK | MB_ICONWARNING);
        return;
    }
    const Preset& preset = *read;
    openDialogFileName = *path;
    context_.setSearchText(preset.searchText);
    eexact.setText(preset.exact);
    eexclude.setText(preset.exclude);
    edomain.setText(preset.domain);
    pinnedBrowserIndex_ = preset.lists.browser;
    selectPinned(preset.lists);
}

std::optional<std::wstring> Tfext::showPresetDialog(PresetDialog dialog, const std::wstring& fileName) {
    const win::FileDialogSetup setup{L"Vask file\0*.vsk\0", L"vsk", context_.data.presetFolder(), fileName};
    return dialog == PresetDialog::Save ? win::askSaveFileName(hwnd(), setup) : win::askOpenFileName(hwnd(), setup);
}

void Tfext::resetToPinsAndToggle() {
    // Without "vask.cfg" nothing is pinned: the lists go to their first
    // entries. One that cannot be read is said, and nothing changes.
    const PinnedIndices pins = readPins(context_.data.readSettings());
    pinnedBrowserIndex_ = pins.browser;
    selectPinned(pins);
    xexpandClick();
    if (isVisible()) focusExact();
}

void Tfext::xexpandClick() {
    if (open_)
        hideFromBar();
    else
        showAtBar();
}

void Tfext::followBar() {
    if (open_ && docked_) placeAtBar();
}

void Tfext::showAtBar() {
    nalozibrskalnike();
    open_ = true;
    // Placed before showing as well, so it appears in place even when the system does not activate it.
    if (docked_) placeAtBar();
    ShowWindow(hwnd(), SW_SHOW);  // activation places it and puts the focus into eexact
    efocus.setFocus();
    BringWindowToTop(hwnd());
}

void Tfext::hideFromBar() {
    open_ = false;
    // The bar, made active, puts the focus into its field.
    win::hideHandingActivationTo(hwnd(), context_.bar);
    RECT bar{};
    GetWindowRect(context_.bar, &bar);
    fals_.placeUnder(bar);
}

DockGeometry Tfext::dockGeometry() const {
    RECT bar{}, barClient{}, client{};
    GetWindowRect(context_.bar, &bar);
    GetClientRect(context_.bar, &barClient);
    const RECT self = windowRect();
    GetClientRect(hwnd(), &client);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(context_.bar, MONITOR_DEFAULTTONEAREST), &monitor);
    return {bar.left, bar.top,       barClient.bottom,         self.left,
            self.top, client.bottom, monitor.rcMonitor.bottom, monitor.rcMonitor.top};
}

void Tfext::placeAtBar() {
    const DockPlacement place = placeAdvanced(dockGeometry());
    SetWindowPos(hwnd(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every move while shown from the bar: docked again when dropped near its place.
void Tfext::WMMove() {
    if (!open_) return;
    const SnapResult snap = snapAdvanced(dockGeometry());
    docked_ = snap.docked;
    const RECT self = windowRect();
    // Moving into place brings one more move notification, which finds it there.
    if (snap.left != self.left || snap.top != self.top)
        SetWindowPos(hwnd(), nullptr, snap.left, snap.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Tfext::setTransparent(bool transparent) { win::setAlphaBlend(hwnd(), transparent, TransparentAlpha); }

void Tfext::FormActivate() {
    if (docked_) placeAtBar();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    eexact.setFocus();
}

void Tfext::FormPaint() {
    const COLORREF color = context_.barColor();
    if (backBrush_ && color == backColor_) return;
    backColor_ = color;
    bright_ = isBrightBackground(color);
    backBrush_.reset(CreateSolidBrush(color));
    // The labels and glyphs follow the new scheme.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Tfext::paintPanel(HDC dc, const RECT& client) {
    FormPaint();
    win::fillRect(dc, client, backColor_);
    const auto marker = [&](int x, int y, COLORREF color) {
        win::fillRect(dc, {scaled(x), scaled(y), scaled(x + MarkerWidth), scaled(y + MarkerHeight)}, color);
    };
    for (const MarkerRow& row : Markers)
        for (size_t service = 0; service < ServiceColors.size(); ++service)
            if (row.services[service])
                marker(row.x + static_cast<int>(service) * MarkerStep, row.y, ServiceColors[service]);
    for (size_t service = 0; service < ServiceColors.size(); ++service)
        marker(LegendMarkerLeft[service], LegendMarkerTop, ServiceColors[service]);
    win::fillRect(dc,
                  {scaled(LegendLine.left), scaled(LegendLine.top), scaled(LegendLine.right),
                   scaled(LegendLine.top) + std::max(1, scaled(1))},
                  Silver);
}

bool Tfext::drawItem(const DRAWITEMSTRUCT& item) {
    FormPaint();
    win::DoubleBuffer buffer(item.hDC, item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top);
    RECT area{0, 0, buffer.width(), buffer.height()};
    win::fillRect(buffer.dc(), area, backColor_);
    if (item.itemState & ODS_SELECTED) DrawEdge(buffer.dc(), &area, BDR_SUNKENOUTER, BF_RECT);
    switch (item.CtlID) {
    case IdSb1:
        drawToolGlyph(buffer.dc(), area, ToolGlyph::Save, bright_, dpi());
        break;
    case IdSb2:
        drawToolGlyph(buffer.dc(), area, ToolGlyph::Open, bright_, dpi());
        break;
    case IdSb3:
        drawToolGlyph(buffer.dc(), area, ToolGlyph::ClearAll, bright_, dpi());
        break;
    case IdSb4:
        drawToolGlyph(buffer.dc(), area, ToolGlyph::Reset, bright_, dpi());
        break;
    case IdSb100:
        drawCloseGlyph(buffer.dc(), area, bright_, dpi());
        break;
    default:
        if (item.CtlID < IdSpeedButton1 || item.CtlID > IdSpeedButton6) return false;
        drawPinGlyph(buffer.dc(), area, bright_, dpi());
        break;
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(buffer.dc(), &area);
    return true;
}

LRESULT Tfext::controlColor(HDC dc, HWND control) {
    if (control == eexact.hwnd() || control == eexclude.hwnd() || control == edomain.hwnd() ||
        control == efocus.hwnd()) {
        SetTextColor(dc, control == eexclude.hwnd() ? Red : Black);
        SetBkColor(dc, White);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    FormPaint();
    SetTextColor(dc, bright_ ? Black : White);
    SetBkColor(dc, backColor_);
    return reinterpret_cast<LRESULT>(backBrush_.get());
}

void Tfext::dpiChanged() { layOut(); }

LRESULT Tfext::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
        return 0;
    case WM_MOVE:
        WMMove();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return controlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        if (drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_CLOSE:
        // Alt+F4 hides it like its close button; the window lives as long as the program.
        sb100Click();
        return 0;
    case WM_COMMAND:
        // Enter and Escape, which the dialog manager hands the window.
        if (wParam == IDOK) textEnter();
        if (wParam == IDCANCEL) sb100Click();
        return 0;
    default:
        break;
    }
    return defaultProcedure(message, wParam, lParam);
}

}  // namespace vask
