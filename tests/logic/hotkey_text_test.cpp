#include "common/hotkey_text.h"

#include <gtest/gtest.h>

namespace vask {
namespace {

// A few of the names a US keyboard gives, as GetKeyNameTextW does.
std::string usKeyName(unsigned key) {
    switch (key) {
    case 0x22:
        return "Page Down";
    case 0x6B:
        return "Num +";
    case 0xBB:
        return "=";
    case 0x11:
        return "Ctrl";
    case 0x0C:  // Clear: the keypad's 5 without Num Lock
    case 0x65:
        return "Num 5";
    case 0xE1:  // two keys of one name, as on some layouts
    case 0xE3:
        return "OEM";
    default:
        return "";
    }
}

TEST(HotkeyText, EveryKindOfKeyRoundTrips) {
    const struct {
        Hotkey hotkey;
        const char* text;
    } cases[] = {
        {DefaultHotkey, "Ctrl+Alt+Space"},
        {{Hotkey::Win | Hotkey::Shift | Hotkey::Alt | Hotkey::Ctrl, 'Q'}, "Ctrl+Alt+Shift+Win+Q"},
        {{Hotkey::Alt, '7'}, "Alt+7"},
        {{0, 0x87}, "F24"},
        {{Hotkey::Shift | Hotkey::Win, 0x22}, "Shift+Win+Page Down"},
        {{Hotkey::Ctrl, 0x6B}, "Ctrl+Num +"},
        {{Hotkey::Ctrl, 0xBB}, "Ctrl+="},
        {{}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hotkeyText(c.hotkey, usKeyName), c.text);
        EXPECT_EQ(parseHotkey(c.text, usKeyName), c.hotkey) << c.text;
    }
    // Any case, any order, spaces around the parts.
    EXPECT_EQ(parseHotkey(" alt + CTRL+space ", usKeyName), DefaultHotkey);
    EXPECT_EQ(parseHotkey("ctrl+page down", usKeyName), (Hotkey{Hotkey::Ctrl, 0x22}));
    // A key without a name cannot be written.
    EXPECT_EQ(hotkeyText({Hotkey::Ctrl, 0xE8}, usKeyName), std::nullopt);
}

TEST(HotkeyText, AKeyWhoseNameAnotherKeySharesReadsBackAsTheKeyChosen) {
    for (const Hotkey hotkey : {Hotkey{Hotkey::Ctrl, 0x65}, Hotkey{Hotkey::Ctrl, 0x0C}, Hotkey{Hotkey::Alt, 0xE1}}) {
        const std::optional<std::string> text = hotkeyText(hotkey, usKeyName);
        ASSERT_TRUE(text) << hotkey.key;
        EXPECT_EQ(parseHotkey(*text, usKeyName), hotkey) << *text;
    }
    EXPECT_EQ(hotkeyText({Hotkey::Ctrl, 0x0C}, usKeyName), "Ctrl+Clear");
    // A name that reads back as another key is never written.
    EXPECT_EQ(hotkeyText({Hotkey::Alt, 0xE3}, usKeyName), std::nullopt);
}

TEST(HotkeyText, TextsThatNameNoKeyCannotBeRead) {
    for (const char* text : {"Ctrl+", "Ctrl+Alt", "Ctrl+Ctrl", "Ctrl+Alt+Spce", "Hyper+A", "Ctrl+AB", "F25", "+"})
        EXPECT_EQ(parseHotkey(text, usKeyName), std::nullopt) << text;
}

}  // namespace
}  // namespace vask
