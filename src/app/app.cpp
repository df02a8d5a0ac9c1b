#include "app/app.h"

#include "advanced/advanced_window.h"
#include "app/main_window.h"
#include "app/startup_phases.h"
#include "controls/caption_window.h"
#include "controls/about_window.h"
#include "history/history_window.h"
#include "win/errors.h"
#include "win/files.h"
#include "win/text.h"

namespace vask {
namespace {

constexpr const wchar_t* DataFileNames[] = {L"vask.cfg", L"color.cld", L"hist.sdf"};

// Why a file cannot be read, in the system's words (empty when it can).
std::string unreadableReason(const std::wstring& path) {
    try {
        win::readFileOrThrow(path);
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

}  // namespace

App::App(std::wstring programDir, win::Launcher& launcher, win::Prompter& prompter, std::wstring appDataRoot)
    : programDir(std::move(programDir)), launcher(launcher), prompter(prompter) {
    // A program installed where its user may not write (under "Program
    // Files", say) keeps its files in the user's own folder instead.
    dataFolder_ = win::canCreateFileIn(this->programDir) ? this->programDir : fallBackToAppData(appDataRoot);
}

std::wstring App::fallBackToAppData(const std::wstring& appDataRoot) {
    const std::wstring root = appDataRoot.empty() ? win::userAppDataFolder() : appDataRoot;
    if (root.empty()) return programDir;
    const std::wstring folder = root + L"Vask\\";
    if (!CreateDirectoryW(folder.c_str(), nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS) {
            startupProblems_.push_back(win::Win32Error(error, win::toUtf8(folder)).what());
            return programDir;
        }
    }
    // The program folder's files come along before the first use of each, so nothing is lost.
    for (const wchar_t* name : DataFileNames) {
        const std::wstring from = programDir + name, to = folder + name;
        if (!win::fileExists(from) || win::fileExists(to) || win::isFolder(to)) continue;
        try {
            win::saveFileAtomically(to, win::readFileOrThrow(from));
        } catch (const std::exception& error) {
            startupProblems_.push_back(error.what());
        }
    }
    return folder;
}

std::wstring App::presetFolder() const {
    return dataFolder_ == programDir || win::canListFolder(programDir) ? programDir : dataFolder_;
}

App::~App() {
    // The bar goes last: the other windows may still reach it while they close.
    history.onEdited = nullptr;
    fabout.reset();
    fhist.reset();
    fals.reset();
    fext.reset();
    mainform.reset();
}

bool App::createWindows(const std::function<bool(HWND bar)>& barReady) {
    std::vector<std::string> problems = std::move(startupProblems_);
    try {
        startupSettings_ = readSettings();
    } catch (const std::exception& error) {
        problems.push_back(error.what());
    }
    // A folder where a data file goes can be neither read nor saved over: the
    // user hears of it now rather than first at the close.
    for (const wchar_t* name : DataFileNames)
        if (win::isFolder(dataFile(name)))
            if (std::string reason = unreadableReason(dataFile(name)); !reason.empty()) problems.push_back(reason);
    if (!problems.empty()) {
        // Said once, all together; the windows then start from their defaults.
        std::string text;
        for (const std::string& problem : problems) text += (text.empty() ? "" : "\n") + problem;
        prompter.ask(nullptr, text, "Vask", MB_OK | MB_ICONERROR);
    }
    startup::mark(startup::Phase::SettingsRead);
    mainform = std::make_unique<Tmainform>(*this);
    startup::mark(startup::Phase::ControlsMade);
    history.onEdited = [this] { mainform->scheduleHistorySave(); };
    if (barReady && !barReady(mainform->hwnd())) return false;
    history.loadAtStart(dataFile(L"hist.sdf"));
    return true;
}

Tfext& App::advanced() {
    if (!fext) {
        fext = std::make_unique<Tfext>(*this);
        // The caption strip follows; only the advanced window ever moves it.
        fals = std::make_unique<Tfals>(mainform->hwnd());
    }
    return *fext;
}

Tfhist& App::historyWindow() {
    if (!fhist) fhist = std::make_unique<Tfhist>(*this);
    return *fhist;
}

TfAbout& App::about() {
    // Owned by the bar, so it stays above the bar, which stays on top.
    if (!fabout) fabout = std::make_unique<TfAbout>(mainform ? mainform->hwnd() : nullptr, launcher, prompter);
    return *fabout;
}

IniDocument App::readSettings() const {
    // A file that is there but cannot be read is an error, never an empty
    // document: a save would otherwise replace it and lose its other sections.
    const std::wstring path = dataFile(L"vask.cfg");
    if (!win::fileExists(path)) return {};
    return IniDocument::parse(win::readFileOrThrow(path), win::ansiDecoder());
}

void App::writeSettings(const IniDocument& settings) const {
    win::saveFileAtomically(dataFile(L"vask.cfg"), settings.serialize());
}

}  // namespace vask
