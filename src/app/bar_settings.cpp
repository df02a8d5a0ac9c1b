#include "app/bar_settings.h"

namespace vask {
namespace {

// "Velikost" (size) keeps the position: "Levo" is the left edge, "Gor" the top.
constexpr std::string_view kPosition = "Velikost";
constexpr std::string_view kOptions = "Options";
constexpr int kScreenMargin = 30;

// Flags are stored as 1 and 0; anything but 1 leaves the flag off.
bool readFlag(const IniDocument& settings, std::string_view key) { return settings.readInteger(kOptions, key, 1) == 1; }

void writeFlag(IniDocument& settings, std::string_view key, bool on) {
    settings.writeInteger(kOptions, key, on ? 1 : 0);
}

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
    bar.hotkey = settings.readString(kOptions, "Hotkey", bar.hotkey);
    return bar;
}

void saveBarSettings(IniDocument& settings, const BarState& bar) {
    settings.writeInteger(kPosition, "Levo", bar.left);
    settings.writeInteger(kPosition, "Gor", bar.top);
    settings.writeInteger(kOptions, "Backcolor", static_cast<int>(bar.backColor));
    writeFlag(settings, "Compact", bar.compact);
    writeFlag(settings, "stbar", bar.showTaskbarButton);
    writeFlag(settings, "Enahist", bar.historyEnabled);
    writeFlag(settings, "Suggest", bar.suggest);
    settings.writeString(kOptions, "Hotkey", bar.hotkey);
}

}  // namespace vask
