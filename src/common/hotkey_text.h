#pragma once
// A global hotkey as "vask.cfg" keeps it: the modifier names "Ctrl", "Alt",
// "Shift" and "Win" joined by "+", then one key: "A"-"Z", "0"-"9",
// "F1"-"F24", "Space", "Clear", or another key's name as Windows names it
// ("Ctrl+Alt+Space", "Shift+Win+Page Down"). An empty text is no hotkey.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vask {

struct Hotkey {
    // Modifier bits and virtual-key codes are the ones RegisterHotKey takes.
    static constexpr unsigned Alt = 1, Ctrl = 2, Shift = 4, Win = 8;
    unsigned modifiers = 0;
    unsigned key = 0;  // 0: no hotkey
    bool none() const { return key == 0; }
    bool operator==(const Hotkey&) const = default;
};

inline constexpr Hotkey DefaultHotkey{Hotkey::Ctrl | Hotkey::Alt, 0x20};  // Ctrl+Alt+Space

// The name Windows gives a virtual key on the user's keyboard; empty when it has none.
using KeyNamer = std::function<std::string(unsigned virtualKey)>;

// The text of `hotkey`; "" for no hotkey; nothing when its key has no name,
// or only one that another key reads back as (the keypad's "Num 5" is also
// the name Windows gives Clear, which is therefore "Clear").
std::optional<std::string> hotkeyText(const Hotkey& hotkey, const KeyNamer& nameOf);

// Whether the hotkey holds Ctrl, Alt or Win, as a hotkey must: a key alone,
// or with Shift only, would call the bar each time it is typed anywhere.
// No hotkey at all is fine too.
bool callsOnlyWhenMeant(const Hotkey& hotkey);

// The hotkey a text names, a key with no modifier included; modifier names
// and key names in any case. Nothing when the text cannot be read.
std::optional<Hotkey> parseHotkey(std::string_view text, const KeyNamer& nameOf);

}  // namespace vask
