// Data files another program holds open without sharing at start: each is
// said once, never written over, and what the run adds is kept beside it
// when it still cannot be read at the close.
#include <windows.h>

#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "history/history_file.h"
#include "test_app.h"
#include "win/handles.h"
#include "win/text.h"

namespace vask::test {
namespace {

// Held as another program holds a file it shares with nobody.
win::FileHandle holdWithoutSharing(const TempFolder& folder, const wchar_t* name) {
    return win::FileHandle(CreateFileW(folder.file(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
}

HistoryRecord row(const std::string& search) { return HistoryRecord("1.2.2024", {"10:00:00", search, "- - -"}); }

TEST(UnreadFiles, FilesHeldThroughTheRunAreNeverWrittenOverAndTheRunsChangesAreKeptBeside) {
    TempFolder folder;
    const std::string history = saveHistory(std::vector<HistoryRecord>{row("old one"), row("old two")});
    const std::string settings = "[Options]\r\nEnahist=1\r\nSuggest=1\r\nCompact=1\r\n";
    folder.write(L"hist.sdf", history);
    folder.write(L"vask.cfg", settings);
    RecordingLauncher launcher;
    AnsweringPrompter prompter;
    {
        const win::FileHandle heldHistory = holdWithoutSharing(folder, L"hist.sdf");
        const win::FileHandle heldSettings = holdWithoutSharing(folder, L"vask.cfg");
        ASSERT_TRUE(heldHistory && heldSettings);
        App app(folder.path(), launcher, prompter);
        app.createWindows();
        pumpMessages();
        ASSERT_EQ(prompter.prompts.size(), 1u) << "both files in one message";
        for (const char* name : {"hist.sdf", "vask.cfg"})
            EXPECT_NE(prompter.prompts[0].text.find(name), std::string::npos) << prompter.prompts[0].text;

        // The history's switch is unknown: off, until the file can be read.
        Tmainform& bar = app.bar();
        EXPECT_FALSE(bar.menuChecked(Tmainform::enahist));
        bar.setSearchText("while held");
        bar.sbGoClick();
        EXPECT_TRUE(app.history.rows().empty());
        SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::enahist, 0);  // the user turns it on
        bar.sbGoClick();
        ASSERT_EQ(app.history.rows().size(), 1u);
        SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::Compact1, 0);
        SendMessageW(bar.hwnd(), WM_CLOSE, 0, 0);
        pumpMessages();
        EXPECT_FALSE(IsWindow(bar.hwnd())) << "nothing is lost: the close does not ask";
    }
    EXPECT_EQ(folder.read(L"hist.sdf"), history);
    EXPECT_EQ(folder.read(L"vask.cfg"), settings);
    EXPECT_EQ(folder.read(L"vask.cfg.unsaved"), "[Options]\r\nCompact=0\r\nEnahist=1\r\n\r\n")
        << "only what the user changed";
    const HistoryLoadResult kept = loadHistory(folder.read(L"hist.sdf.unsaved"), win::ansiDecoder());
    ASSERT_EQ(kept.rows.size(), 1u);
    EXPECT_EQ(subItemOrEmpty(kept.rows[0], HistoryItem::Search), "while held");
    ASSERT_EQ(prompter.prompts.size(), 3u);
    EXPECT_NE(prompter.prompts[1].text.find("hist.sdf.unsaved"), std::string::npos) << prompter.prompts[1].text;
    EXPECT_NE(prompter.prompts[2].text.find("vask.cfg.unsaved"), std::string::npos) << prompter.prompts[2].text;
}

TEST(UnreadFiles, FilesReleasedDuringTheRunAreReadAndTheRunsChangesMergedIntoThem) {
    TempFolder folder;
    folder.write(L"hist.sdf", saveHistory(std::vector<HistoryRecord>{row("old one"), row("old two")}));
    folder.write(L"vask.cfg", "[Velikost]\r\nLevo=100\r\n\r\n[Options]\r\nEnahist=1\r\nHotkey=Ctrl+Alt+K\r\n");
    RecordingLauncher launcher;
    AnsweringPrompter prompter;
    {
        App app(folder.path(), launcher, prompter);
        {
            const win::FileHandle heldHistory = holdWithoutSharing(folder, L"hist.sdf");
            const win::FileHandle heldSettings = holdWithoutSharing(folder, L"vask.cfg");
            app.createWindows();
            pumpMessages();
        }
        // The first search after the release reads the switches: the history is on.
        Tmainform& bar = app.bar();
        bar.setSearchText("after release");
        bar.sbGoClick();
        ASSERT_EQ(app.history.rows().size(), 1u);
        SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::stbar, 0);
        SendMessageW(bar.hwnd(), WM_CLOSE, 0, 0);
        pumpMessages();
        EXPECT_FALSE(IsWindow(bar.hwnd()));
    }
    EXPECT_EQ(folder.read(L"vask.cfg"),
              "[Velikost]\r\nLevo=100\r\n\r\n[Options]\r\nEnahist=1\r\nHotkey=Ctrl+Alt+K\r\nstbar=0\r\n");
    const HistoryLoadResult merged = loadHistory(folder.read(L"hist.sdf"), win::ansiDecoder());
    ASSERT_EQ(merged.rows.size(), 3u);
    EXPECT_EQ(subItemOrEmpty(merged.rows[0], HistoryItem::Search), "after release");
    EXPECT_EQ(subItemOrEmpty(merged.rows[2], HistoryItem::Search), "old two");
    EXPECT_FALSE(folder.exists(L"hist.sdf.unsaved") || folder.exists(L"vask.cfg.unsaved"));
    EXPECT_EQ(prompter.prompts.size(), 1u) << prompter.prompts.back().text;
}

}  // namespace
}  // namespace vask::test
