// The search history as the user meets it: recording, the list, find,
// navigation, Run, delete and clear, and "hist.sdf" across runs.
#include <gtest/gtest.h>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "history/history_file.h"
#include "history/history_window.h"
#include "search/search_tables.h"
#include "screen_picture.h"
#include "test_app.h"
#include "win/handles.h"
#include "win/text.h"

namespace vask::test {
namespace {

HistoryRecord plainRow(const std::string& search) {
    SearchSnapshot snapshot;
    snapshot.date = "1.2.2024";
    snapshot.time = "10:00:00";
    snapshot.searchText = search;
    return makeHistoryRecord(snapshot);
}

// Puts rows into the history through the real loader.
void loadRows(TestApp& test, const std::vector<HistoryRecord>& rows) {
    test.folder.write(L"hist.sdf", saveHistory(std::span<const HistoryRecord>(rows)));
    test.app->history.LoadListViewToFile(test.folder.file(L"hist.sdf"));
    test.app->historyWindow().Show();  // a hidden list catches up when it is shown
}

// A new App on the same folder, without the saves of closing.
void reopen(TestApp& test) {
    test.app.reset();
    pumpMessages();
    test.app = std::make_unique<App>(test.folder.path(), test.launcher, test.prompter);
    test.app->createWindows();
    pumpMessages();
}

std::string searchOf(const HistoryRecord& row) { return std::string(subItemOrEmpty(row, HistoryItem::Search)); }

// `row` with sub-item `i` replaced by `text`.
HistoryRecord withSubItem(const HistoryRecord& row, size_t i, std::string_view text) {
    std::vector<std::string_view> items;
    for (size_t k = 0; k < row.subItemCount(); ++k) items.push_back(k == i ? text : row.subItem(k));
    return HistoryRecord(row.caption(), items, row.imageIndex());
}

// The text the list itself shows in a cell (asked of the window, as it draws).
std::string cellText(const Tfhist& history, int row, int column) {
    wchar_t buffer[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 256;
    const auto length = SendMessageW(history.tabela.hwnd(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return win::toUtf8(std::wstring_view(buffer, static_cast<size_t>(length)));
}

// The background the custom draw gives a row, through the window's own notification.
COLORREF drawnBackground(const Tfhist& history, int row) {
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = history.tabela.hwnd();
    draw.nmcd.hdr.idFrom = static_cast<UINT_PTR>(history.tabela.id());
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    draw.clrTextBk = CLR_DEFAULT;
    SendMessageW(history.hwnd(), WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
    return draw.clrTextBk;
}

TEST(HistoryWindow, RecordingPutsTheNewRowFirstAndLeavesThePreviousTopSelected) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    ASSERT_TRUE(bar.menuChecked(Tmainform::enahist));

    bar.eurl.setText("");
    bar.sbGoClick();
    EXPECT_EQ(test.app->history.selectedRow(), 0u) << "the new row, when it is alone";
    bar.eurl.setText("C");
    bar.sbGoClick();
    ASSERT_EQ(test.app->historyWindowIfMade(), nullptr) << "recording needs no history window";
    Tfhist& history = test.app->historyWindow();  // made now, it shows what was recorded
    ASSERT_EQ(history.rows().size(), 2u);
    EXPECT_EQ(history.tabela.count(), 2);
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{1});
    EXPECT_FALSE(history.rows()[1].caption().empty());  // the date
    EXPECT_EQ(searchOf(history.rows()[1]), "- - -");

    for (const char* text : {"B", "A"}) {
        bar.eurl.setText(text);
        bar.sbGoClick();
    }
    bar.selectEngine(SearchEngine::Wikipedia);
    bar.eurl.setText("N");
    bar.sbGoClick();
    ASSERT_EQ(history.rows().size(), 5u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(searchOf(history.rows()[i]), std::string(1, "NABC"[i]));
    history.Show();
    EXPECT_EQ(history.tabela.count(), 5);
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{1});
    EXPECT_EQ(cellText(history, 0, 2), "N");
    EXPECT_EQ(cellText(history, 3, 2), "C");
    EXPECT_EQ(test.launcher.launches.size(), 5u);  // recording never stops the search

    // The advanced window hidden: "- - -" up to "Google" whatever the engine, no Bing or Wikipedia cells.
    const HistoryRecord& plain = history.rows()[0];
    ASSERT_EQ(plain.subItemCount(), PlainRowItems);
    for (size_t i = HistoryItem::Exact; i <= HistoryItem::Google; ++i) EXPECT_EQ(plain.subItem(i), "- - -");
    EXPECT_EQ(cellText(history, 0, 13), "");
    EXPECT_EQ(cellText(history, 0, 14), "");

    test.app->advanced().xexpandClick();
    ASSERT_TRUE(test.app->advanced().isVisible());
    Tfext& advanced = test.app->advanced();
    advanced.cb5.setItemIndex(1);
    advanced.eexact.setText("exact words");
    bar.sbGoClick();
    const HistoryRecord& full = history.rows()[0];
    ASSERT_EQ(full.subItemCount(), FullRowItems);
    EXPECT_EQ(full.subItem(HistoryItem::Exact), "exact words");
    EXPECT_EQ(full.subItem(HistoryItem::Exclude), "- - -");
    EXPECT_EQ(full.subItem(HistoryItem::FileType), "Adobe Acrobat PDF (.pdf)");
    EXPECT_EQ(full.subItem(HistoryItem::TimePeriod), advanced.cb6.selectedText());
    EXPECT_EQ(full.subItem(HistoryItem::Google), "- - -");
    EXPECT_EQ(full.subItem(HistoryItem::Wikipedia), "Yes");

    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::enahist, 0);
    ASSERT_FALSE(bar.menuChecked(Tmainform::enahist));
    bar.sbGoClick();
    EXPECT_EQ(history.rows().size(), 6u);
}

TEST(HistoryWindow, DetailsShowTheLowestSelectedRowAndEmptyFieldsForShortRows) {
    TestApp test;
    Tfhist& history = test.app->historyWindow();
    std::vector<HistoryRecord> rows;
    for (const char* text : {"r0", "r1", "r2", "r3", "r4", "r5"}) rows.push_back(plainRow(text));
    rows[5] = HistoryRecord("1.2.2024", {"10:00:00", "r5"});  // a foreign file's short row: Time and Search only
    loadRows(test, rows);
    ASSERT_EQ(history.tabela.count(), 6);

    click(history.SpeedButton2);
    ASSERT_TRUE(history.tabela.multiSelect());
    history.tabela.setSelected(5, true);
    history.tabela.setSelected(3, true);
    history.tabelaClick();
    EXPECT_EQ(history.e1.text(), "1.2.2024");
    EXPECT_EQ(history.e3.text(), "r3");
    EXPECT_EQ(history.e12.text(), "- - -");

    history.tabela.selectOnly(5);
    history.tabelaClick();
    EXPECT_EQ(history.e3.text(), "r5");
    EXPECT_EQ(history.e4.text(), "");
    EXPECT_EQ(history.e12.text(), "");
}

TEST(HistoryWindow, NavigationMovesOneSelection) {
    TestApp test;
    Tfhist& history = test.app->historyWindow();
    loadRows(test, {plainRow("a"), plainRow("b"), plainRow("c"), plainRow("d")});
    ASSERT_EQ(history.tabela.firstSelected(), -1);

    click(history.SpeedButton7);  // First, with nothing selected: nothing happens
    EXPECT_EQ(history.tabela.firstSelected(), -1);
    EXPECT_EQ(history.e3.text(), "");
    click(history.SpeedButton5);  // Prior, likewise
    EXPECT_EQ(history.tabela.firstSelected(), -1);

    click(history.SpeedButton6);  // Next starts at row 0
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{0});
    EXPECT_EQ(history.e3.text(), "a");

    click(history.SpeedButton2);  // multi select on, several rows selected ...
    history.tabela.setSelected(2, true);
    click(history.SpeedButton8);  // ... Last releases it and selects the last row alone
    EXPECT_FALSE(history.SpeedButton2.checked());
    EXPECT_FALSE(history.tabela.multiSelect());
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{3});
    EXPECT_EQ(history.e3.text(), "d");

