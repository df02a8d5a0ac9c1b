// Damaged files at start: random bytes, random bytes behind a sound
// beginning, an empty file or a folder in place of "hist.sdf", "vask.cfg"
// and "color.cld". The bar starts with its defaults or what could be read,
// says so at most once (a folder always), searches, and its close writes
// sound files again, or asks before closing without what it cannot save.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "bar/color_stream.h"
#include "bar/bar_window.h"
#include "history/history_file.h"
#include "history/history_window.h"
#include "test_app.h"
#include "win/text.h"

namespace vask::test {
namespace {

enum class Damage { Random, RandomAfterSignature, Empty, Folder };

const char* describe(Damage damage) {
    switch (damage) {
    case Damage::Random:
        return "random bytes";
    case Damage::RandomAfterSignature:
        return "random bytes after a sound beginning";
    case Damage::Empty:
        return "an empty file";
    case Damage::Folder:
        return "a folder";
    }
    return "";
}

constexpr uint32_t DefaultBackColor = 11184388;

std::string randomBytes(std::mt19937& random) {
    std::string bytes(std::uniform_int_distribution<size_t>(1, 3000)(random), '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// What a file begins with when it is sound, so the readers get past their first check.
std::string signatureOf(const std::wstring& name) {
    if (name == L"hist.sdf") return "LVF";
    if (name == L"color.cld") return "TPF0";
    return "[Velikost]\r\nLevo=";
}

// Puts the damage in place of `name`; returns the bytes written (none for a folder).
std::string damage(const TempFolder& folder, const std::wstring& name, Damage kind, std::mt19937& random) {
    std::string bytes;
    switch (kind) {
    case Damage::Random:
        bytes = randomBytes(random);
        break;
    case Damage::RandomAfterSignature:
        bytes = signatureOf(name) + randomBytes(random);
        break;
    case Damage::Empty:
        break;
    case Damage::Folder:
        EXPECT_TRUE(CreateDirectoryW(folder.file(name.c_str()).c_str(), nullptr));
        return bytes;
    }
    folder.write(name.c_str(), bytes);
    return bytes;
}

void startsWellAndClosesSoundly(const std::vector<std::wstring>& names, Damage kind, uint32_t seed) {
    std::mt19937 random(seed);
    TempFolder folder;
    std::map<std::wstring, std::string> written;
    for (const auto& name : names) written[name] = damage(folder, name, kind, random);
    const bool damagedFolder = kind == Damage::Folder;

    RecordingLauncher launcher;
    AnsweringPrompter prompter;
    {
        App app(folder.path(), launcher, prompter);
        app.createWindows();
        pumpMessages();
        ASSERT_TRUE(IsWindow(app.bar().hwnd()));
        ASSERT_LE(prompter.prompts.size(), 1u) << prompter.prompts.back().text;
        if (damagedFolder) {
            EXPECT_EQ(prompter.prompts.size(), 1u) << "a folder in a file's place is said at once";
        }
        if (!prompter.prompts.empty()) {
            const std::string& message = prompter.prompts[0].text;
            const auto named = [&](const auto& name) { return message.find(win::toUtf8(name)) != std::string::npos; };
            EXPECT_TRUE(damagedFolder ? std::all_of(names.begin(), names.end(), named)
                                      : std::any_of(names.begin(), names.end(), named))
                << "the message names the file: " << message;
        }
        if (written.count(L"vask.cfg") && kind != Damage::RandomAfterSignature) {
            EXPECT_EQ(app.bar().backColor(), DefaultBackColor) << "the default colour";
        }
        if (written.count(L"color.cld") && kind != Damage::RandomAfterSignature) {
            EXPECT_EQ(app.bar().colorDialog().color, ColorDialogState{}.color);
            EXPECT_EQ(app.bar().colorDialog().customColors, ColorDialogState{}.customColors);
        }
        if (written.count(L"color.cld") && !written[L"color.cld"].empty() && !readColorStream(written[L"color.cld"])) {
            EXPECT_EQ(folder.read(L"color.cld.damaged"), written[L"color.cld"]) << "the damaged bytes are kept";
            EXPECT_NE(prompter.prompts.at(0).text.find("color.cld.damaged"), std::string::npos);
        }
        if (written.count(L"hist.sdf")) {
            const HistoryLoadResult read = loadHistory(written[L"hist.sdf"], win::ansiDecoder());
            EXPECT_EQ(app.history.rows().size(), damagedFolder ? 0u : read.rows.size())
                << "the rows that could be read";
            if (!damagedFolder && read.status != HistoryLoadStatus::Ok) {
                EXPECT_EQ(folder.read(L"hist.sdf.damaged"), written[L"hist.sdf"]) << "the damaged bytes are kept";
                EXPECT_NE(prompter.prompts.at(0).text.find("hist.sdf.damaged"), std::string::npos);
            }
        }

        // The bar works as ever.
        app.bar().eurl.setText("after damage");
        app.bar().sbGoClick();
        ASSERT_EQ(launcher.launches.size(), 1u);
        EXPECT_EQ(subItemOrEmpty(app.history.rows()[0], HistoryItem::Search), "after damage");

        const size_t before = prompter.prompts.size();
        SendMessageW(app.bar().hwnd(), WM_CLOSE, 0, 0);
        pumpMessages();
        if (damagedFolder) {
            // A folder cannot be saved over: the close names it and asks; No
            // keeps the bar, Yes closes with everything else saved.
            EXPECT_TRUE(IsWindow(app.bar().hwnd()));
            ASSERT_EQ(prompter.prompts.size(), before + 1);
            const Prompt& question = prompter.prompts.back();
            EXPECT_EQ(question.flags & (MB_TYPEMASK | MB_DEFMASK), UINT{MB_YESNO | MB_DEFBUTTON2});
            for (const auto& name : names)
                EXPECT_NE(question.text.find(win::toUtf8(name)), std::string::npos) << question.text;
            prompter.answers = {IDYES};
            SendMessageW(app.bar().hwnd(), WM_CLOSE, 0, 0);
            pumpMessages();
            for (const auto& name : names)
                EXPECT_TRUE(GetFileAttributesW(folder.file(name.c_str()).c_str()) & FILE_ATTRIBUTE_DIRECTORY);
        }
        EXPECT_FALSE(IsWindow(app.bar().hwnd()));
        EXPECT_EQ(prompter.prompts.size(), before + (damagedFolder ? 2 : 0));
    }
    pumpMessages();

    // What the close wrote reads back without a word (but for a folder still in the way).
    prompter.prompts.clear();
    App again(folder.path(), launcher, prompter);
    again.createWindows();
    pumpMessages();
    EXPECT_EQ(prompter.prompts.size(), damagedFolder ? 1u : 0u)
        << (prompter.prompts.empty() ? "" : prompter.prompts.front().text);
    if (damagedFolder && written.count(L"hist.sdf")) return;
    ASSERT_FALSE(again.history.rows().empty());
    EXPECT_EQ(subItemOrEmpty(again.history.rows()[0], HistoryItem::Search), "after damage");
}

TEST(DamagedStart, EachDamagedFileGivesAWorkingBarAndAtMostOneMessage) {
    for (const wchar_t* name : {L"hist.sdf", L"vask.cfg", L"color.cld"})
        for (Damage kind : {Damage::Random, Damage::RandomAfterSignature, Damage::Empty, Damage::Folder})
            for (uint32_t seed = 1; seed <= (kind == Damage::Random || kind == Damage::RandomAfterSignature ? 2u : 1u);
                 ++seed) {
                SCOPED_TRACE(win::toUtf8(name) + " as " + describe(kind) + ", seed " + std::to_string(seed));
                startsWellAndClosesSoundly({name}, kind, seed);
            }
}

TEST(DamagedStart, AllThreeDamagedAtOnceStillGiveAtMostOneMessage) {
    for (Damage kind : {Damage::Random, Damage::RandomAfterSignature})
        for (uint32_t seed = 11; seed <= 13; ++seed) {
            SCOPED_TRACE(std::string("all three as ") + describe(kind) + ", seed " + std::to_string(seed));
            startsWellAndClosesSoundly({L"hist.sdf", L"vask.cfg", L"color.cld"}, kind, seed);
        }
    for (Damage kind : {Damage::Empty, Damage::Folder}) {
        SCOPED_TRACE(std::string("all three as ") + describe(kind));
        // The close saves "color.cld" first: its folder is the one it reports.
        startsWellAndClosesSoundly({L"color.cld", L"hist.sdf", L"vask.cfg"}, kind, 1);
    }
}

}  // namespace
}  // namespace vask::test
