#include "bar/hotkey_window.h"

#include <commctrl.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "bar/bar_buttons.h"
#include "bar/hotkey.h"
#include "win/fonts.h"
#include "win/modal_loop.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"TfHotkey";
constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;

// The hotkey control's modifier flags beside RegisterHotKey's.
constexpr std::pair<unsigned, BYTE> FieldModifiers[] = {
    {Hotkey::Shift, HOTKEYF_SHIFT}, {Hotkey::Ctrl, HOTKEYF_CONTROL}, {Hotkey::Alt, HOTKEYF_ALT}};

WORD fieldValue(const Hotkey& hotkey) {
    BYTE flags = 0;
    for (const auto& [modifier, flag] : FieldModifiers)
        if (hotkey.modifiers & modifier) flags |= flag;
    // The field names Page Down "Num 3" unless told the key is the extended one.
    if (MapVirtualKeyW(hotkey.key, MAPVK_VK_TO_VSC_EX) & 0xFF00) flags |= HOTKEYF_EXT;
    return MAKEWORD(hotkey.key, flags);
}

// The keys the system's field leaves to the dialog (Space, Enter, Tab, Escape)
// or takes as "clear the field" (Backspace, Delete). Held with Ctrl or Alt
// they are a hotkey like any other, and the field is given them here.
bool fieldPassesOver(WPARAM key) {
    switch (key) {
    case VK_SPACE:
    case VK_RETURN:
    case VK_TAB:
    case VK_ESCAPE:
    case VK_BACK:
    case VK_DELETE:
        return true;
    default:
        return false;
    }
}

bool keyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The key with the modifiers held now, when it is one the field would miss.
std::optional<WORD> chordOfPassedKey(WPARAM key) {
    if (!fieldPassesOver(key) || !(keyDown(VK_CONTROL) || keyDown(VK_MENU))) return std::nullopt;
    BYTE flags = 0;
    if (keyDown(VK_SHIFT)) flags |= HOTKEYF_SHIFT;
    if (keyDown(VK_CONTROL)) flags |= HOTKEYF_CONTROL;
    if (keyDown(VK_MENU)) flags |= HOTKEYF_ALT;
    if (key == VK_DELETE) flags |= HOTKEYF_EXT;  // the field names it "Num Del" otherwise
    return MAKEWORD(static_cast<BYTE>(key), flags);
}

Hotkey hotkeyOf(WORD value) {
    Hotkey hotkey{0, LOBYTE(value)};
    for (const auto& [modifier, flag] : FieldModifiers)
        if (HIBYTE(value) & flag) hotkey.modifiers |= modifier;
    return hotkey.none() ? Hotkey{} : hotkey;
}

}  // namespace

TfHotkey::TfHotkey(HWND owner, COLORREF background, const BarScheme& scheme, win::Prompter& prompter)
    : background_(background), scheme_(scheme), backBrush_(CreateSolidBrush(background)) {
    setPrompter(prompter);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    registerClass(ClassName);
    create(ClassName, L"Hotkey", Style, ExStyle, 0, 0, 0, 0, owner);
    Label1.create(hwnd(), "Press the keys that call Vask:", IdLabel, SS_LEFTNOWORDWRAP);
    field.create(hwnd(), HOTKEY_CLASSW, "", WS_VISIBLE | WS_TABSTOP | WS_BORDER, IdField);
    winBox.create(hwnd(), "Win", IdWin, BS_AUTOCHECKBOX);
    winBox.onClick = [this] { winClick(); };
    const auto colors = barButtonColors(background);
    for (auto [button, caption, id] :
         {std::tuple{&okButton, "OK", IdOk}, std::tuple{&cancelButton, "Cancel", IdCancel},
          std::tuple{&noneButton, "None", IdNone}, std::tuple{&defaultButton, "Default", IdDefault}}) {
        button->create(hwnd(), caption, id);
        for (int index = 0; index < ColorCount; ++index) button->setColor(index, colors[index]);
    }
    okButton.setDefault(true);
    cancelButton.setCancel(true);
    okButton.onClick = [this] { okClick(); };
    cancelButton.onClick = [this] { closeWith(std::nullopt); };
    noneButton.onClick = [this] { closeWith(Hotkey{}); };
    defaultButton.onClick = [this] { closeWith(DefaultHotkey); };
    field.setMessageHook(
        [this](UINT message, WPARAM wParam, LPARAM lParam) { return fieldMessage(message, wParam, lParam); });
    layOut();
}

