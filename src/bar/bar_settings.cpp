#include "bar/bar_settings.h"

#include <string>

namespace vask {
namespace {

// "Velikost" (size) keeps the position: "Levo" is the left edge, "Gor" the top.
constexpr std::string_view kPosition = "Velikost";
constexpr std::string_view kOptions = "Options";
constexpr int kScreenMargin = 30;

// Flags are stored as 1 and 0; anything but 1 leaves the flag off.
bool readFlag(const IniDocument& settings, std::string_view key) { return settings.readInteger(kOptions, key, 1) == 1; }

std::string flag(bool on) { return on ? "1" : "0"; }

// The bar's keys in the order they are written, each with its value as written.
struct BarKey {
    std::string_view section, key;
    std::string (*value)(const BarState&);
};
constexpr BarKey kBarKeys[] = {
    {kPosition, "Levo", [](const BarState& b) { return std::to_string(b.left); }},
    {kPosition, "Gor", [](const BarState& b) { return std::to_string(b.top); }},
    // Colours are stored as signed integers: system colours are negative.
    {kOptions, "Backcolor", [](const BarState& b) { return std::to_string(static_cast<int>(b.backColor)); }},
    {kOptions, "Compact", [](const BarState& b) { return flag(b.compact); }},
    {kOptions, "stbar", [](const BarState& b) { return flag(b.showTaskbarButton); }},
    {kOptions, "Enahist", [](const BarState& b) { return flag(b.historyEnabled); }},
    {kOptions, "Suggest", [](const BarState& b) { return flag(b.suggest); }},
    {kOptions, "EngineSuggest", [](const BarState& b) { return flag(b.engineSuggest); }},
    {kOptions, "Hotkey", [](const BarState& b) { return b.hotkey; }},
};

}  // namespace

BarState loadBarSettings(const IniDocument& settings, ScreenSize screen, int barWidth, int barHeight) {
    BarState bar;
    bar.left = settings.readInteger(kPosition, "Levo", screen.width - 500);
    bar.top = settings.readInteger(kPosition, "Gor", screen.height - 200);
    // A little off the top left is allowed; the top is pulled further in.
    if (bar.left < -5) bar.left = 5;
    if (bar.top < -5) bar.top = 15;
    // A position saved on a larger screen comes back inside with a margin.
    if (screen.width - barWidth < bar.left) bar.left = screen.width - barWidth - kScreenMargin;
    if (screen.height - barHeight < bar.top) bar.top = screen.height - barHeight - kScreenMargin;

    // Colours are stored as signed integers: system colours are negative.
    bar.backColor =
        static_cast<std::uint32_t>(settings.readInteger(kOptions, "Backcolor", static_cast<int>(bar.backColor)));
    bar.compact = readFlag(settings, "Compact");
    bar.showTaskbarButton = readFlag(settings, "stbar");
    bar.historyEnabled = readFlag(settings, "Enahist");
    bar.suggest = readFlag(settings, "Suggest");
    // Off unless the user asked: nothing typed leaves the machine before.
    bar.engineSuggest = settings.readInteger(kOptions, "EngineSuggest", 0) == 1;
    bar.hotkey = settings.readString(kOptions, "Hotkey", bar.hotkey);
    return bar;
}

void saveBarSettings(IniDocument& settings, const BarState& bar) {
    for (const BarKey& key : kBarKeys) settings.writeString(key.section, key.key, key.value(bar));
}

void saveHotkeySetting(IniDocument& settings, const BarState& bar) {
    settings.writeString(kOptions, "Hotkey", bar.hotkey);
}

BarState assumedWhileUnread(BarState defaults) {
    defaults.historyEnabled = false;
    defaults.suggest = false;
    return defaults;
}

void adoptSwitches(BarState& bar, BarState& start, const BarState& read) {
    if (bar.historyEnabled == start.historyEnabled) bar.historyEnabled = start.historyEnabled = read.historyEnabled;
    if (bar.suggest == start.suggest) bar.suggest = start.suggest = read.suggest;
    if (bar.engineSuggest == start.engineSuggest) bar.engineSuggest = start.engineSuggest = read.engineSuggest;
}

bool saveChangedBarSettings(IniDocument& settings, const BarState& bar, const BarState& start) {
    bool changed = false;
    for (const BarKey& key : kBarKeys) {
        const std::string value = key.value(bar);
        if (value == key.value(start)) continue;
        settings.writeString(key.section, key.key, value);
        changed = true;
    }
    return changed;
}

}  // namespace vask
