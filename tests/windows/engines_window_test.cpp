// The Engines window: one's own engines typed in, checked, changed and
// removed, each accepted change saved into [Engines] of "vask.cfg" at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <utility>

#include "bar/bar_window.h"
#include "engines/engines_window.h"
#include "test_app.h"
#include "win/handles.h"

namespace vask::test {
namespace {

constexpr char OtherSection[] = "[Other]\r\n; kept as written\r\nkey = value \r\n\r\n";
constexpr char Ddg[] = "ddg=DuckDuckGo|https://duckduckgo.com/?q={q}";

struct EnginesWindow : ::testing::Test {
    EnginesWindow() : test(OtherSection), window(test.app->enginesWindow()) {
        window.Show();
        runLoopUntil([&] { return GetForegroundWindow() == window.hwnd(); });
    }
    std::string file() const { return test.folder.read(L"vask.cfg"); }
    void fill(const char* name, const char* keyword, const char* urlTemplate) {
        window.eName.setText(name);
        window.eKeyword.setText(keyword);
        window.eTemplate.setText(urlTemplate);
    }
    TestApp test;
    TfEngines& window;
    // The bar's "Search engine" menu (the compact layout's) lists the engines the bar knows.
    int enginesInBarMenu() const { return GetMenuItemCount(GetSubMenu(test.app->bar().pop(), 3)); }
};

TEST_F(EnginesWindow, AnEngineTypedInIsSavedIntoEnginesKeepingTheRestOfTheFile) {
    ASSERT_EQ(window.lvEngines.count(), 3) << "the built-in engines";
    pressWithAlt('N');  // "&Name:"
    runLoopUntil([&] { return window.eName.focused(); });
    typeText(L"DuckDuckGo");
    press(VK_TAB);
    typeText(L"ddg");
    press(VK_TAB);
    typeText(L"https://duckduckgo.com/?q={q}");
    runLoopUntil([&] { return !window.eTemplate.text().empty(); });
    pressWithAlt('A');  // "&Add"
    runLoopUntil([&] { return enginesInBarMenu() == 4; });

    EXPECT_TRUE(test.prompter.prompts.empty());
    ASSERT_EQ(test.app->ownEngines, (std::vector<OwnEngine>{{"ddg", "DuckDuckGo", "https://duckduckgo.com/?q={q}"}}));
    EXPECT_EQ(window.lvEngines.count(), 4);
    const std::string saved = file();
    EXPECT_NE(saved.find(std::string("[Engines]\r\n") + Ddg + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find(OtherSection), std::string::npos) << saved;

    press(VK_ESCAPE);
    runLoopUntil([&] { return !window.isVisible(); });
    EXPECT_FALSE(window.isVisible());
}

TEST_F(EnginesWindow, FieldsAreCheckedBuiltInRowsAreReadOnlyAndChangesAndRemovalsAreSaved) {
    const std::string before = file();
    const std::pair<const char*, const char*> refused[] = {{"calc", "C:\\Windows\\System32\\calc.exe {q}"},
                                                           {"w", "https://duckduckgo.com/?q={q}"}};
    for (const auto& [keyword, urlTemplate] : refused) {
        fill("Bad", keyword, urlTemplate);
        click(window.bAdd);
        EXPECT_EQ(window.eTemplate.text(), urlTemplate) << "nothing typed is lost";
    }
    ASSERT_EQ(test.prompter.prompts.size(), 2u) << "one message each";
    EXPECT_NE(test.prompter.prompts[0].text.find("http://"), std::string::npos);
    EXPECT_NE(test.prompter.prompts[1].text.find("g, b and w"), std::string::npos);
    EXPECT_EQ(file(), before);
    EXPECT_EQ(enginesInBarMenu(), 3);

    fill("DuckDuckGo", "ddg", "https://duckduckgo.com/?q={q}");
    click(window.bAdd);
    window.lvEngines.selectOnly(0);  // Google
    EXPECT_EQ(window.eKeyword.text(), "g");
    EXPECT_FALSE(IsWindowEnabled(window.bChange.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(window.bRemove.hwnd()));
    click(window.bRemove);
    EXPECT_EQ(window.lvEngines.count(), 4);

    window.lvEngines.selectOnly(3);
    ASSERT_EQ(window.eName.text(), "DuckDuckGo");
    window.eName.setText(" Duck ");
    click(window.bChange);
    EXPECT_NE(file().find("ddg=Duck|https://duckduckgo.com/?q={q}\r\n"), std::string::npos) << file();
    EXPECT_EQ(test.app->ownEngines.at(0).name, "Duck");

    // A file that cannot be read is not overwritten, and the window keeps what it shows.
    const std::string saved = file();
    {
        const win::FileHandle locked(CreateFileW(test.folder.file(L"vask.cfg").c_str(), GENERIC_READ, 0, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        click(window.bRemove);
    }
    ASSERT_EQ(test.prompter.prompts.size(), 3u);
    EXPECT_NE(test.prompter.prompts[2].text.find("vask.cfg"), std::string::npos);
    EXPECT_EQ(file(), saved);
    EXPECT_EQ(window.lvEngines.count(), 4);

    click(window.bRemove);
    EXPECT_TRUE(test.app->ownEngines.empty());
    EXPECT_EQ(window.lvEngines.count(), 3);
    EXPECT_EQ(file().find("ddg="), std::string::npos) << file();
    EXPECT_NE(file().find(OtherSection), std::string::npos);
    EXPECT_EQ(enginesInBarMenu(), 3);
}

// Import reads an OpenSearch file with the system's XML reader into the
// fields; the user gives the keyword and adds it. A file that makes no
// engine is named with its reasons and changes nothing.
TEST_F(EnginesWindow, AnOpenSearchFileFillsTheFieldsAndAHostileOneChangesNothing) {
    std::optional<std::wstring> chosen;
    window.chooseImportFile = [&] { return chosen; };
    test.folder.write(
        L"wiki.xml",
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<OpenSearchDescription>\r\n"
        "  <ShortName>Wikipedia (en) &amp; more</ShortName>\r\n"
        "  <Url type=\"application/x-suggestions+json\" template=\"https://s.example/?q={searchTerms}\"/>\r\n"
        "  <Url type=\"text/html\" method=\"get\" template=\"https://en.wikipedia.org/w/index.php\">\r\n"
        "    <Param name=\"search\" value=\"{searchTerms}\"/><Param name=\"ie\" value=\"{inputEncoding}\"/>\r\n"
        "  </Url>\r\n</OpenSearchDescription>\r\n");
    chosen = test.folder.file(L"wiki.xml");
    click(window.bImport);
    EXPECT_TRUE(test.prompter.prompts.empty()) << test.prompter.prompts.front().text;
    EXPECT_EQ(window.eName.text(), "Wikipedia (en) & more");
    EXPECT_EQ(window.eTemplate.text(), "https://en.wikipedia.org/w/index.php?search={searchTerms}&ie=UTF-8");
    EXPECT_EQ(window.eSuggestTemplate.text(), "https://s.example/?q={searchTerms}");
    runLoopUntil([&] { return window.eKeyword.focused(); });
    typeText(L"wen");
    runLoopUntil([&] { return window.eKeyword.text() == "wen"; });
    click(window.bAdd);
    const std::string added = file();
    EXPECT_NE(added.find("[Engines]\r\nwen=Wikipedia (en) & more|"
                         "https://en.wikipedia.org/w/index.php?search={searchTerms}&ie=UTF-8|"
                         "https://s.example/?q={searchTerms}\r\n"),
              std::string::npos)
        << added;

    const std::pair<const wchar_t*, std::string> hostile[] = {
        {L"file.xml",
         "<OpenSearchDescription><ShortName>F</ShortName>"
         "<Url type=\"text/html\" template=\"file:///c:/x?{searchTerms}\"/></OpenSearchDescription>"},
        {L"post.xml",
         "<OpenSearchDescription><ShortName>P</ShortName>"
         "<Url type=\"text/html\" method=\"POST\" template=\"https://x/\"/></OpenSearchDescription>"},
        {L"big.xml",
         "<OpenSearchDescription><ShortName>" + std::string(2 << 20, 'x') + "</ShortName></OpenSearchDescription>"},
        {L"broken.xml", "<OpenSearchDescription><ShortName>B</Short"},
        {L"entity.xml",
         "<!DOCTYPE d [<!ENTITY e \"https://x/?q={searchTerms}\">]><OpenSearchDescription>"
         "<ShortName>E</ShortName><Url type=\"text/html\" template=\"&e;\"/></OpenSearchDescription>"}};
    for (const auto& [name, content] : hostile) {
        test.folder.write(name, content);
        chosen = test.folder.file(name);
        window.eName.setText("typed");
        click(window.bImport);
        EXPECT_EQ(window.eName.text(), "typed") << "nothing typed is lost";
    }
    ASSERT_EQ(test.prompter.prompts.size(), std::size(hostile)) << "one message each";
    EXPECT_NE(test.prompter.prompts[0].text.find("http://"), std::string::npos) << test.prompter.prompts[0].text;
    EXPECT_NE(test.prompter.prompts[1].text.find("POST"), std::string::npos) << test.prompter.prompts[1].text;
    EXPECT_NE(test.prompter.prompts[2].text.find("1 MB"), std::string::npos) << test.prompter.prompts[2].text;
    EXPECT_EQ(file(), added);
}

// Each change is made to the file's lines as they stand: a line added by
// hand while the window was open stays, a line the start said is unused stays
// unused, and the bar's chosen engine is kept by keyword.
TEST(EnginesWindowEdits, ChangesKeepLinesAddedMeanwhileAndNeverBringAnUnusedLineIntoUse) {
    const std::string tracker = "DDG=Tracker|https://tracker.example/?q={q}\r\n";
    const std::string hand = "hand=By hand|https://hand.example/?q={q}\n";
    TestApp test(std::string(OtherSection) + "[Engines]\r\n" + Ddg + "\r\n" + tracker);
    ASSERT_EQ(test.prompter.prompts.size(), 1u) << "the unused line is said at start";
    const auto file = [&] { return test.folder.read(L"vask.cfg"); };
    TfEngines& engines = test.app->enginesWindow();
    engines.Show();
    ASSERT_EQ(engines.lvEngines.count(), 4);
    test.folder.write(L"vask.cfg", file() + hand);  // by hand, while the window is open

    engines.eName.setText("GitHub");
    engines.eKeyword.setText("gh");
    engines.eTemplate.setText("https://github.com/search?q={q}");
    click(engines.bAdd);
    const std::string gh = "gh=GitHub|https://github.com/search?q={q}\r\n";
    EXPECT_EQ(file(), std::string(OtherSection) + "[Engines]\r\n" + Ddg + "\r\n" + tracker + hand + gh);
    EXPECT_EQ(engines.lvEngines.count(), 6) << "the line added by hand is listed";
    ASSERT_EQ(test.app->ownEngines.size(), 3u);

    engines.lvEngines.selectOnly(3);  // ddg
    ASSERT_EQ(engines.eKeyword.text(), "ddg");
    click(engines.bRemove);
    EXPECT_EQ(file(), std::string(OtherSection) + "[Engines]\r\n" + hand + gh);
    const std::vector<OwnEngine> left{{"hand", "By hand", "https://hand.example/?q={q}"},
                                      {"gh", "GitHub", "https://github.com/search?q={q}"}};
    EXPECT_EQ(test.app->ownEngines, left) << "the tracker line does not take ddg's place";
    EXPECT_EQ(test.prompter.prompts.size(), 1u) << test.prompter.prompts.back().text;
}

TEST_F(EnginesWindow, TheBarKeepsItsEngineByKeywordAndFallsBackToItsServiceWhenItGoes) {
    for (const char* keyword : {"aa", "bb", "cc"}) {
        window.eName.setText(std::string("Engine ") + keyword);
        window.eKeyword.setText(keyword);
        window.eTemplate.setText(std::string("https://") + keyword + ".example/?q={q}");
        click(window.bAdd);
    }
    Tmainform& bar = test.app->bar();
    bar.selectEngine(SearchEngine::Bing);
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::FirstOwnEngine + 1, 0);  // bb
    const auto searchGoesTo = [&] {
        bar.setSearchText("x");
        bar.sbGoClick();
        return test.launcher.launches.back().url;
    };
    window.lvEngines.selectOnly(3);  // aa, above the chosen one
    click(window.bRemove);
    EXPECT_EQ(searchGoesTo(), "https://bb.example/?q=x");

    window.lvEngines.selectOnly(3);  // bb, renamed
    window.eKeyword.setText("b2");
    click(window.bChange);
    EXPECT_EQ(searchGoesTo(), "https://bb.example/?q=x");

    window.lvEngines.selectOnly(3);  // b2, chosen and not last
    click(window.bRemove);
    EXPECT_EQ(searchGoesTo().rfind("http://www.bing.com/", 0), 0u) << test.launcher.launches.back().url;
    EXPECT_TRUE(bar.cb2.checked());
}

}  // namespace
}  // namespace vask::test
