#pragma once
// Pinned list selections (section "Pin" of "vask.cfg") and ".vsk" presets,
// which keep the same six indices in a "[Pin]" section together with the
// three texts of the advanced window and the bar's search text.
#include <string>

#include "common/ini_document.h"

namespace vask {

struct PinnedIndices {
    int browser = 0;
    int interfaceLanguage = 0;
    int country = 0;
    int resultLanguage = 0;
    int fileType = 0;
    int timePeriod = 0;
};

// Missing or non-numeric values read as 0.
PinnedIndices readPins(const IniDocument& settings);

// Pin buttons 1..6 stand for the browser, interface language, country,
// result language, file type and time period; other numbers write nothing.
void writePin(IniDocument& settings, int pinButton, int index);

struct Preset {
    PinnedIndices lists;
    std::string exact;
    std::string exclude;
    std::string domain;
    std::string searchText;
};

Preset readPreset(const IniDocument& preset);
// A file is a preset when it has the [Pin] section: any other opens as nothing.
bool isPreset(const IniDocument& file);
// A new file gets the keys in the order Browser, Interface, Country, Language,
// Type, Time, Exact, Exclude, Domain, Eurl; an existing one keeps its layout.
void writePreset(IniDocument& preset, const Preset& values);

}  // namespace vask
