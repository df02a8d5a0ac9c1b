// The bar's hotkey: taken from "vask.cfg" once the bar shows, pressed to
// call the bar or give the activation back, and chosen anew in its dialog.
#include "bar/bar_window.h"
#include "bar/hotkey_window.h"

namespace vask {

void Tmainform::registerHotkey() {
    const std::optional<Hotkey> hotkey = parseHotkey(state_.hotkey, windowsKeyName);
    const char* howToChange = " Vask works without it; choose another with \"Hotkey...\" in the bar's menu.";
    if (!hotkey)
        context_.prompter.ask(hwnd(), "The hotkey \"" + state_.hotkey + "\" in vask.cfg cannot be read." + howToChange,
                              "Vask", MB_OK | MB_ICONWARNING);
    else if (!hotkey_.take(hwnd(), *hotkey))
        context_.prompter.ask(hwnd(), "The hotkey " + state_.hotkey + " is taken by another program." + howToChange,
                              "Vask", MB_OK | MB_ICONWARNING);
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
    TfHotkey dialog(hwnd(), resolvedBackColor(), scheme_, context_.prompter);
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
        IniDocument settings = context_.data.readSettings();  // a file that cannot be read is never overwritten
        saveHotkeySetting(settings, state_);
        context_.data.writeSettings(settings);
        if (unreadStart_) unreadStart_->hotkey = state_.hotkey;  // saved: no change left for the close
    } catch (const std::exception& error) {
        context_.prompter.ask(
            hwnd(),
            std::string("The hotkey works, but was not saved; Vask tries again when it closes.\n") + error.what(),
            "Vask", MB_OK | MB_ICONWARNING);
    }
}

}  // namespace vask