void TfHotkey::layOut() {
    RECT frame{0, 0, scaled(ClientWidth), scaled(ClientHeight)};
    AdjustWindowRectEx(&frame, Style, FALSE, ExStyle);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    font_ = win::uiFont(8, dpi());
    for (win::Control* control : {static_cast<win::Control*>(&Label1), &field, static_cast<win::Control*>(&winBox),
                                  static_cast<win::Control*>(&okButton), static_cast<win::Control*>(&cancelButton),
                                  static_cast<win::Control*>(&noneButton), static_cast<win::Control*>(&defaultButton)})
        control->setFont(font_.get());
    Label1.setBounds(scaled(12), scaled(12), scaled(318), scaled(15));
    field.setBounds(scaled(12), scaled(31), scaled(270), scaled(21));
    winBox.setBounds(scaled(288), scaled(31), scaled(42), scaled(21));
    int left = 12;
    for (TGradButton* button : {&okButton, &cancelButton, &noneButton, &defaultButton}) {
        button->setBounds(scaled(left), scaled(62), scaled(75), scaled(23));
        left += 81;
    }
}

std::optional<Hotkey> TfHotkey::ShowModal(const Hotkey& current) {
    SendMessageW(field.hwnd(), HKM_SETHOTKEY, fieldValue(current), 0);
    winBox.setChecked((current.modifiers & Hotkey::Win) != 0);
    winClick();
    // Over the middle of the bar, inside the screen.
    RECT owner{}, frame = windowRect();
    GetWindowRect(GetWindow(hwnd(), GW_OWNER), &owner);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int x =
        std::clamp<int>((owner.left + owner.right - width) / 2, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - width));
    const int y = std::clamp<int>((owner.top + owner.bottom - height) / 2, 0,
                                  std::max(0, GetSystemMetrics(SM_CYSCREEN) - height));
    SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    done_ = false;
    choice_.reset();
    win::runModal(hwnd(), [this] { return done_; });
    return choice_;
}

void TfHotkey::closeWith(std::optional<Hotkey> choice) {
    choice_ = choice;
    done_ = true;
    PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes the modal loop
}

void TfHotkey::winClick() {
    // Without Win, a key typed alone or with Shift only becomes Ctrl+Alt and the key.
    const bool win = winBox.checked();
    SendMessageW(field.hwnd(), HKM_SETRULES, win ? 0 : HKCOMB_NONE | HKCOMB_S,
                 win ? 0 : MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
}

// Ctrl or Alt with Space, Enter, Tab, Escape, Backspace or Delete: the field
// shows the combination instead of passing the key on or clearing itself.
std::optional<LRESULT> TfHotkey::fieldMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        // The dialog manager would press OK or Cancel, or move the focus.
        if (const auto* key = reinterpret_cast<const MSG*>(lParam);
            key && (key->message == WM_KEYDOWN || key->message == WM_SYSKEYDOWN) && chordOfPassedKey(key->wParam))
            return DLGC_WANTMESSAGE;
        return std::nullopt;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (const std::optional<WORD> chord = chordOfPassedKey(wParam)) {
            SendMessageW(field.hwnd(), HKM_SETHOTKEY, *chord, 0);
            swallowChar_ = true;
            return 0;
        }
        swallowChar_ = false;
        return std::nullopt;
    case WM_CHAR:
    case WM_SYSCHAR:
        // The character of a key taken above; Alt+Space's would open the system menu.
        if (std::exchange(swallowChar_, false)) return 0;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void TfHotkey::okClick() {
    Hotkey chosen = hotkeyOf(static_cast<WORD>(SendMessageW(field.hwnd(), HKM_GETHOTKEY, 0, 0)));
    if (!chosen.none() && winBox.checked()) chosen.modifiers |= Hotkey::Win;
    if (!callsOnlyWhenMeant(chosen)) {
        prompter().ask(hwnd(),
                       "A hotkey needs Ctrl, Alt or Win: a key alone would call Vask each time it is typed anywhere.",
                       "Vask", MB_OK | MB_ICONWARNING);
        return;
    }
    if (!hotkeyText(chosen, windowsKeyName)) {
        prompter().ask(hwnd(), "This key has no name that Vask can keep. Please choose another.", "Vask",
                       MB_OK | MB_ICONWARNING);
        return;
    }
    closeWith(chosen);
}

void TfHotkey::dpiChanged() { layOut(); }

LRESULT TfHotkey::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Enter and Escape from the dialog manager, when it finds no button to hand them.
        if (LOWORD(wParam) == IDOK) okClick();
        if (LOWORD(wParam) == IDCANCEL) closeWith(std::nullopt);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) field.setFocus();  // the keys go to the field
        return 0;
    case WM_CLOSE:
        closeWith(std::nullopt);
        return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, backBrush_.get());
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, scheme_.labelText);
        SetBkColor(dc, background_);
        return reinterpret_cast<LRESULT>(backBrush_.get());
    }
    default:
        break;
    }
    return defaultProcedure(message, wParam, lParam);
}

}  // namespace vask
