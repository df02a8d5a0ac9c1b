// The real vask.exe when things go wrong: killed while its close saves a
// full history or a few seconds after a search, and started on damaged files.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "e2e_support.h"
#include "history/history_file.h"
#include "old_history.h"
#include "temp_folder.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

std::vector<HistoryRecord> readHistory(const test::TempFolder& folder, HistoryLoadStatus& status) {
    const HistoryLoadResult read = loadHistory(folder.read(L"hist.sdf"), latin1ToUtf8);
    status = read.status;
    return {read.rows.begin(), read.rows.end()};
}

// The history after one search on `old`: the search on top, the oldest row gone.
bool isOneSearchOn(const std::vector<HistoryRecord>& rows, const std::vector<HistoryRecord>& old,
                   const std::string& search) {
    return rows.size() == old.size() && !rows.empty() && subItemOrEmpty(rows[0], HistoryItem::Search) == search &&
           std::equal(rows.begin() + 1, rows.end(), old.begin());
}

FILETIME lastWrite(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// Starts the bar on the folder, searches and asks it to close. Given a
// delay, ends it that long after the request, as a crash or the task manager
// would; without one, returns the milliseconds from the request until
// "hist.sdf" was replaced.
double searchAndClose(const test::TempFolder& folder, const std::string& search, std::optional<double> killAfterMs) {
    VaskProcess vask(folder.path());
    const HWND bar = vask.bar();
    EXPECT_NE(bar, nullptr);
    EXPECT_TRUE(waitUntil([bar] { return IsWindowVisible(bar) != FALSE; }));
    vask.search(search);
    const std::wstring history = folder.file(L"hist.sdf");
    const FILETIME before = lastWrite(history);
    const auto asked = std::chrono::steady_clock::now();
    vask.sendCopyData("202");
    double replacedMs = 0;
    if (killAfterMs) {
        Sleep(static_cast<DWORD>(*killAfterMs));
        const win::KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, vask.processId()));
        if (process) TerminateProcess(process.get(), 9);
    } else {
        for (FILETIME now = before; CompareFileTime(&before, &now) == 0 && replacedMs < 30000;
             now = lastWrite(history)) {
            Sleep(1);
            replacedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked).count();
        }
    }
    EXPECT_TRUE(vask.waitForExit(30000));
    return replacedMs;
}

TEST(FaultEndToEnd, AKilledCloseLeavesTheOldOrTheNewHistoryNeverATornOne) {
    forgetLaunches();
    test::TempFolder folder;
    std::vector<HistoryRecord> onDisk = test::fullOldHistory();
    folder.write(L"hist.sdf", saveHistory(std::span<const HistoryRecord>(onDisk)));

    // One close left alone: when the history is in place, and the other files it writes.
    const double savedMs = searchAndClose(folder, "calibration", std::nullopt);
    HistoryLoadStatus status;
    std::vector<HistoryRecord> rows = readHistory(folder, status);
    ASSERT_EQ(status, HistoryLoadStatus::Ok);
    ASSERT_TRUE(isOneSearchOn(rows, onDisk, "calibration"));
    onDisk = std::move(rows);
    const std::string settings = folder.read(L"vask.cfg"), colors = folder.read(L"color.cld");
    ASSERT_FALSE(settings.empty());
    ASSERT_FALSE(colors.empty());

    // Kills spread from the request to a while after the history was in place, in random order.
    constexpr int Rounds = 32;
    constexpr auto TimeBound = std::chrono::seconds(240);
    std::mt19937 random(20240601);
    std::vector<double> delays;
    for (int i = 0; i < Rounds; ++i)
        delays.push_back(savedMs * 1.5 * (i + std::uniform_real_distribution<double>(0, 1)(random)) / Rounds);
    std::shuffle(delays.begin(), delays.end(), random);

    int kept = 0, replaced = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < Rounds && std::chrono::steady_clock::now() - start < TimeBound; ++round) {
        const std::string search = "round " + std::to_string(round);
        searchAndClose(folder, search, delays[round]);
        rows = readHistory(folder, status);
        ASSERT_EQ(status, HistoryLoadStatus::Ok) << search << ", killed after " << delays[round] << " ms";
        const bool old = rows == onDisk, renewed = isOneSearchOn(rows, onDisk, search);
        ASSERT_TRUE(old || renewed) << search << ": " << rows.size() << " rows, killed after " << delays[round]
                                    << " ms";
        (old ? kept : replaced)++;
        onDisk = std::move(rows);
        // The other files of the close are whole as well: the same bytes each time.
        EXPECT_EQ(folder.read(L"vask.cfg"), settings) << search;
        EXPECT_EQ(folder.read(L"color.cld"), colors) << search;
    }
    std::printf("history in place %.0f ms after the request; %d kills left the old history, %d the new one\n", savedMs,
                kept, replaced);
    EXPECT_GE(kept + replaced, 10) << "too few rounds in the time";
    forgetLaunches();
}

