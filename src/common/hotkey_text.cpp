#include "common/hotkey_text.h"

#include <array>
#include <utility>

#include "common/utf8.h"

namespace vask {
namespace {

constexpr unsigned VkClear = 0x0C, VkSpace = 0x20, VkF1 = 0x70, FunctionKeys = 24;

// In the order they are written.
constexpr std::array<std::pair<unsigned, std::string_view>, 4> ModifierNames{{
    {Hotkey::Ctrl, "Ctrl"},
    {Hotkey::Alt, "Alt"},
    {Hotkey::Shift, "Shift"},
    {Hotkey::Win, "Win"},
}};

// The modifier keys themselves (either side) are never the hotkey's key.
bool isModifierKey(unsigned key) {
    return (key >= 0x10 && key <= 0x12) || key == 0x5B || key == 0x5C || (key >= 0xA0 && key <= 0xA5);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) { return asciiUpper(a) == asciiUpper(b); }

// The names the program gives itself, the same on every keyboard.
std::string ownKeyName(unsigned key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= VkF1 && key < VkF1 + FunctionKeys) return std::string(1, 'F').append(std::to_string(key - VkF1 + 1));
    if (key == VkSpace) return "Space";
    // The keypad's 5 without Num Lock: Windows names it "Num 5", as the key with it.
    if (key == VkClear) return "Clear";
    return {};
}

std::optional<unsigned> keyNamed(std::string_view name, const KeyNamer& nameOf) {
    for (unsigned key = 1; key < 0xFF; ++key)
        if (const std::string own = ownKeyName(key); !own.empty() && sameName(own, name)) return key;
    for (unsigned key = 1; key < 0xFF; ++key) {
        if (isModifierKey(key) || !ownKeyName(key).empty()) continue;
        if (const std::string windows = nameOf(key); !windows.empty() && sameName(windows, name)) return key;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> hotkeyText(const Hotkey& hotkey, const KeyNamer& nameOf) {
    if (hotkey.none()) return std::string{};
    std::string key = ownKeyName(hotkey.key);
    if (key.empty() && !isModifierKey(hotkey.key)) key = nameOf(hotkey.key);
    if (key.empty() || keyNamed(key, nameOf) != hotkey.key) return std::nullopt;
    std::string text;
    for (const auto& [bit, name] : ModifierNames)
        if (hotkey.modifiers & bit) text.append(name).append("+");
    return text + key;
}

bool callsOnlyWhenMeant(const Hotkey& hotkey) {
    return hotkey.none() || (hotkey.modifiers & (Hotkey::Ctrl | Hotkey::Alt | Hotkey::Win)) != 0;
}

std::optional<Hotkey> parseHotkey(std::string_view text, const KeyNamer& nameOf) {
    text = trimmed(text);
    Hotkey hotkey;
    if (text.empty()) return hotkey;
    // Modifiers lead, each ended by "+"; the rest is the key, whose own name may hold "+" ("Num +").
    for (bool found = true; found;) {
        found = false;
        const std::size_t plus = text.find('+');
        if (plus == 0 || plus == std::string_view::npos) break;
        for (const auto& [bit, name] : ModifierNames)
            if (sameName(trimmed(text.substr(0, plus)), name)) {
                hotkey.modifiers |= bit;
                text = trimmed(text.substr(plus + 1));
                found = true;
                break;
            }
    }
    if (text.empty()) return std::nullopt;
    const std::optional<unsigned> key = keyNamed(text, nameOf);
    if (!key) return std::nullopt;
    hotkey.key = *key;
    return hotkey;
}

}  // namespace vask
