#include "advanced/pins.h"

#include <array>
#include <string_view>

namespace vask {
namespace {

constexpr std::string_view kSection = "Pin";

struct PinKey {
    std::string_view key;
    int PinnedIndices::*field;
};

// In the order of the pin buttons 1..6, which is also the order in presets.
constexpr std::array<PinKey, 6> kPinKeys{{
    {"Browser", &PinnedIndices::browser},
    {"Interface", &PinnedIndices::interfaceLanguage},
    {"Country", &PinnedIndices::country},
    {"Language", &PinnedIndices::resultLanguage},
    {"Type", &PinnedIndices::fileType},
    {"Time", &PinnedIndices::timePeriod},
}};

struct TextKey {
    std::string_view key;
    std::string Preset::*field;
};

constexpr std::array<TextKey, 4> kTextKeys{{
    {"Exact", &Preset::exact},
    {"Exclude", &Preset::exclude},
    {"Domain", &Preset::domain},
    {"Eurl", &Preset::searchText},
}};

}  // namespace

PinnedIndices readPins(const IniDocument& settings) {
    PinnedIndices pins;
    for (const PinKey& pin : kPinKeys) pins.*pin.field = settings.readInteger(kSection, pin.key, 0);
    return pins;
}

void writePin(IniDocument& settings, int pinButton, int index) {
    if (pinButton < 1 || pinButton > static_cast<int>(kPinKeys.size())) return;
    settings.writeInteger(kSection, kPinKeys[static_cast<std::size_t>(pinButton - 1)].key, index);
}

Preset readPreset(const IniDocument& preset) {
    Preset values;
    values.lists = readPins(preset);
    for (const TextKey& text : kTextKeys) values.*text.field = preset.readString(kSection, text.key, "");
    return values;
}

bool isPreset(const IniDocument& file) { return file.hasSection(kSection); }

void writePreset(IniDocument& preset, const Preset& values) {
    for (const PinKey& pin : kPinKeys) preset.writeInteger(kSection, pin.key, values.lists.*pin.field);
    for (const TextKey& text : kTextKeys) preset.writeString(kSection, text.key, values.*text.field);
}

}  // namespace vask
