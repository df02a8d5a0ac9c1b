// The real vask.exe started while another program (here, the test) holds
// "hist.sdf" or "vask.cfg" open without sharing: the bar says so once, never
// writes over the file, and adds what the run changed once it can read it.
#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "e2e_support.h"
#include "history/history_file.h"
#include "temp_folder.h"
#include "win/handles.h"

namespace vask::e2e {
namespace {

win::FileHandle holdWithoutSharing(const test::TempFolder& folder, const wchar_t* name) {
    return win::FileHandle(CreateFileW(folder.file(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::vector<HistoryRecord> rowsOf(const std::string& bytes) {
    const HistoryLoadResult read = loadHistory(bytes, latin1ToUtf8);
    return {read.rows.begin(), read.rows.end()};
}

std::vector<HistoryRecord> fiftyRows() {
    std::vector<HistoryRecord> rows;
    for (int i = 0; i < 50; ++i) rows.push_back(HistoryRecord("1.2.2024", {"10:00:00", "row " + std::to_string(i)}));
    return rows;
}

TEST(UnreadFilesEndToEnd, AHistoryHeldAtStartGetsTheRunsSearchOnTopOnceReleased) {
    forgetLaunches();
    test::TempFolder folder;
    const std::vector<HistoryRecord> before = fiftyRows();
    const std::string bytes = saveHistory(std::span<const HistoryRecord>(before));
    folder.write(L"hist.sdf", bytes);
    auto held = holdWithoutSharing(folder, L"hist.sdf");
    ASSERT_TRUE(held);

    VaskProcess vask(folder.path());
    HWND bar = nullptr;
    const std::vector<std::string> messages = messagesAtStart(vask, bar);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("hist.sdf:"), std::string::npos) << "the file and the reason: " << messages[0];
    vask.search("while held");
    ASSERT_EQ(waitForLaunches(L"default", 1).size(), 1u);
    Sleep(3000);  // a save was due: the file is not written while it cannot be read
    held.reset();
    EXPECT_TRUE(folder.read(L"hist.sdf") == bytes) << "written while it could not be read";

    // Released: the search goes on top of the file's 50 rows within seconds.
    EXPECT_TRUE(waitUntil([&] { return rowsOf(folder.read(L"hist.sdf")).size() == 51; }));
    vask.sendCopyData("202");
    ASSERT_TRUE(vask.waitForExit());
    const std::vector<HistoryRecord> after = rowsOf(folder.read(L"hist.sdf"));
    ASSERT_EQ(after.size(), 51u);
    EXPECT_EQ(subItemOrEmpty(after[0], HistoryItem::Search), "while held");
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin() + 1));
    EXPECT_FALSE(folder.exists(L"hist.sdf.bak") || folder.exists(L"hist.sdf.unsaved"));
    forgetLaunches();
}

TEST(UnreadFilesEndToEnd, SettingsHeldAtStartKeepEveryValueButTheOneTheUserChanged) {
    forgetLaunches();
    test::TempFolder folder;
    const std::string settings =
        "[Velikost]\r\nLevo=100\r\nGor=200\r\n\r\n"
        "[Options]\r\nBackcolor=255\r\nCompact=1\r\nstbar=0\r\nEnahist=0\r\nSuggest=0\r\nHotkey=Ctrl+Alt+K\r\n\r\n"
        "[Engines]\r\nddg=DuckDuckGo|https://duckduckgo.com/?q={q}\r\n";
    folder.write(L"vask.cfg", settings);
    const std::string history = saveHistory(std::span<const HistoryRecord>(fiftyRows()));
    folder.write(L"hist.sdf", history);
    auto held = holdWithoutSharing(folder, L"vask.cfg");
    ASSERT_TRUE(held);

    VaskProcess vask(folder.path());
    HWND bar = nullptr;
    const std::vector<std::string> messages = messagesAtStart(vask, bar);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("vask.cfg:"), std::string::npos) << "the file and the reason: " << messages[0];
    vask.search("never recorded");  // the history may be off: it is, until the file is read
    ASSERT_EQ(waitForLaunches(L"default", 1).size(), 1u);
    vask.command(Tmainform::Compact1);
    held.reset();
    vask.search("still not recorded");  // Enahist=0, read now
    ASSERT_EQ(waitForLaunches(L"default", 2).size(), 2u);
    vask.sendCopyData("202");
    ASSERT_TRUE(vask.waitForExit());

    std::string expected = settings;
    expected.replace(expected.find("Compact=1"), 9, "Compact=0");
    EXPECT_EQ(folder.read(L"vask.cfg"), expected);
    EXPECT_TRUE(folder.read(L"hist.sdf") == history) << "no search was recorded";
    EXPECT_FALSE(folder.exists(L"vask.cfg.unsaved"));
    forgetLaunches();
}

}  // namespace
}  // namespace vask::e2e