    click(history.SpeedButton6);  // Next at the end: nothing
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{3});
    click(history.SpeedButton5);
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{2});
    EXPECT_EQ(history.e3.text(), "c");
    click(history.SpeedButton7);
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{0});
    EXPECT_EQ(history.e3.text(), "a");
}

TEST(HistoryWindow, FindHighlightsRowsWithTheTextInTheSearchedColumns) {
    TestApp test;
    Tfhist& history = test.app->historyWindow();
    const HistoryRecord pdfType = withSubItem(plainRow("manual"), HistoryItem::FileType, "Adobe Acrobat PDF (.pdf)");
    // Browser is not searched.
    const HistoryRecord pdfBrowser = withSubItem(plainRow("other"), HistoryItem::Browser, "pdf viewer");
    loadRows(test, {plainRow("cats"), pdfType, plainRow("my PDF notes"), pdfBrowser, plainRow("dogs")});

    constexpr COLORREF Grey = 0xF5F5F5, White = 0xFFFFFF, Yellow = RGB(0xFF, 0xFF, 0xB9);
    const std::vector<COLORREF> plain{Grey, White, Grey, White, Grey};
    for (int row = 0; row < 5; ++row) EXPECT_EQ(drawnBackground(history, row), plain[row]) << row;

    history.hurl.setText("pdf");
    SendMessageW(history.hurl.hwnd(), WM_CHAR, L'\r', 0);
    EXPECT_EQ(history.hurl.text(), "pdf");  // Enter is taken, not typed
    const std::vector<COLORREF> found{Grey, Yellow, Yellow, White, Grey};
    for (int row = 0; row < 5; ++row) EXPECT_EQ(drawnBackground(history, row), found[row]) << row;
    EXPECT_EQ(history.tabela.firstSelected(), -1);  // find neither selects nor scrolls
}

