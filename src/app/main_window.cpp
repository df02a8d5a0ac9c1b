#include "app/main_window.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "advanced/advanced_window.h"
#include "advanced/pins.h"
#include "app/app.h"
#include "app/bar_buttons.h"
#include "app/bar_layout.h"
#include "controls/bar_glyphs.h"
#include "app/copy_data.h"
#include "app/hotkey_window.h"
#include "history/history_window.h"
#include "app/search_snapshot.h"
#include "app/start_with_windows.h"
#include "win/accessible.h"
#include "controls/about_window.h"
#include "engines/engines_window.h"
#include "win/common_dialogs.h"
#include "win/dpi.h"
#include "win/fonts.h"
#include "win/double_buffer.h"
#include "win/errors.h"
#include "win/files.h"
#include "win/keyboard.h"
#include "win/layered.h"
#include "win/text.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"Tmainform";

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF EurlText = 4408131;
constexpr COLORREF RuleColor = 15790320;

constexpr UINT_PTR HistorySaveTimer = 1;

// Each failed save's file and the system's reason, one to a line.
std::string couldNotSave(const std::vector<std::string>& failures) {
    std::string text = "Vask could not save:\n";
    for (const std::string& failure : failures) text += "\n" + failure;
    return text;
}

}  // namespace

Tmainform::Tmainform(App& app) : app_(app), colorFile_(app.data.file(L"color.cld")) {
    setPrompter(app.prompter);
    registerClass(ClassName, CS_DBLCLKS);
    create(ClassName, L"Vask", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 0, scaled(LayoutWidth),
           scaled(layoutHeight), nullptr);

    // The order of the bar's creation. The controls are made once the
    // settings are read, in their places and shown or hidden for the layout
    // they choose, which leaves of nastavivisino only the menu: under Wine
    // every later move would cost a trip to the server.
    loadColorDialog();
    LoadSettings();
    createControls();
    createMenu();
    NastaviBarve();
    showEngineMenu();
    applyTaskbarButton(state_.showTaskbarButton);
}

void Tmainform::createControls() {
    const BarLayout layout = barLayout(state_.compact);
    const auto at = [this](const RECT& units, bool visible = true) { return win::Placement{scaled(units), visible}; };
    const bool services = layout.servicesShown;
    const auto clip = WS_CLIPSIBLINGS;
    // Creation order is the tab order: from the field along its row, then the
    // services (one group for the arrow keys) and the close button.
    eurl.create(hwnd(), IdEurl, clip, at(layout.eurl));
    GradButton3.create(hwnd(), "+", IdGradButton3, clip, at(layout.GradButton3));
    GradButton1.create(hwnd(), "Search", IdGradButton1, clip, at(layout.GradButton1));
    ingpop.create(hwnd(), IdIngpop, clip, at(layout.ingpop));
    for (size_t i = 0; i < engineChoices_.size(); ++i)
        engineChoices_[i].radio->create(hwnd(), "", IdCb1 + static_cast<int>(i),
                                        BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0) | clip,
                                        at(layout.radios[i], services));
    sbend.create(hwnd(), "", IdSbend, BS_OWNERDRAW | WS_GROUP | clip, at(layout.sbend, services));
    for (size_t i = 0; i < engineChoices_.size(); ++i)
        engineChoices_[i].label->create(hwnd(), std::string(" ").append(builtInEngines()[i].name),
                                        IdLabel1 + static_cast<int>(i), clip, at(layout.labels[i], services));
    // The panel that paints the bar and drags it lies under every control:
    // a child is made under its earlier siblings.
    RGPanel1 = std::make_unique<TRGPanel>(hwnd(), TFloatingPanel::fpParent);
    RGPanel1->OnPaint = [this](HDC dc, const RECT& client) { paintPanel(dc, client); };
    setFonts();
    ingpop.setArrowWidth(2);
    ingpop.OnDrawGlyph = [this](HDC dc, const RECT& area) { drawMenuGlyph(dc, area, scheme_.bright, dpi()); };
    selectEngine(state_.engine);

    // Names for screen readers where the control shows a sign or a picture.
    GradButton3.setAccessibleName("Advanced Search");
    ingpop.setAccessibleName("Menu");
    win::nameForScreenReaders(sbend, {ROLE_SYSTEM_PUSHBUTTON, L"Close"});
    for (size_t i = 0; i < engineChoices_.size(); ++i)
        win::nameForScreenReaders(*engineChoices_[i].radio,
                                  {ROLE_SYSTEM_RADIOBUTTON, win::toWide(builtInEngines()[i].name)});

    // A service's radio button clicked or focused, or its label clicked, chooses it.
    for (size_t i = 0; i < engineChoices_.size(); ++i) {
        const auto choose = [this, engine = static_cast<SearchEngine>(i)] { selectEngine(engine); };
        engineChoices_[i].radio->onClick = engineChoices_[i].radio->onFocus = engineChoices_[i].label->onClick = choose;
    }
    GradButton1.onClick = [this] { searchOrSearchPrivately(); };
    eurl.onChange = [this] { eurlChanged(); };
    GradButton3.onClick = [this] { GradButton3Click(); };
    sbend.onClick = [this] { Exit1Click(); };

    eurl.setMessageHook([this](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        // Enter and Escape belong to the field, not to dialog navigation.
        if (message == WM_GETDLGCODE && lParam &&
            (reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN ||
             reinterpret_cast<const MSG*>(lParam)->wParam == VK_ESCAPE))
            return DLGC_WANTALLKEYS;
        if (message == WM_KEYDOWN && suggestionKey(wParam)) return 0;
        // The Escape that closed the list does nothing more.
        if (message == WM_CHAR && wParam == VK_ESCAPE && std::exchange(escapeClosedList_, false)) return 0;
        if (message == WM_CHAR && eurlKeyPress(static_cast<wchar_t>(wParam))) return 0;
        if (message == WM_KILLFOCUS) hideSuggestions();
        // Shift+F10 and the menu key open the bar's menu, not the field's.
        if (message == WM_CONTEXTMENU && win::isKeyboardContextMenu(lParam))
            return SendMessageW(hwnd(), message, wParam, lParam);
        return std::nullopt;
    });
}

