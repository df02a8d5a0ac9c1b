#include "app/app.h"

#include "advanced/advanced_window.h"
#include "app/main_window.h"
#include "app/startup_phases.h"
#include "controls/caption_window.h"
#include "controls/about_window.h"
#include "history/history_window.h"
#include "win/files.h"
#include "win/text.h"

namespace vask {

App::App(std::wstring programDir, win::Launcher& launcher, win::Prompter& prompter)
    : programDir(std::move(programDir)), launcher(launcher), prompter(prompter) {}

App::~App() {
    // The bar goes last: the other windows may still reach it while they close.
    fabout.reset();
    fhist.reset();
    fals.reset();
    fext.reset();
    mainform.reset();
}

bool App::createWindows(const std::function<bool(HWND bar)>& barReady) {
    try {
        startupSettings_ = readSettings();
    } catch (const std::exception& error) {
        // Said once; the windows then start from their defaults.
        prompter.ask(nullptr, error.what(), "Vask", MB_OK | MB_ICONERROR);
    }
    startup::mark(startup::Phase::SettingsRead);
    mainform = std::make_unique<Tmainform>(*this);
    startup::mark(startup::Phase::ControlsMade);
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
    if (!fabout) fabout = std::make_unique<TfAbout>(*this);
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