TEST(HistoryWindow, RunWithoutOptionsHidesTheAdvancedWindowAndFillsOnlyTheSearchText) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    Tfhist& history = test.app->historyWindow();
    Tfext& advanced = test.app->advanced();
    loadRows(test, {plainRow("first"), plainRow("second")});
    test.app->advanced().xexpandClick();
    ASSERT_TRUE(advanced.isVisible());
    advanced.eexact.setText("kept");

    click(history.SpeedButton4);  // nothing shown yet: Run takes the chosen row, row 0
    EXPECT_EQ(bar.eurl.text(), "first");
    test.app->advanced().xexpandClick();
    history.tabela.selectOnly(1);
    history.tabelaClick();
    click(history.SpeedButton4);
    EXPECT_EQ(bar.eurl.text(), "second");
    EXPECT_FALSE(advanced.isVisible());
    EXPECT_FALSE(test.app->advancedChoice().open);
    EXPECT_EQ(advanced.eexact.text(), "kept");
    EXPECT_TRUE(test.launcher.launches.empty());  // Run does not search
}

TEST(HistoryWindow, RunWithOptionsOpensTheAdvancedWindowDockedAndRestoresListsAndEdits) {
    TestApp test;
    Tmainform& bar = test.app->bar();
    Tfhist& history = test.app->historyWindow();
    Tfext& advanced = test.app->advanced();
    ASSERT_FALSE(advanced.isVisible());

    SearchSnapshot snapshot;
    snapshot.date = "1.2.2024";
    snapshot.time = "10:00:00";
    snapshot.searchText = "recorded search";
    snapshot.options.emplace();
    snapshot.options->exact = "exact phrase";
    snapshot.options->domain = "example.org";
    snapshot.options->fileType = "adobe acrobat pdf (.PDF)";  // lists are matched ignoring case
    snapshot.options->browser = "No such browser";
    snapshot.options->interfaceLanguage = std::string(InterfaceLanguages[5].item);
    snapshot.options->country = std::string(Countries[7].item);
    snapshot.options->resultLanguage = std::string(ResultLanguages[3].item);
    snapshot.options->timePeriod = "Past week";
    snapshot.engine = SearchEngine::Google;
    loadRows(test, {makeHistoryRecord(snapshot)});

    bar.eurl.setText("typed before");
    history.tabelaClick();
    click(history.SpeedButton4);

    EXPECT_TRUE(advanced.isVisible());
    EXPECT_TRUE(test.app->advancedChoice().open);
    EXPECT_TRUE(test.app->advancedChoice().docked);
    EXPECT_EQ(advanced.cb1.itemIndex(), 5);
    EXPECT_EQ(advanced.cb3.itemIndex(), 7);
    EXPECT_EQ(advanced.cb2.itemIndex(), 3);
    EXPECT_EQ(advanced.cb6.selectedText(), "Past week");
    EXPECT_EQ(advanced.cb5.selectedText(), "Adobe Acrobat PDF (.pdf)");
    EXPECT_EQ(advanced.eexact.text(), "exact phrase");
    EXPECT_EQ(advanced.eexclude.text(), "");
    EXPECT_EQ(history.e5.text(), "");  // its "- - -" leaves the details
    EXPECT_EQ(advanced.edomain.text(), "example.org");
    EXPECT_EQ(bar.eurl.text(), "recorded search");
    // The options follow the restored lists.
    SearchOptions expected;
    expected.recompute(5, 7, 3, 1);
    EXPECT_EQ(searchOptionsFor(test.app->advancedChoice()), expected);
}