void Tmainform::setFonts() {
    font_ = win::uiFont(8, dpi());
    eurlFont_ = win::uiFont(10, dpi(), FW_BOLD);
    for (win::Control* control :
         {static_cast<win::Control*>(&Label1), static_cast<win::Control*>(&Label2), static_cast<win::Control*>(&Label3),
          static_cast<win::Control*>(&GradButton1), static_cast<win::Control*>(&GradButton3)})
        control->setFont(font_.get());
    eurl.setFont(eurlFont_.get());
}

void Tmainform::layOut() {
    if (!eurl.hwnd()) return;  // not made yet: they are made in their places
    setFonts();
    const BarLayout layout = barLayout(state_.compact);
    const auto place = [this](win::Control& control, const RECT& units) { control.setBounds(scaled(units)); };
    for (size_t i = 0; i < engineChoices_.size(); ++i) {
        place(*engineChoices_[i].radio, layout.radios[i]);
        place(*engineChoices_[i].label, layout.labels[i]);
    }
    place(sbend, layout.sbend);
    if (Image1.hwnd()) place(Image1, layout.Image1);
    place(ingpop, layout.ingpop);
    place(eurl, layout.eurl);
    place(GradButton3, layout.GradButton3);
    place(GradButton1, layout.GradButton1);
    // The picture under the controls is the panel's: it and every control are drawn anew.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Tmainform::createMenu() {
    pop_.reset(CreatePopupMenu());
    engines_.list(app_.ownEngines);

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

void Tmainform::LoadSettings() {
    const ScreenSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT bar = windowRect();
    state_ = loadBarSettings(app_.startupSettings(), screen, bar.right - bar.left, bar.bottom - bar.top);
    // Moved and given the layout's height at once. Sized even when the size
    // stays: a bar never resized after creation wakes up a dozen times a
    // second under Wine while idle (make bench). Not activated: the bar is
    // activated once it is shown, when its field exists to take the focus.
    SetWindowPos(hwnd(), nullptr, state_.left, state_.top, scaled(LayoutWidth), scaled(barHeight()),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (app_.startupSettingsUnread()) startUnread();
}

void Tmainform::SaveSettings() {
    // The normal placement, so a minimised bar still saves where it stood.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(hwnd(), &placement);
    state_.left = placement.rcNormalPosition.left;
    state_.top = placement.rcNormalPosition.top;
    if (unreadStart_) return saveUnreadSettings();
    IniDocument document = app_.data.readSettings();
    saveBarSettings(document, state_);
    app_.data.writeSettings(document);
}

void Tmainform::loadColorDialog() {
    std::string news;
    if (const auto state = colorFile_.load(news)) colorDialog_ = *state;
    if (!news.empty()) app_.sayAtStart(std::move(news));
}

void Tmainform::saveColorDialog() { colorFile_.save(colorDialog_); }

std::vector<std::string> Tmainform::saveEverything() {
    historySavePending_ = false;  // the history is saved here and now
    std::vector<std::string> failures;
    const auto attempt = [&failures](const auto& save) {
        try {
            save();
        } catch (const std::exception& error) {
            failures.push_back(error.what());
        }
    };
    attempt([this] { saveColorDialog(); });
    attempt([this] { app_.history.saveAtClose(app_.data.file(L"hist.sdf")); });
    attempt([this] { SaveSettings(); });
    return failures;
}

bool Tmainform::mayClose() {
    const std::vector<std::string> failures = saveEverything();
    if (failures.empty()) return true;
    const std::string question = couldNotSave(failures) + "\n\nClose anyway? What could not be saved will be lost.";
    return app_.prompter.ask(hwnd(), question, "Vask", MB_YESNO | MB_ICONERROR | MB_DEFBUTTON2) == IDYES;
}

void Tmainform::scheduleHistorySave() {
    if (!hwnd()) return;  // closed: without a window the timer would belong to the thread
    // Counted from the first change the file lacks, not the last: a user who
    // keeps searching still has each search in the file within this time.
    if (std::exchange(historySavePending_, true)) return;
    SetTimer(hwnd(), HistorySaveTimer, HistorySaveDelayMs, nullptr);
}

// One-shot: an idle bar with nothing new to save never wakes up. The rows
// are written on the history's own thread, whatever the user is doing.
void Tmainform::saveHistoryInBackground() {
    KillTimer(hwnd(), HistorySaveTimer);
    // A tick that was due before the close saved the history has nothing left to do.
    if (!std::exchange(historySavePending_, false) || !app_.history.unsaved()) return;
    app_.history.saveInBackground(app_.data.file(L"hist.sdf"));
}

// A save that failed is tried again after the next change and at the close;
// a failure already said (here, by the close or by "Clear") is not said again.
void Tmainform::historySaveEnded() {
    if (const std::optional<std::string> failure = app_.history.backgroundSaveEnded())
        reportError(std::runtime_error(*failure));
}

COLORREF Tmainform::resolvedBackColor() const {
    return isSystemColor(state_.backColor) ? GetSysColor(static_cast<int>(state_.backColor & 0xFF)) : state_.backColor;
}

void Tmainform::setBackColor(uint32_t color) { state_.backColor = color; }

void Tmainform::NastaviBarve() {
    scheme_ = barSchemeFor(resolvedBackColor());
    backBrush_.reset(CreateSolidBrush(resolvedBackColor()));
    const auto buttonColors = barButtonColors(resolvedBackColor());
    for (TGradButton* button : {&GradButton1, &GradButton3})
        for (int index = 0; index < ColorCount; ++index) button->setColor(index, buttonColors[index]);
    ingpop.setColor(resolvedBackColor());
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // The advanced window wears the bar's colour.
    if (Tfext* advanced = app_.advancedIfMade(); advanced && advanced->isVisible()) advanced->FormPaint();
}

// The hints are made when the mouse first comes over the bar: the tooltip
// window is a good part of the bar's start-up, and many runs never need it.
void Tmainform::makeHints() {
    if (hintsMade_) return;
    hintsMade_ = true;
    hints_.create(hwnd());
    hints_.add(GradButton1.hwnd(), L"Search");
    hints_.add(GradButton3.hwnd(), L"Advanced Search");
}

int Tmainform::barHeight() const { return barLayout(state_.compact).height; }

void Tmainform::nastavivisino() {
    const bool shown = barLayout(state_.compact).servicesShown;
    for (win::Control* control :
         {static_cast<win::Control*>(&cb1), static_cast<win::Control*>(&cb2), static_cast<win::Control*>(&cb4),
          static_cast<win::Control*>(&Label1), static_cast<win::Control*>(&Label2), static_cast<win::Control*>(&Label3),
          static_cast<win::Control*>(&sbend)})
        control->show(shown);
    if (Image1.hwnd()) Image1.show(shown);
    // A control that hides with the focus hands it to the bar itself, where
    // keys go nowhere: they go on into the field.
    if (const HWND focus = GetFocus(); focus == hwnd() || (IsChild(hwnd(), focus) && !IsWindowVisible(focus)))
        eurl.setFocus();
    showEngineMenu();
    SetWindowPos(hwnd(), nullptr, 0, 0, scaled(LayoutWidth), scaled(barHeight()),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layOut();
}

void Tmainform::Compact1Click() {
    state_.compact = !state_.compact;
    nastavivisino();
    // A nudge down and back, so a window docked to the bar follows its new size.
    const RECT bar = windowRect();
    SetWindowPos(hwnd(), nullptr, bar.left, bar.top + 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hwnd(), nullptr, bar.left, bar.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without a taskbar button the bar is a tool window; with one, an app window.
void Tmainform::applyTaskbarButton(bool showButton) {
    const bool wasVisible = isVisible();
    if (wasVisible) ShowWindow(hwnd(), SW_HIDE);
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & ~(WS_EX_TOOLWINDOW | WS_EX_APPWINDOW);
    style |= showButton ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style);
    if (wasVisible) ShowWindow(hwnd(), SW_SHOW);
}

void Tmainform::stbarClick() {
    state_.showTaskbarButton = !state_.showTaskbarButton;
    applyTaskbarButton(state_.showTaskbarButton);
}

void Tmainform::sbtranspClick() {
    state_.transparent = !state_.transparent;
    win::setAlphaBlend(hwnd(), state_.transparent, alphaValue_);
    if (Tfext* advanced = app_.advancedIfMade()) advanced->setTransparent(state_.transparent);
}

void Tmainform::AliceBlue1Click() {
    // The dialog keeps COLORREFs: the same 0x00BBGGRR values in another integer type.
    const std::array<uint32_t, 16> shown = dialogCustomColors(colorDialog_);
    std::array<COLORREF, 16> custom{};
    std::copy(shown.begin(), shown.end(), custom.begin());
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = hwnd();
    choose.rgbResult = resolvedBackColor();
    choose.lpCustColors = custom.data();
    choose.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (win::commonDialogs().chooseColor(&choose)) {
        colorDialog_.color = choose.rgbResult;
        setBackColor(choose.rgbResult);
    }
    std::array<uint32_t, 16> chosen{};
    std::copy(custom.begin(), custom.end(), chosen.begin());
    takeDialogCustomColors(colorDialog_, chosen);
    NastaviBarve();
}

void Tmainform::Windowsdefault1Click() {
    setBackColor(0xFF000000 | COLOR_BTNFACE);
    NastaviBarve();
}

void Tmainform::History1Click() { app_.historyWindow().Show(); }

void Tmainform::GradButton3Click() {
    // Every press resets the lists to the pinned values; the texts stay. An
    // unreadable "vask.cfg" reads as empty, so the options always follow the lists.
    const PinnedIndices pins = readPins(app_.data.readSettings());
    app_.pinnedBrowserIndex = pins.browser;
    Tfext& advanced = app_.advanced();
    advanced.selectPinned(pins);
    xexpandClick();
    if (advanced.isVisible()) advanced.focusExact();
}

void Tmainform::xexpandClick() {
    if (app_.advancedOpen)
        app_.advanced().hideFromBar();
    else
        app_.advanced().showAtBar();
}

void Tmainform::MyMessage() {
    if (Tfext* advanced = app_.advancedIfMade(); advanced && app_.advancedOpen && app_.advancedDocked)
        advanced->placeAtBar();
}

bool Tmainform::eurlKeyPress(wchar_t key) {
    if (key == L'\x1B') {
        hotkey_.giveBack();  // Escape: back to where the hotkey called the bar from
        return true;
    }
    if (key != L'\r') return false;
    hideSuggestions();
    searchOrSearchPrivately();
    return true;
}

void Tmainform::registerHotkey() {
    const std::optional<Hotkey> hotkey = parseHotkey(state_.hotkey, windowsKeyName);
    const char* howToChange = " Vask works without it; choose another with \"Hotkey...\" in the bar's menu.";
    if (!hotkey)
        app_.prompter.ask(hwnd(), "The hotkey \"" + state_.hotkey + "\" in vask.cfg cannot be read." + howToChange,
                          "Vask", MB_OK | MB_ICONWARNING);
    else if (!hotkey_.take(hwnd(), *hotkey))
        app_.prompter.ask(hwnd(), "The hotkey " + state_.hotkey + " is taken by another program." + howToChange, "Vask",
                          MB_OK | MB_ICONWARNING);
}

void Tmainform::hotkeyPressed() {
    const HWND active = GetForegroundWindow();
    if (active == hwnd()) {
        hotkey_.giveBack();
        return;
    }
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    makeOpaque();
    // The activation puts the focus into eurl (FormActivate); the rest waits until the bar is in front.
    SetForegroundWindow(hwnd());
    SendMessageW(eurl.hwnd(), EM_SETSEL, 0, -1);
    hotkey_.remember(active);
}

void Tmainform::Hotkey1Click() {
    // Released meanwhile, so that its own keys reach the dialog's field.
    hotkey_.release();
    TfHotkey dialog(hwnd(), resolvedBackColor(), scheme_, app_.prompter);
    const std::optional<Hotkey> shown = parseHotkey(state_.hotkey, windowsKeyName);
    if (const std::optional<Hotkey> chosen = dialog.ShowModal(shown.value_or(Hotkey{}))) {
        state_.hotkey = hotkeyText(*chosen, windowsKeyName).value_or("");
        saveHotkey();
    }
    registerHotkey();
}

// Written at once, as the engines are, and nothing else of "vask.cfg" with it.
void Tmainform::saveHotkey() {
    try {
        IniDocument settings = app_.data.readSettings();  // a file that cannot be read is never overwritten
        saveHotkeySetting(settings, state_);
        app_.data.writeSettings(settings);
        if (unreadStart_) unreadStart_->hotkey = state_.hotkey;  // saved: no change left for the close
    } catch (const std::exception& error) {
        app_.prompter.ask(
            hwnd(),
            std::string("The hotkey works, but was not saved; Vask tries again when it closes.\n") + error.what(),
            "Vask", MB_OK | MB_ICONWARNING);
    }
}

void Tmainform::FormActivate() { eurl.setFocus(); }

void Tmainform::Exit1Click() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

void Tmainform::handleCopyData(const void* data, size_t size) {
    switch (copyDataCommand(copyDataText(data, size))) {
    case CopyDataCommand::Opaque:
        makeOpaque();
        // The focus is the keyboard's only in the active window.
        SetForegroundWindow(hwnd());
        eurl.setFocus();
        break;
    case CopyDataCommand::Close:
        Exit1Click();
        break;
    case CopyDataCommand::None:
        break;
    }
}

void Tmainform::searchFor(const SearchRequest& request) {
    if (request.engine) selectEngine(*request.engine);
    setSearchText(request.text);
    if (request.privately)
        searchPrivately();
    else
        sbGoClick();
}

bool Tmainform::handleSearchRequest(const void* data, size_t size, bool privately) {
    std::optional<SearchRequest> request = decodeSearchRequest(data, size);
    if (!request) return false;
    request->privately = privately;
    // Not inside the sender's SendMessage: a browser started, a message box
    // shown or a COM call made there would run while another process waits.
    handedSearches_.push_back(std::move(*request));
    PostMessageW(hwnd(), RunHandedSearch, 0, 0);
    return true;
}

void Tmainform::restoreFromMinimised() {
    SetWindowPos(hwnd(), nullptr, 0, 0, scaled(LayoutWidth), scaled(barHeight()), SWP_NOMOVE | SWP_NOZORDER);
    makeOpaque();
}

// Fully opaque without switching blending off; 150 comes back at the next start.
void Tmainform::makeOpaque() {
    alphaValue_ = 255;
    if (state_.transparent) win::setAlphaBlend(hwnd(), true, alphaValue_);
}

// The logo's control, over the logo the panel paints, says what the logo is
// to screen readers. Made when one first asks: a window more would slow
// every start.
void Tmainform::makeLogoControl() {
    if (Image1.hwnd()) return;
    const BarLayout layout = barLayout(state_.compact);
    Image1.create(hwnd(), "Vask", IdImage1, WS_CLIPSIBLINGS, {scaled(layout.Image1), layout.servicesShown});
    RGPanel1->lieUnderSiblings();
    Image1.OnPaint = [this](HDC dc, const RECT& area) {
        win::fillRect(dc, area, resolvedBackColor());
        drawLogo(dc, area, scheme_.bright, dpi());
    };
}

void Tmainform::paintPanel(HDC dc, const RECT& client) {
    win::fillRect(dc, client, resolvedBackColor());
    const BarLayout layout = barLayout(state_.compact);
    if (layout.servicesShown) drawLogo(dc, scaled(layout.Image1), scheme_.bright, dpi());
    const RECT panel = scaled(layout.Panel1);
    win::fillRect(dc, panel, White);
    const RECT rule{panel.left, panel.top, panel.right, panel.bottom};
    win::Brush ruleBrush(CreateSolidBrush(RuleColor));
    FrameRect(dc, &rule, ruleBrush.get());
    // The one-pixel frame: Panel6 top, Panel4 left, Panel5 right, Panel3 bottom.
    win::Brush border(CreateSolidBrush(scheme_.borderColor));
    FrameRect(dc, &client, border.get());
}

bool Tmainform::drawItem(const DRAWITEMSTRUCT& item) {
    win::DoubleBuffer buffer(item.hDC, item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top);
    const RECT area{0, 0, buffer.width(), buffer.height()};
    win::fillRect(buffer.dc(), area, resolvedBackColor());
    if (item.hwndItem == sbend.hwnd()) {
        drawCloseGlyph(buffer.dc(), area, scheme_.bright, dpi());
        if (item.itemState & ODS_FOCUS) DrawFocusRect(buffer.dc(), &area);
        return true;
    }
    return false;
}

LRESULT Tmainform::controlColor(HDC dc, HWND control) {
    if (control == eurl.hwnd()) {
        SetTextColor(dc, EurlText);
        SetBkColor(dc, White);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    SetTextColor(dc, scheme_.labelText);
    SetBkColor(dc, resolvedBackColor());
    return reinterpret_cast<LRESULT>(backBrush_.get());
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
        app_.enginesWindow().Show();
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
        app_.about().ShowModal();
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

void Tmainform::dpiChanged() { layOut(); }

LRESULT Tmainform::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        makeHints();  // the mouse is over the bar or one of its controls
        break;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) makeLogoControl();  // a screen reader asks
        break;
    case WM_INITMENUPOPUP:
        showStateInMenu();
        return 0;
    case WM_CONTEXTMENU:
        if (!win::isKeyboardContextMenu(lParam)) break;
        ingpop.popUp();
        return 0;
    case WM_COMMAND:
        if (!lParam) onMenuCommand(LOWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
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
    case WM_MOVE:
        hideSuggestions();
        MyMessage();
        return 0;
    case WM_SIZE:
        // Every way back from the minimised state (taskbar, a second copy's
        // restore) ends here.
        if (wParam == SIZE_MINIMIZED) {
            minimised_ = true;
        } else if (minimised_) {
            minimised_ = false;
            restoreFromMinimised();
        }
        return 0;
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data && (data->dwData == SearchRequestTag || data->dwData == PrivateSearchRequestTag))
            return handleSearchRequest(data->lpData, data->cbData, data->dwData == PrivateSearchRequestTag);
        if (data) handleCopyData(data->lpData, data->cbData);
        return TRUE;
    }
    case RunHandedSearch:
        if (!handedSearches_.empty()) {
            const SearchRequest request = std::move(handedSearches_.front());
            handedSearches_.pop_front();
            searchFor(request);
        }
        return 0;
    case WM_CLOSE:
        // A second request while the question is on screen has its answer coming.
        if (closing_) return 0;
        closing_ = true;
        if (mayClose()) DestroyWindow(hwnd());
        closing_ = false;
        return 0;
    case WM_TIMER:
        if (wParam == HistorySaveTimer) saveHistoryInBackground();
        if (wParam == EngineSuggestTimer) askEngine();
        return 0;
    case EngineReplied:
        engineReplied();
        return 0;
    case HistorySaveEnded:
        historySaveEnded();
        return 0;
    case WM_HOTKEY:
        if (wParam == BarHotkey::Id) hotkeyPressed();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Windows is ending: keep what a normal close keeps, and say what could not be.
        if (wParam)
            if (const auto failures = saveEverything(); !failures.empty())
                app_.prompter.ask(hwnd(), couldNotSave(failures), "Vask", MB_OK | MB_ICONERROR);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return defaultProcedure(message, wParam, lParam);
}

}  // namespace vask
