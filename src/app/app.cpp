#include "app/app.h"

#include "app/main_window.h"
#include "win/files.h"
#include "win/text.h"

namespace vask {

App::App(std::wstring programDir, win::Launcher& launcher, win::Prompter& prompter)
    : programDir(std::move(programDir)), launcher(launcher), prompter(prompter) {}

App::~App() {
    // The bar goes last: the other windows may still reach it while they close.
    mainform.reset();
}

void App::createWindows() {
    mainform = std::make_unique<Tmainform>(*this);
}

IniDocument App::readSettings() const {
    const auto bytes = win::readWholeFile(dataFile(L"vask.cfg"));
    return IniDocument::parse(bytes ? *bytes : std::string{}, win::ansiDecoder());
}

void App::writeSettings(const IniDocument& settings) const {
    win::saveFileAtomically(dataFile(L"vask.cfg"), settings.serialize());
}

}  // namespace vask