TEST(HistoryWindow, DeleteRemovesTheSelectedRowsAndClosingStoresTheRest) {
    TestApp test;
    Tfhist& history = test.app->historyWindow();
    loadRows(test, {plainRow("a"), plainRow("b"), plainRow("c"), plainRow("d")});
    click(history.SpeedButton2);
    history.tabela.setSelected(0, true);
    history.tabela.setSelected(2, true);
    history.tabelaClick();
    ASSERT_EQ(history.e3.text(), "a");

    click(history.SpeedButton1);
    ASSERT_EQ(history.rows().size(), 2u);
    EXPECT_EQ(searchOf(history.rows()[0]), "b");
    EXPECT_EQ(searchOf(history.rows()[1]), "d");
    EXPECT_EQ(history.tabela.count(), 2);
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{0}) << "the row in the first deleted row's place";
    EXPECT_EQ(history.e3.text(), "b") << "the details show the row with the focus";

    test.restart();  // the close saves "hist.sdf", the next start reads it
    const HistoryRows& reloaded = test.app->history.rows();
    ASSERT_EQ(reloaded.size(), 2u);
    EXPECT_EQ(searchOf(reloaded[0]), "b");
    EXPECT_EQ(searchOf(reloaded[1]), "d");
    EXPECT_FALSE(test.folder.exists(L"hist.sdf.bak"));
}

