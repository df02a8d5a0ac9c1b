// Saving where the files cannot go: a read-only program folder (the data
// then lives in the user's own folder) and a file system filled to its last
// page (every save that fits is done, the close asks about the others, and
// the files already there stay byte for byte as they were; no save leaves a
// cut-off file behind). The mounts come from tools/fault-mounts-up
// (VASK_FAULT_MOUNTS); without them the tests skip.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "advanced/advanced_window.h"
#include "advanced/pins.h"
#include "bar/color_stream.h"
#include "bar/bar_window.h"
#include "history/history_file.h"
#include "history/history_window.h"
#include "old_history.h"
#include "test_app.h"
#include "win/files.h"
#include "win/handles.h"
#include "win/text.h"

namespace vask::test {
namespace {

using Files = std::map<std::wstring, std::string>;

// The folders of the mounts as Wine shows them (drive Z:), each with its trailing backslash.
struct FaultMounts {
    std::wstring rw, ro, full;  // ro is rw mounted read-only
    std::string skipped;        // why there are none
};

FaultMounts faultMounts() {
    FaultMounts mounts;
    const char* dir = std::getenv("VASK_FAULT_MOUNTS");
    if (!dir || !*dir) {
        mounts.skipped = "VASK_FAULT_MOUNTS is not set (the fault_mounts fixture did not run)";
        return mounts;
    }
    std::wstring base = win::toWide(dir);
    if (base[0] == L'/') {
        for (auto& c : base)
            if (c == L'/') c = L'\\';
        base = L"Z:" + base;
    }
    if (base.back() != L'\\') base += L'\\';
    if (const auto why = win::readWholeFile(base + L"skipped")) {
        mounts.skipped = why->substr(0, why->find_last_not_of("\r\n") + 1);
        return mounts;
    }
    mounts.rw = base + L"rw\\";
    mounts.ro = base + L"ro\\";
    mounts.full = base + L"full\\";
    for (const std::wstring* folder : {&mounts.rw, &mounts.ro, &mounts.full}) {
        const DWORD attributes = GetFileAttributesW(folder->c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            mounts.skipped = "no fault mounts in " + std::string(dir);
    }
    return mounts;
}

// Every file of a folder with its bytes; the full mount's filler is not one of the program's.
Files filesIn(const std::wstring& folder) {
    Files files;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || name == L"filler") continue;
        files[name] = win::readWholeFile(folder + name).value_or("<unreadable>");
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

// Empties a mount before and after a test, so one test never sees another's files.
struct EmptiedFolder {
    explicit EmptiedFolder(std::wstring folder) : path(std::move(folder)) { empty(); }
    ~EmptiedFolder() { empty(); }
    void empty() const {
        DeleteFileW((path + L"filler").c_str());
        for (const auto& [name, bytes] : filesIn(path)) DeleteFileW((path + name).c_str());
    }
    std::wstring path;
};

uint64_t freeBytes(const std::wstring& folder) {
    ULARGE_INTEGER available{};
    GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr);
    return available.QuadPart;
}

// Fills the folder's file system to the last byte, then frees `bytes`
// (whole pages of the tmpfs); returns what is free afterwards.
uint64_t leaveFree(const std::wstring& folder, size_t bytes) {
    const std::wstring filler = folder + L"filler", gap = folder + L"gap";
    DeleteFileW(filler.c_str());
    if (bytes) win::saveFileAtomically(gap, std::string(bytes, 'g'));
    {
        const win::FileHandle file(
            CreateFileW(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        const std::string chunk(1 << 16, 'f');
        for (const DWORD size : {DWORD{1} << 16, DWORD{4096}, DWORD{1}}) {
            DWORD written = 0;
            while (WriteFile(file.get(), chunk.data(), size, &written, nullptr) && written == size) {
            }
        }
    }
    DeleteFileW(gap.c_str());
    return freeBytes(folder);
}

void closeBar(const Tmainform& bar) {
    SendMessageW(bar.hwnd(), WM_CLOSE, 0, 0);
    pumpMessages();
}

// What the folder holds before the program runs: its three files and a preset.
Files oldFiles(const std::string& settings) {
    ColorDialogState colors;
    colors.color = RGB(9, 8, 7);
    colors.customColors[3] = RGB(1, 2, 3);
    const std::vector<HistoryRecord> rows{oldRow(1), oldRow(2), oldRow(3)};
    return {{L"vask.cfg", settings},
            {L"hist.sdf", saveHistory(std::span<const HistoryRecord>(rows))},
            {L"color.cld", writeColorStream(colors)},
            {L"mine.vsk", "[Other]\r\nkeep=1\r\n\r\n[Pin]\r\nEurl=old preset\r\n\r\n"}};
}

void put(const std::wstring& folder, const Files& files) {
    for (const auto& [name, bytes] : files) win::saveFileAtomically(folder + name, bytes);
}

// The last message, for failures.
std::string lastMessage(const AnsweringPrompter& prompter) {
    return prompter.prompts.empty() ? std::string("<none>") : prompter.prompts.back().text;
}

bool lastMessageNames(const AnsweringPrompter& prompter, const char* file) {
    return !prompter.prompts.empty() && prompter.prompts.back().text.find(file) != std::string::npos &&
           (prompter.prompts.back().flags & MB_ICONERROR);
}

// The close's question names the files that could not be saved, and only those, with No as its default.
void expectCloseQuestion(const AnsweringPrompter& prompter, const std::vector<const char*>& failed,
                         const std::vector<const char*>& saved) {
    ASSERT_FALSE(prompter.prompts.empty());
    const Prompt& question = prompter.prompts.back();
    EXPECT_EQ(question.flags & (MB_TYPEMASK | MB_DEFMASK), UINT{MB_YESNO | MB_DEFBUTTON2}) << question.text;
    for (const char* file : failed) EXPECT_NE(question.text.find(file), std::string::npos) << question.text;
    for (const char* file : saved) EXPECT_EQ(question.text.find(file), std::string::npos) << question.text;
}

// The user's changes, so that every file would be written anew.
void changeEverything(App& app) {
    app.bar().colorDialog().color = RGB(200, 100, 50);
    app.bar().Compact1Click();
    app.bar().eurl.setText("a new search");
    app.bar().sbGoClick();
}

// Saves a preset through the dialogs' seam as if the user picked `path`.
void savePresetAs(Tfext& fext, const std::wstring& path) {
    fext.chooseFile = [path](Tfext::PresetDialog, const std::wstring&) { return std::optional<std::wstring>(path); };
    click(fext.sb1);
}

TEST(FaultSaves, AReadOnlyProgramFolderKeepsEverythingInTheUsersOwnFolder) {
    const FaultMounts mounts = faultMounts();
    if (!mounts.skipped.empty()) GTEST_SKIP() << "skipped: " << mounts.skipped;
    const EmptiedFolder folder(mounts.rw);
    const Files old = oldFiles("[Keep]\r\nme=1\r\n\r\n[Options]\r\nBackcolor=255\r\n\r\n");
    put(mounts.rw, old);
    const TempFolder appData;  // stands for "%APPDATA%"
    const std::wstring dataFolder = appData.path() + L"Vask\\";

    RecordingLauncher launcher;
    AnsweringPrompter prompter;
    {
        App app(mounts.ro, launcher, prompter, appData.path());
        app.createWindows();
        pumpMessages();
        ASSERT_TRUE(prompter.prompts.empty()) << lastMessage(prompter);
        EXPECT_EQ(app.data.folder(), dataFolder);
        Files copied = filesIn(dataFolder);
        EXPECT_EQ(copied.size(), 3u) << "the three data files come along, the preset stays";
        for (const auto& [name, bytes] : copied) EXPECT_EQ(bytes, old.at(name)) << win::toUtf8(name);
        ASSERT_EQ(app.history.rows().size(), 3u);
        EXPECT_EQ(app.bar().backColor(), 255u);
        EXPECT_EQ(app.data.presetFolder(), mounts.ro) << "presets are looked for beside the program";

        changeEverything(app);
        Tfext& advanced = openAdvanced(app);
        choose(advanced.cb3, 5);
        click(advanced.SpeedButton3);  // pins the country
        // A preset is still saved where the user says, and there it fails.
        savePresetAs(advanced, mounts.ro + L"new.vsk");
        ASSERT_EQ(prompter.prompts.size(), 1u);
        EXPECT_TRUE(lastMessageNames(prompter, "new.vsk")) << lastMessage(prompter);

        closeBar(app.bar());
        EXPECT_FALSE(IsWindow(app.bar().hwnd())) << lastMessage(prompter);
        EXPECT_EQ(prompter.prompts.size(), 1u) << lastMessage(prompter);
    }
    pumpMessages();
    EXPECT_EQ(filesIn(mounts.rw), old) << "nothing new, nothing changed, no temporary file";

    // The next start finds it all again, and the program folder's old files do not come back over it.
    App again(mounts.ro, launcher, prompter, appData.path());
    again.createWindows();
    pumpMessages();
    EXPECT_EQ(prompter.prompts.size(), 1u) << lastMessage(prompter);
    EXPECT_EQ(again.bar().colorDialog().color, RGB(200, 100, 50));
    EXPECT_FALSE(again.bar().menuChecked(Tmainform::Compact1)) << "compact by default, toggled off";
    EXPECT_EQ(readPins(again.data.readSettings()).country, 5);
    ASSERT_EQ(again.history.rows().size(), 4u);
    EXPECT_EQ(subItemOrEmpty(again.history.rows()[0], HistoryItem::Search), "a new search");
    EXPECT_NE(filesIn(dataFolder).at(L"vask.cfg").find("[Keep]"), std::string::npos) << "other sections stay";
}

TEST(FaultSaves, AFullFileSystemSavesWhatFitsAndAsksBeforeClosingWithoutTheRest) {
    const FaultMounts mounts = faultMounts();
    if (!mounts.skipped.empty()) GTEST_SKIP() << "skipped: " << mounts.skipped;
    const std::wstring& dir = mounts.full;
    const EmptiedFolder folder(dir);
    // A large section of another program's makes "vask.cfg" ten pages long.
    std::string settings = "[Keep]\r\n";
    for (int i = 0; settings.size() < 40000; ++i)
        settings += "key" + std::to_string(i) + "=kept by another program, byte for byte\r\n";
    settings += "\r\n";
    Files expected = oldFiles(settings);
    put(dir, expected);

    RecordingLauncher launcher;
    AnsweringPrompter prompter;
    App app(dir, launcher, prompter);
    app.createWindows();
    pumpMessages();
    ASSERT_TRUE(prompter.prompts.empty()) << lastMessage(prompter);
    changeEverything(app);
    // A history many pages long.
    for (int i = 0; i < 150; ++i) {
        app.bar().eurl.setText(std::string(150, static_cast<char>('a' + i % 26)) + std::to_string(i));
        app.bar().sbGoClick();
    }
    const std::string newHistory = saveHistory(app.history.rows());
    ASSERT_GT(newHistory.size(), 6u * 4096);
    const HWND bar = app.bar().hwnd();

    // Nothing free: every save fails, and so does a preset, old or new.
    EXPECT_LT(leaveFree(dir, 0), 4096u);
    closeBar(app.bar());
    EXPECT_TRUE(IsWindow(bar)) << "No is the answer unless the user says Yes";
    ASSERT_EQ(prompter.prompts.size(), 1u);
    expectCloseQuestion(prompter, {"color.cld", "hist.sdf", "vask.cfg"}, {});
    savePresetAs(openAdvanced(app), dir + L"mine.vsk");
    EXPECT_TRUE(lastMessageNames(prompter, "mine.vsk")) << lastMessage(prompter);
    savePresetAs(openAdvanced(app), dir + L"new.vsk");
    EXPECT_TRUE(lastMessageNames(prompter, "new.vsk")) << lastMessage(prompter);
    EXPECT_EQ(prompter.prompts.size(), 3u);
    EXPECT_EQ(filesIn(dir), expected);

    // Room for the colours but not for the history nor the settings.
    EXPECT_LT(leaveFree(dir, 2 * 4096), 3u * 4096);
    closeBar(app.bar());
    EXPECT_TRUE(IsWindow(bar));
    ASSERT_EQ(prompter.prompts.size(), 4u);
    expectCloseQuestion(prompter, {"hist.sdf", "vask.cfg"}, {"color.cld"});
    expected[L"color.cld"] = writeColorStream(app.bar().colorDialog());
    EXPECT_NE(expected[L"color.cld"], oldFiles(settings)[L"color.cld"]);
    EXPECT_EQ(filesIn(dir), expected);

    // Room for the history but not for the settings.
    EXPECT_LT(leaveFree(dir, (newHistory.size() / 4096 + 3) * 4096), newHistory.size() + 4 * 4096);
    closeBar(app.bar());
    EXPECT_TRUE(IsWindow(bar));
    ASSERT_EQ(prompter.prompts.size(), 5u);
    expectCloseQuestion(prompter, {"vask.cfg"}, {"color.cld", "hist.sdf"});
    expected[L"hist.sdf"] = newHistory;
    EXPECT_EQ(filesIn(dir), expected);

    // With room again the close goes through and keeps the other program's section.
    DeleteFileW((dir + L"filler").c_str());
    closeBar(app.bar());
    EXPECT_FALSE(IsWindow(bar)) << lastMessage(prompter);
    EXPECT_EQ(prompter.prompts.size(), 5u);
    const Files saved = filesIn(dir);
    EXPECT_EQ(saved.size(), expected.size()) << "no temporary file stays";
    EXPECT_EQ(saved.at(L"vask.cfg").rfind(settings, 0), 0u);
    EXPECT_NE(saved.at(L"vask.cfg").find("[Options]", settings.size()), std::string::npos) << "the bar's own settings";
    EXPECT_EQ(saved.at(L"hist.sdf"), newHistory);
}

}  // namespace
}  // namespace vask::test
