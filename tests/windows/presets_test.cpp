// Pins and presets as the user meets them: the six pin buttons and Reset
// against "vask.cfg", and ".vsk" presets saved and opened through the
// dialogs' seam, including files that hold strange values or cannot be
// read or written.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "advanced/advanced_window.h"
#include "advanced/pins.h"
#include "bar/bar_window.h"
#include "registry_sandbox.h"
#include "test_app.h"
#include "win/handles.h"

namespace vask::test {
namespace {

using PresetDialog = Tfext::PresetDialog;

// Stands in for the modal dialogs: notes what they were asked and answers with `answer`.
struct FakeDialogs {
    explicit FakeDialogs(Tfext& fext) {
        fext.chooseFile = [this](PresetDialog dialog, const std::wstring& fileName) {
            asked.push_back(dialog);
            preFilled.push_back(fileName);
            return answer;
        };
    }
    std::optional<std::wstring> answer;
    std::vector<PresetDialog> asked;
    std::vector<std::wstring> preFilled;
};

// A window with two browsers, shown from the bar.
struct PresetFixture {
    explicit PresetFixture(const std::string& settings = {}) : test(settings), dialogs(test.app->advanced()) {
        registry.addBrowser(L"FIREFOX.EXE", L"Firefox");
        registry.addBrowser(L"CHROME", L"Google Chrome");
        bar.GradButton3Click();
    }
    RegistrySandbox registry;
    TestApp test;
    Tmainform& bar = test.app->bar();
    Tfext& fext = test.app->advanced();
    FakeDialogs dialogs;
};

TEST(Presets, SavedPresetHasTheExactLayoutAndOpensBackEveryListTextAndTheSearchText) {
    PresetFixture f;
    Tfext& fext = f.fext;
    const int english = indexOf(fext.cb1, "English"), uk = indexOf(fext.cb3, "United Kingdom"),
              german = indexOf(fext.cb2, "German"), word = indexOf(fext.cb5, "Microsoft Word (.doc)");
    fext.lb.setItemIndex(1);
    choose(fext.cb1, english);
    choose(fext.cb3, uk);
    choose(fext.cb2, german);
    choose(fext.cb5, word);
    choose(fext.cb6, 5);
    fext.eexact.setText(
        "\xC4\x8D"
        "aj s mlekom");  // "čaj s mlekom"
    fext.eexclude.setText("pie");
    fext.edomain.setText("example.org");
    f.bar.eurl.setText("red apple");
    const SearchOptions chosen = searchOptionsFor(f.test.app->advancedChoice());

    const std::wstring path = f.test.folder.file(L"mine.vsk");
    f.dialogs.answer = path;
    click(fext.sb1);
    EXPECT_TRUE(f.test.prompter.prompts.empty());
    EXPECT_EQ(f.test.folder.read(L"mine.vsk"),
              "[Pin]\r\nBrowser=1\r\nInterface=" + std::to_string(english) + "\r\nCountry=" + std::to_string(uk) +
                  "\r\nLanguage=" + std::to_string(german) + "\r\nType=" + std::to_string(word) +
                  "\r\nTime=5\r\nExact=\xC4\x8D"
                  "aj s mlekom\r\nExclude=pie\r\nDomain=example.org\r\n"
                  "Eurl=red apple\r\n\r\n");
    EXPECT_EQ(fext.openDialogFileName, path);

    // Everything changes, then the preset comes back.
    fext.lb.setItemIndex(0);
    for (win::ComboBox* list : {&fext.cb1, &fext.cb2, &fext.cb3, &fext.cb5, &fext.cb6}) choose(*list, 2);
    for (win::Edit* edit : {&fext.eexact, &fext.eexclude, &fext.edomain, &f.bar.eurl}) edit->setText("other");
    f.dialogs.answer = path;
    click(fext.sb2);

    EXPECT_EQ(f.dialogs.asked, (std::vector<PresetDialog>{PresetDialog::Save, PresetDialog::Open}));
    // The save dialog starts without a name; the open dialog gets the name just saved.
    EXPECT_EQ(f.dialogs.preFilled, (std::vector<std::wstring>{L"", path}));
    EXPECT_EQ(fext.lb.selectedText(), "Google Chrome");
    EXPECT_EQ(f.test.app->advancedChoice().pinnedBrowserIndex, 1);
    EXPECT_EQ(fext.cb1.itemIndex(), english);
    EXPECT_EQ(fext.cb3.itemIndex(), uk);
    EXPECT_EQ(fext.cb2.itemIndex(), german);
    EXPECT_EQ(fext.cb5.itemIndex(), word);
    EXPECT_EQ(fext.cb6.selectedText(), "Past year");
    EXPECT_EQ(fext.eexact.text(),
              "\xC4\x8D"
              "aj s mlekom");
    EXPECT_EQ(fext.eexclude.text(), "pie");
    EXPECT_EQ(fext.edomain.text(), "example.org");
    EXPECT_EQ(f.bar.eurl.text(), "red apple");
    EXPECT_EQ(searchOptionsFor(f.test.app->advancedChoice()), chosen);
    EXPECT_TRUE(f.test.prompter.prompts.empty());
}

TEST(Presets, SavingOverAFileKeepsItsOtherSectionsAndKeysAndCancelWritesNothing) {
    PresetFixture f;
    const std::string old = "; made by hand\r\n[Other]\r\nx=1\r\n\r\n[Pin]\r\nEurl=old\r\nMine=7\r\nTime=1\r\n\r\n";
    f.test.folder.write(L"mine.vsk", old);
    f.fext.openDialogFileName = L"before.vsk";

    f.dialogs.answer.reset();  // Cancel
    click(f.fext.sb1);
    EXPECT_EQ(f.test.folder.read(L"mine.vsk"), old);
    EXPECT_EQ(f.fext.openDialogFileName, L"before.vsk");

    f.bar.eurl.setText("new");
    f.dialogs.answer = f.test.folder.file(L"mine.vsk");
    click(f.fext.sb1);
    EXPECT_EQ(f.dialogs.preFilled.back(), L"before.vsk");
    // Existing keys keep their place; the missing ones join the end of the section.
    EXPECT_EQ(f.test.folder.read(L"mine.vsk"),
              "; made by hand\r\n[Other]\r\nx=1\r\n\r\n[Pin]\r\nEurl=new\r\nMine=7\r\nTime=0\r\nBrowser=0\r\n"
              "Interface=0\r\nCountry=0\r\nLanguage=0\r\nType=0\r\nExact=\r\nExclude=\r\nDomain=\r\n\r\n");
    EXPECT_EQ(f.fext.openDialogFileName, f.test.folder.file(L"mine.vsk"));
}

TEST(Presets, PinButtonsKeepTheirOwnListAndResetRestoresAllButTheTimePeriod) {
    PresetFixture f;
    Tfext& fext = f.fext;

    // Without "vask.cfg" Reset only forgets the file name.
    ASSERT_FALSE(f.test.folder.exists(L"vask.cfg"));
    choose(fext.cb1, 4);
    fext.openDialogFileName = L"x.vsk";
    click(fext.sb4);
    EXPECT_EQ(fext.cb1.itemIndex(), 4);
    EXPECT_TRUE(fext.openDialogFileName.empty());

    // Each pin writes its own key: distinct indices show a mixed-up pair.
    f.test.folder.write(L"vask.cfg", "[Other]\r\nkeep=1\r\n\r\n");
    fext.lb.setItemIndex(1);
    choose(fext.cb1, 2);
    choose(fext.cb3, 3);
    choose(fext.cb2, 4);
    choose(fext.cb5, 5);
    choose(fext.cb6, 1);
    for (win::Button* pin : {&fext.SpeedButton1, &fext.SpeedButton2, &fext.SpeedButton3, &fext.SpeedButton4,
                             &fext.SpeedButton5, &fext.SpeedButton6})
        click(*pin);
    const std::string pinned = f.test.folder.read(L"vask.cfg");
    EXPECT_EQ(pinned.rfind("[Other]\r\nkeep=1\r\n", 0), 0u) << pinned;
    const PinnedIndices pins = readPins(IniDocument::parse(pinned));
    EXPECT_EQ(pins.browser, 1);
    EXPECT_EQ(pins.interfaceLanguage, 2);
    EXPECT_EQ(pins.country, 3);
    EXPECT_EQ(pins.resultLanguage, 4);
    EXPECT_EQ(pins.fileType, 5);
    EXPECT_EQ(pins.timePeriod, 1);

    // The pinned browser is taken at each press of "Advanced Search" (here: hide, show).
    f.test.app->bar().GradButton3Click();
    f.test.app->bar().GradButton3Click();
    ASSERT_EQ(f.test.app->advancedChoice().pinnedBrowserIndex, 1);

    // Only the country pinned: the other lists go to 0, the time period stays.
    f.test.folder.write(L"vask.cfg", "");
    const int uk = indexOf(fext.cb3, "United Kingdom");
    choose(fext.cb3, uk);
    click(fext.SpeedButton3);
    EXPECT_EQ(f.test.folder.read(L"vask.cfg"), "[Pin]\r\nCountry=" + std::to_string(uk) + "\r\n\r\n");
    choose(fext.cb3, 9);
    choose(fext.cb6, 3);
    fext.openDialogFileName = L"x.vsk";
    click(fext.sb4);
    EXPECT_EQ(fext.cb3.selectedText(), "United Kingdom");
    for (const win::ComboBox* list : {&fext.lb, &fext.cb1, &fext.cb2, &fext.cb5}) EXPECT_EQ(list->itemIndex(), 0);
    EXPECT_EQ(fext.cb6.itemIndex(), 3);
    EXPECT_EQ(f.test.app->advancedChoice().pinnedBrowserIndex, 1);
    EXPECT_TRUE(fext.openDialogFileName.empty());
    const SearchOptions options = searchOptionsFor(f.test.app->advancedChoice());
    EXPECT_EQ(options.country, "&cr=countryUK");
    EXPECT_EQ(options.bingLocation, "+loc%3AUK");
    EXPECT_EQ(options.fileType, "");
    EXPECT_EQ(options.wikipediaPrefix, "");
}

TEST(Presets, StrangeOrMissingValuesNeverSelectOutsideAListAndLeaveTheSearchTextEmpty) {
    PresetFixture f;
    Tfext& fext = f.fext;
    choose(fext.cb1, indexOf(fext.cb1, "English"));
    choose(fext.cb3, indexOf(fext.cb3, "United Kingdom"));
    choose(fext.cb2, indexOf(fext.cb2, "German"));
    choose(fext.cb6, 4);
    f.bar.eurl.setText("old text");

    // A name that does not exist does nothing.
    f.dialogs.answer = f.test.folder.file(L"missing.vsk");
    click(fext.sb2);
    EXPECT_EQ(f.bar.eurl.text(), "old text");
    EXPECT_TRUE(fext.openDialogFileName.empty());

    f.test.folder.write(L"odd.vsk",
                        "[Pin]\r\nBrowser=7\r\nInterface=-3\r\nCountry=99999\r\nLanguage=abc\r\n"
                        "Type=99999999999999999999\r\n\r\n");
    f.dialogs.answer = f.test.folder.file(L"odd.vsk");
    click(fext.sb2);
    EXPECT_TRUE(f.test.prompter.prompts.empty());
    EXPECT_EQ(f.bar.eurl.text(), "");
    EXPECT_EQ(fext.lb.itemIndex(), -1);
    EXPECT_EQ(f.test.app->advancedChoice().pinnedBrowserIndex, 7);
    EXPECT_EQ(fext.cb1.itemIndex(), -1);
    EXPECT_EQ(fext.cb3.itemIndex(), -1);
    EXPECT_EQ(fext.cb2.selectedText(), "- - -");  // not a number reads as 0
    EXPECT_EQ(fext.cb5.selectedText(), "- - -");  // beyond int as well
    EXPECT_EQ(fext.cb6.selectedText(), "Any time");
    const SearchOptions options = searchOptionsFor(f.test.app->advancedChoice());
    EXPECT_EQ(options.interfaceLanguage, "");
    EXPECT_EQ(options.country, "");
    EXPECT_EQ(options.bingLocation, "");
    EXPECT_EQ(options.bingLanguage, "");
    EXPECT_EQ(options.wikipediaPrefix, "");
    EXPECT_EQ(options.fileType, "");

    // The search that follows carries none of the old options and goes to the default browser.
    f.bar.eurl.setText("x");
    f.bar.sbGoClick();
    ASSERT_EQ(f.test.launcher.launches.size(), 1u);
    EXPECT_EQ(f.test.launcher.launches[0].program, "");
    const std::string& url = f.test.launcher.launches[0].url;
    EXPECT_EQ(url.find("hl="), std::string::npos) << url;
    EXPECT_EQ(url.find("cr="), std::string::npos) << url;
    EXPECT_EQ(url.find("lang_"), std::string::npos) << url;
    EXPECT_EQ(url.find("tbs="), std::string::npos) << url;
}

TEST(Presets, AFileThatIsNoPresetIsSaidAndChangesNothing) {
    PresetFixture f;
    Tfext& fext = f.fext;
    fext.eexact.setText("exact words");
    fext.eexclude.setText("not this");
    fext.edomain.setText("example.org");
    f.bar.eurl.setText("typed");
    f.test.folder.write(L"junk.vsk", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR=\xff", 20));
    f.dialogs.answer = f.test.folder.file(L"junk.vsk");
    click(fext.sb2);
    ASSERT_EQ(f.test.prompter.prompts.size(), 1u);
    EXPECT_NE(f.test.prompter.prompts[0].text.find("junk.vsk"), std::string::npos) << f.test.prompter.prompts[0].text;
    EXPECT_EQ(fext.eexact.text(), "exact words");
    EXPECT_EQ(fext.eexclude.text(), "not this");
    EXPECT_EQ(fext.edomain.text(), "example.org");
    EXPECT_EQ(f.bar.eurl.text(), "typed");
    EXPECT_TRUE(fext.openDialogFileName.empty());
}

TEST(Presets, FilesThatCannotBeReadOrWrittenShowTheSystemMessageAndChangeNothing) {
    PresetFixture f;
    Tfext& fext = f.fext;
    const std::string old = "[Pin]\r\nCountry=5\r\nEurl=kept\r\n\r\n";
    f.test.folder.write(L"mine.vsk", old);
    choose(fext.cb3, 9);
    f.bar.eurl.setText("typed");
    const SearchOptions before = searchOptionsFor(f.test.app->advancedChoice());

    // A folder where the temporary file would go: the save fails, the old file stays.
    ASSERT_TRUE(CreateDirectoryW(f.test.folder.file(L"mine.vsk.tmp").c_str(), nullptr));
    f.dialogs.answer = f.test.folder.file(L"mine.vsk");
    click(fext.sb1);
    ASSERT_EQ(f.test.prompter.prompts.size(), 1u);
    EXPECT_EQ(f.test.prompter.prompts[0].text.rfind("mine.vsk: ", 0), 0u) << f.test.prompter.prompts[0].text;
    EXPECT_EQ(f.test.folder.read(L"mine.vsk"), old);
    EXPECT_TRUE(fext.openDialogFileName.empty());

    // Held open by another program without sharing: neither saved over (its other
    // keys could not be kept) nor opened.
    {
        const win::FileHandle held(CreateFileW(f.test.folder.file(L"mine.vsk").c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        RemoveDirectoryW(f.test.folder.file(L"mine.vsk.tmp").c_str());
        click(fext.sb1);
        click(fext.sb2);
        ASSERT_EQ(f.test.prompter.prompts.size(), 3u);
        for (size_t i = 1; i < 3; ++i)
            EXPECT_EQ(f.test.prompter.prompts[i].text.rfind("mine.vsk: ", 0), 0u) << f.test.prompter.prompts[i].text;
    }
    EXPECT_EQ(f.test.folder.read(L"mine.vsk"), old);
    EXPECT_FALSE(f.test.folder.exists(L"mine.vsk.tmp"));
    EXPECT_EQ(fext.cb3.itemIndex(), 9);
    EXPECT_EQ(f.bar.eurl.text(), "typed");
    EXPECT_EQ(searchOptionsFor(f.test.app->advancedChoice()), before);
    EXPECT_TRUE(fext.openDialogFileName.empty());
}

}  // namespace
}  // namespace vask::test