// The colour the screen shows inside a row of the list, beside the Time text.
COLORREF shownRowColour(const Tfhist& history, int row) {
    UpdateWindow(history.tabela.hwnd());
    RECT cell{LVIR_BOUNDS, 1, 0, 0};  // the Time column
    SendMessageW(history.tabela.hwnd(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    POINT inside{cell.right - 5, (cell.top + cell.bottom) / 2};
    ClientToScreen(history.tabela.hwnd(), &inside);
    return captureScreen({inside.x, inside.y, inside.x + 1, inside.y + 1}).at(0, 0);
}

// The current row stays marked when the focus is elsewhere, a find match on
// it shows in the find colour, and Delete leaves the focused row shown.
TEST(HistoryWindow, TheCurrentRowShowsWithoutTheFocusAndAFindOnItInTheFindColour) {
    TestApp test;
    Tfhist& history = test.app->historyWindow();
    loadRows(test, {plainRow("apple"), plainRow("berry"), plainRow("cherry")});
    click(history.SpeedButton6);  // Next: the first row
    click(history.SpeedButton6);  // Next: "berry"
    ASSERT_EQ(history.tabela.selectedRows(), std::vector<size_t>{1});
    click(history.hurl);
    ASSERT_TRUE(history.hurl.focused());
    EXPECT_EQ(shownRowColour(history, 1), GetSysColor(COLOR_HIGHLIGHT)) << "the current row does not show";
    EXPECT_EQ(shownRowColour(history, 2), rowBackground(2, false));

    typeText(L"erry");
    press(VK_RETURN);
    pumpInput();
    EXPECT_EQ(shownRowColour(history, 1), rowBackground(1, true)) << "the match on the current row";
    EXPECT_EQ(shownRowColour(history, 2), rowBackground(2, true));
    EXPECT_EQ(shownRowColour(history, 0), rowBackground(0, false));

    click(history.SpeedButton1);  // "Delete record": "cherry" comes into its place
    ASSERT_EQ(history.rows().size(), 2u);
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{1});
    EXPECT_EQ(history.e3.text(), "cherry");
}

TEST(HistoryWindow, ClearAllAsksFirstAndThenWritesAnEmptyFile) {
    TestApp test;
    Tfhist& history = test.app->historyWindow();
    history.Show();
    click(history.sbclear);  // an empty history asks nothing
    EXPECT_TRUE(test.prompter.prompts.empty());

    loadRows(test, {plainRow("a"), plainRow("b"), plainRow("c")});
    const std::string before = test.folder.read(L"hist.sdf");
    test.prompter.answers = {IDNO};
    click(history.sbclear);
    ASSERT_EQ(test.prompter.prompts.size(), 1u);
    EXPECT_EQ(test.prompter.prompts[0].text, "Clear all search history ?");
    EXPECT_EQ(test.prompter.prompts[0].caption, "Vask");
    EXPECT_EQ(test.prompter.prompts[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONSTOP));
    EXPECT_EQ(history.rows().size(), 3u);
    EXPECT_EQ(test.folder.read(L"hist.sdf"), before);

    test.prompter.answers = {IDYES};
    click(history.sbclear);
    EXPECT_TRUE(history.rows().empty());
    EXPECT_EQ(history.tabela.count(), 0);
    EXPECT_EQ(test.folder.read(L"hist.sdf"), std::string("LVF\0\0", 5));
}

TEST(HistoryWindow, ADamagedFileIsCopiedAsideSaidAndNeverBreaksTheStart) {
    TestApp test;
    // Two whole rows, then a third that the file cuts short; an earlier copy
    // of the user's own is never written over.
    const std::string whole = saveHistory(std::vector<HistoryRecord>{plainRow("one"), plainRow("two")});
    std::string damaged = whole;
    damaged[3] = 3;
    damaged += std::string(
        "\x0c\x00\x00\x00\x00\x00\x08\x00"
        "1.2.",
        12);
    test.folder.write(L"hist.sdf", damaged);
    test.folder.write(L"hist.sdf.bak", whole);
    test.prompter.prompts.clear();
    reopen(test);
    ASSERT_EQ(test.app->history.rows().size(), 2u);
    EXPECT_EQ(searchOf(test.app->history.rows()[1]), "two");
    EXPECT_EQ(test.folder.read(L"hist.sdf.damaged"), damaged);
    ASSERT_EQ(test.prompter.prompts.size(), 1u);
    EXPECT_EQ(test.prompter.prompts[0].text,
              "\"hist.sdf\" ends inside a row: the 2 searches before it are kept; the whole file is kept beside it "
              "as \"hist.sdf.damaged\".");
    test.restart();
    EXPECT_EQ(test.folder.read(L"hist.sdf"), whole);  // the whole rows, saved properly
    EXPECT_EQ(test.folder.read(L"hist.sdf.damaged"), damaged);
    EXPECT_EQ(test.folder.read(L"hist.sdf.bak"), whole);

    // Not a history file at all: the message, an empty history, the bytes kept beside the first copy.
    const std::string notHistory("lvf\x01\x00", 5);
    test.folder.write(L"hist.sdf", notHistory);
    test.prompter.prompts.clear();
    reopen(test);
    EXPECT_TRUE(test.app->history.rows().empty());
    ASSERT_EQ(test.prompter.prompts.size(), 1u);
    EXPECT_EQ(test.prompter.prompts[0].text,
              "\"hist.sdf\" is not a ListView file! The history starts empty; the whole file is kept beside it as "
              "\"hist.sdf.damaged-2\".");
    EXPECT_EQ(test.prompter.prompts[0].caption, "Vask") << "said with the start's other news";
    EXPECT_TRUE(test.prompter.prompts[0].flags & MB_ICONERROR);
    EXPECT_EQ(test.folder.read(L"hist.sdf.damaged-2"), notHistory);
    EXPECT_EQ(test.folder.read(L"hist.sdf.damaged"), damaged);

    test.app->history.LoadListViewToFile(test.folder.file(L"missing.sdf"));
    ASSERT_EQ(test.prompter.prompts.size(), 2u);
    EXPECT_EQ(test.prompter.prompts[1].text, "File \"missing.sdf\" does not exist!");
    EXPECT_EQ(test.prompter.prompts[1].caption, "I/O Error");
}

TEST(HistoryWindow, GeometryComesFromVelikostHAndGoesBackOnDeactivation) {
    TestApp first;  // no "vask.cfg": (10, 10), 150 pixels short of the screen, maximised on showing
    Tfhist& history = first.app->historyWindow();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(history.hwnd(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 10);
    EXPECT_EQ(placement.rcNormalPosition.top, 10);
    EXPECT_EQ(placement.rcNormalPosition.right - 10, GetSystemMetrics(SM_CXSCREEN) - 150);
    EXPECT_EQ(placement.rcNormalPosition.bottom - 10, GetSystemMetrics(SM_CYSCREEN) - 150);
    SendMessageW(first.app->bar().hwnd(), WM_COMMAND, Tmainform::History1, 0);
    EXPECT_TRUE(history.isVisible());
    EXPECT_TRUE(IsZoomed(history.hwnd()));

    TestApp stored("[VelikostH]\r\nLevo=40\r\nGor=50\r\nSirina=600\r\nVisina=400\r\nStatus=1\r\n");
    Tfhist& normal = stored.app->historyWindow();
    normal.Show();
    EXPECT_FALSE(IsZoomed(normal.hwnd()));
    EXPECT_FALSE(IsIconic(normal.hwnd()));
    SetWindowPos(normal.hwnd(), nullptr, 70, 80, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    normal.FormDeactivate();
    const IniDocument settings = stored.app->data.readSettings();
    EXPECT_EQ(settings.readInteger("VelikostH", "Levo", 0), 70);
    EXPECT_EQ(settings.readInteger("VelikostH", "Gor", 0), 80);
    EXPECT_EQ(settings.readInteger("VelikostH", "Sirina", 0), 500);
    EXPECT_EQ(settings.readInteger("VelikostH", "Visina", 0), 300);
    EXPECT_EQ(settings.readInteger("VelikostH", "Status", -1), 0);
}

TEST(HistoryWindow, AStoredPlaceWhollyOffTheScreenComesBackByTheOnScreenRule) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const std::pair<POINT, POINT> cases[] = {
        {{width + 100, height + 100}, {0, height - 100}}, {{-3000, -3000}, {0, 10}}, {{-1, -5}, {-1, -5}}};
    for (const auto& [stored, shown] : cases) {
        TestApp test("[VelikostH]\r\nLevo=" + std::to_string(stored.x) + "\r\nGor=" + std::to_string(stored.y) +
                     "\r\nSirina=600\r\nVisina=400\r\nStatus=0\r\n");
        test.app->historyWindow().Show();
        pumpMessages();
        const RECT rect = test.app->historyWindow().windowRect();
        EXPECT_EQ(rect.left, shown.x) << stored.x;
        EXPECT_EQ(rect.top, shown.y) << stored.y;
    }
}

// Answers as a message box does, a window of its own: it takes the
// activation, the user clicks its owner and it again, and closing it gives
// the activation back. A box that brings another box nests, a few deep.
class BoxLikePrompter : public AnsweringPrompter {
public:
    int ask(HWND owner, const std::string& text, const std::string& caption, UINT flags) override {
        if (++depth_ < 5 && owner) {
            const HWND box = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 80, 40, owner, nullptr,
                                             nullptr, nullptr);
            for (const HWND active : {box, owner, box}) {
                SetForegroundWindow(active);
                pumpMessages();
            }
            DestroyWindow(box);
            SetForegroundWindow(owner);
            pumpMessages();
        }
        --depth_;
        return AnsweringPrompter::ask(owner, text, caption, flags);
    }

private:
    int depth_ = 0;
};

TEST(HistoryWindow, ALockedSettingsFileIsReportedOncePerFailureWhicheverWindowIsLeft) {
    TempFolder folder;
    folder.write(L"vask.cfg", "[Keep]\r\nme=1\r\n\r\n");
    RecordingLauncher launcher;
    BoxLikePrompter prompter;
    App app(folder.path(), launcher, prompter);
    app.createWindows();
    app.advanced().xexpandClick();
    const HWND windows[] = {app.historyWindow().hwnd(), app.advanced().hwnd(), app.bar().hwnd()};
    const auto leaveEachWindow = [&] {
        for (const HWND window : windows) {
            SetForegroundWindow(window);
            pumpMessages();
        }
    };
    const auto lock = [&] {
        return win::FileHandle(CreateFileW(folder.file(L"vask.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    };

    win::FileHandle locked = lock();
    for (int i = 0; i < 3; ++i) leaveEachWindow();
    ASSERT_EQ(prompter.prompts.size(), 1u) << "one message, however often the windows are left";
    EXPECT_NE(prompter.prompts[0].text.find("vask.cfg"), std::string::npos);

    locked.reset();
    leaveEachWindow();
    const std::string saved = folder.read(L"vask.cfg");
    EXPECT_NE(saved.find("[Keep]"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[VelikostH]"), std::string::npos) << saved;
    // A save that worked ends the failure: the next one is said again, once.
    locked = lock();
    leaveEachWindow();
    leaveEachWindow();
    EXPECT_EQ(prompter.prompts.size(), 2u);
    locked.reset();
    EXPECT_EQ(folder.read(L"vask.cfg"), saved) << "a file that cannot be read is never overwritten";
}

// Typed keys and a resting mouse arrive as the user's input does.
TEST(HistoryWindow, TypingADateStartOrRestingTheMouseOnARowSelectsIt) {
    TestApp test;
    Tfhist& history = test.app->historyWindow();
    std::vector<HistoryRecord> rows;
    for (const char* date : {"3.1.2024", "15.2.2024", "12.5.2023", "1.12.2022", "15.8.2021"}) {
        SearchSnapshot snapshot;
        snapshot.date = snapshot.searchText = date;
        rows.push_back(makeHistoryRecord(snapshot));
    }
    loadRows(test, rows);
    history.tabela.setFocus();
    const auto selectedBecomes = [&](int row) {
        for (int i = 0; i < 300 && history.tabela.firstSelected() != row; ++i) {
            Sleep(10);
            pumpMessages();
        }
        return history.tabela.firstSelected() == row;
    };

    std::vector<INPUT> keys;
    for (const WORD key : {'1', '2', '9'})  // "1" finds 15.2.2024, "12" goes on from there, "129" finds none
        for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = up;
            keys.push_back(input);
        }
    SendInput(4, keys.data(), sizeof(INPUT));
    EXPECT_TRUE(selectedBecomes(2)) << history.tabela.firstSelected();
    EXPECT_EQ(history.e1.text(), "12.5.2023");
    SendInput(2, keys.data() + 4, sizeof(INPUT));
    pumpMessages();
    EXPECT_EQ(history.tabela.firstSelected(), 2);

    RECT row{};
    row.left = LVIR_BOUNDS;
    SendMessageW(history.tabela.hwnd(), LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
    POINT point{(row.left + row.right) / 2, (row.top + row.bottom) / 2}, before{};
    ClientToScreen(history.tabela.hwnd(), &point);
    ASSERT_EQ(WindowFromPoint(point), history.tabela.hwnd()) << "nothing covers the row";
    GetCursorPos(&before);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof(move));
    EXPECT_TRUE(selectedBecomes(3)) << "hot tracking";
    SetCursorPos(before.x, before.y);  // no other test finds the mouse resting on a list
}

}  // namespace
}  // namespace vask::test