TEST(FaultEndToEnd, ABarKilledSecondsAfterASearchHasItInTheHistoryFile) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    ASSERT_NE(vask.bar(), nullptr);
    vask.search("kept though killed");
    Sleep(3000);
    const win::KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, vask.processId()));
    ASSERT_TRUE(process && TerminateProcess(process.get(), 9));
    ASSERT_TRUE(vask.waitForExit());
    HistoryLoadStatus status;
    const std::vector<HistoryRecord> rows = readHistory(folder, status);
    EXPECT_EQ(status, HistoryLoadStatus::Ok);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(subItemOrEmpty(rows[0], HistoryItem::Search), "kept though killed");
    forgetLaunches();
}

// Input anywhere on the desktop never holds the save back: a user who keeps
// typing and moving the mouse still has each search in the file within
// about two seconds.
TEST(FaultEndToEnd, ASearchReachesTheHistoryFileWithinSecondsWhileTheUserKeepsTyping) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    ASSERT_NE(vask.bar(), nullptr);
    vask.search("saved while typing");
    const auto searched = std::chrono::steady_clock::now();
    const auto inFile = [&] {
        if (!folder.exists(L"hist.sdf")) return false;
        HistoryLoadStatus status;
        const std::vector<HistoryRecord> rows = readHistory(folder, status);
        return rows.size() == 1 && subItemOrEmpty(rows[0], HistoryItem::Search) == "saved while typing";
    };
    bool saved = false;
    for (int i = 0; !saved && std::chrono::steady_clock::now() - searched < std::chrono::seconds(8); ++i) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = i % 2 ? 1 : -1;
        input.mi.dwFlags = MOUSEEVENTF_MOVE;
        SendInput(1, &input, sizeof(input));
        pressKey(VK_SHIFT);
        Sleep(50);
        saved = inFile();
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - searched).count();
    EXPECT_TRUE(saved) << "not in the file after " << ms << " ms of input";
    EXPECT_LT(ms, 4000);
    std::printf("the search was in the history file %.0f ms after it was made\n", ms);
    const win::KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, vask.processId()));
    ASSERT_TRUE(process && TerminateProcess(process.get(), 9));
    ASSERT_TRUE(vask.waitForExit());
    forgetLaunches();
}

TEST(FaultEndToEnd, DamagedFilesAtStartGiveTheBarAndAtMostOneMessage) {
    std::mt19937 random(7);
    const auto randomBytes = [&random](size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        return bytes;
    };
    struct Case {
        const char* what;
        std::function<void(const test::TempFolder&, const wchar_t*)> damage;
        bool closes;  // a folder in a file's place cannot be saved over
    };
    const std::vector<Case> cases{
        {"random bytes", [&](const test::TempFolder& f, const wchar_t* name) { f.write(name, randomBytes(2000)); },
         true},
        {"random bytes after a sound beginning",
         [&](const test::TempFolder& f, const wchar_t* name) {
             const std::string start = name == std::wstring(L"hist.sdf")    ? "LVF"
                                       : name == std::wstring(L"color.cld") ? "TPF0"
                                                                            : "[Options]\r\n";
             f.write(name, start + randomBytes(2000));
         },
         true},
        {"empty files", [](const test::TempFolder& f, const wchar_t* name) { f.write(name, ""); }, true},
        {"folders",
         [](const test::TempFolder& f, const wchar_t* name) { CreateDirectoryW(f.file(name).c_str(), nullptr); },
         false},
    };
    for (const Case& damaged : cases) {
        SCOPED_TRACE(std::string("all three files as ") + damaged.what);
        test::TempFolder folder;
        for (const wchar_t* name : {L"hist.sdf", L"vask.cfg", L"color.cld"}) damaged.damage(folder, name);
        VaskProcess vask(folder.path());
        HWND bar = nullptr;
        const std::vector<std::string> messages = messagesAtStart(vask, bar);
        ASSERT_NE(bar, nullptr) << "the bar is shown";
        EXPECT_LE(messages.size(), 1u) << messages.size() << " messages, the second: " << messages.at(1);
        for (const auto& message : messages) EXPECT_FALSE(message.empty());
        if (damaged.closes) {
            vask.sendCopyData("202");
            EXPECT_TRUE(vask.waitForExit()) << "the close saves over the damage";
        }
    }
}

}  // namespace
}  // namespace vask::e2e
