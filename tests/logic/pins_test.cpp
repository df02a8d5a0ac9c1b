#include "advanced/pins.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace vask {
namespace {

Preset samplePreset() {
    Preset preset;
    preset.lists = {3, 1, 4, 1, 5, 2};
    preset.exact = "two words";
    preset.exclude = "-minus";
    preset.domain = "example.org";
    preset.searchText = "a=b c";
    return preset;
}

TEST(Pins, NewPresetFileHasTheTenKeysInOrder) {
    IniDocument file;
    writePreset(file, samplePreset());
    EXPECT_EQ(file.serialize(),
              "[Pin]\r\nBrowser=3\r\nInterface=1\r\nCountry=4\r\nLanguage=1\r\nType=5\r\nTime=2\r\n"
              "Exact=two words\r\nExclude=-minus\r\nDomain=example.org\r\nEurl=a=b c\r\n\r\n");

    const Preset back = readPreset(IniDocument::parse(file.serialize()));
    const PinnedIndices& lists = back.lists;
    EXPECT_EQ((std::array{lists.browser, lists.interfaceLanguage, lists.country, lists.resultLanguage, lists.fileType,
                          lists.timePeriod}),
              (std::array{3, 1, 4, 1, 5, 2}));
    EXPECT_EQ(back.exact, "two words");
    EXPECT_EQ(back.exclude, "-minus");
    EXPECT_EQ(back.domain, "example.org");
    EXPECT_EQ(back.searchText, "a=b c");
}

TEST(Pins, SavingOverAFileKeepsItsOtherContent) {
    IniDocument file = IniDocument::parse("[Own]\r\nA=1\r\n\r\n[Pin]\r\nEurl=old\r\nMine=x\r\nBrowser=9\r\n\r\n");
    writePreset(file, samplePreset());
    EXPECT_EQ(file.serialize(),
              "[Own]\r\nA=1\r\n\r\n[Pin]\r\nEurl=a=b c\r\nMine=x\r\nBrowser=3\r\nInterface=1\r\n"
              "Country=4\r\nLanguage=1\r\nType=5\r\nTime=2\r\nExact=two words\r\nExclude=-minus\r\n"
              "Domain=example.org\r\n\r\n");
}

TEST(Pins, MissingOrBadValuesReadAsNothingSet) {
    const Preset preset = readPreset(IniDocument::parse("[Pin]\r\nCountry=7\r\nType=x\r\nExact=e\r\n"));
    EXPECT_EQ(preset.lists.country, 7);
    EXPECT_EQ(preset.lists.fileType, 0);
    EXPECT_EQ(preset.lists.browser, 0);
    EXPECT_EQ(preset.exact, "e");
    EXPECT_EQ(preset.searchText, "");
}

TEST(Pins, EachPinButtonWritesItsOwnKey) {
    const char* keys[] = {"Browser", "Interface", "Country", "Language", "Type", "Time"};
    for (int button = 1; button <= 6; ++button) {
        IniDocument settings = IniDocument::parse("[Options]\r\nCompact=1\r\n\r\n");
        writePin(settings, button, 10 + button);
        EXPECT_EQ(settings.serialize(), "[Options]\r\nCompact=1\r\n\r\n[Pin]\r\n" + std::string(keys[button - 1]) +
                                            "=" + std::to_string(10 + button) + "\r\n\r\n");
    }
    IniDocument settings;
    writePin(settings, 3, 2);
    writePin(settings, 0, 5);
    writePin(settings, 7, 5);
    const PinnedIndices pins = readPins(settings);
    EXPECT_EQ(pins.country, 2);
    EXPECT_EQ(settings.serialize(), "[Pin]\r\nCountry=2\r\n\r\n");
}

}  // namespace
}  // namespace vask
