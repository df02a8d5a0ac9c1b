#include "bar/bar_window.h"

#include <utility>

#include "bar/bar_layout.h"
#include "controls/bar_glyphs.h"
#include "win/accessible.h"
#include "win/double_buffer.h"
#include "win/fonts.h"
#include "win/keyboard.h"
#include "win/text.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"Tmainform";

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF EurlText = 4408131;
constexpr COLORREF RuleColor = 15790320;

}  // namespace

Tmainform::Tmainform(BarContext context) : context_(std::move(context)), colorFile_(context_.data.file(L"color.cld")) {
    setPrompter(context_.prompter);
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

// The hints are made when the mouse first comes over the bar: the tooltip
// window is a good part of the bar's start-up, and many runs never need it.
void Tmainform::makeHints() {
    if (hintsMade_) return;
    hintsMade_ = true;
    hints_.create(hwnd());
    hints_.add(GradButton1.hwnd(), L"Search");
    hints_.add(GradButton3.hwnd(), L"Advanced Search");
}

void Tmainform::History1Click() { context_.command(BarCommand::ShowHistory); }

void Tmainform::GradButton3Click() { context_.command(BarCommand::ToggleAdvanced); }

void Tmainform::MyMessage() { context_.changed(BarChange::Moved); }

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

void Tmainform::FormActivate() { eurl.setFocus(); }

void Tmainform::Exit1Click() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

void Tmainform::comeForward() {
    makeOpaque();
    // The focus is the keyboard's only in the active window.
    SetForegroundWindow(hwnd());
    eurl.setFocus();
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
    case WM_COPYDATA:
        // Another program's message: the program answers it.
        if (!lParam) return TRUE;
        return context_.copyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_CLOSE:
        // Closing saves everything first, which the program does.
        context_.command(BarCommand::Exit);
        return 0;
    case WM_TIMER:
        if (wParam == EngineSuggestTimer) askEngine();
        return 0;
    case EngineReplied:
        engineReplied();
        return 0;
    case WM_HOTKEY:
        if (wParam == BarHotkey::Id) hotkeyPressed();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) context_.command(BarCommand::SessionEnds);
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
