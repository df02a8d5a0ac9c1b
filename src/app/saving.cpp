// Saving: everything at the close and when Windows ends, the close-anyway
// question when a save failed, and the history's save a moment after each
// change, so a crash loses little.
#include <stdexcept>
#include <utility>

#include "app/app.h"
#include "bar/bar_window.h"
#include "win/errors.h"

namespace vask {
namespace {

// Each failed save's file and the system's reason, one to a line.
std::string couldNotSave(const std::vector<std::string>& failures) {
    std::string text = "Vask could not save:\n";
    for (const std::string& failure : failures) text += "\n" + failure;
    return text;
}

}  // namespace

std::vector<std::string> App::saveEverything() {
    historySavePending_ = false;  // the history is saved here and now
    std::vector<std::string> failures;
    const auto attempt = [&failures](const auto& save) {
        try {
            save();
        } catch (const std::exception& error) {
            failures.push_back(error.what());
        }
    };
    attempt([this] { bar_->saveColorDialog(); });
    attempt([this] { history.saveAtClose(data.file(L"hist.sdf")); });
    attempt([this] { bar_->SaveSettings(); });
    return failures;
}

// When a save failed, the user chooses whether to close anyway.
void App::close() {
    // A second request while the question is on screen has its answer coming.
    if (closing_) return;
    closing_ = true;
    const std::vector<std::string> failures = saveEverything();
    const bool close =
        failures.empty() ||
        prompter.ask(bar_->hwnd(), couldNotSave(failures) + "\n\nClose anyway? What could not be saved will be lost.",
                     "Vask", MB_YESNO | MB_ICONERROR | MB_DEFBUTTON2) == IDYES;
    if (close) DestroyWindow(bar_->hwnd());
    closing_ = false;
}

// Windows is ending: keep what a normal close keeps, and say what could not be.
void App::sessionEnds() {
    if (const auto failures = saveEverything(); !failures.empty())
        prompter.ask(bar_->hwnd(), couldNotSave(failures), "Vask", MB_OK | MB_ICONERROR);
}

void App::scheduleHistorySave() {
    if (!bar_ || !bar_->hwnd()) return;  // closed: nothing is left to save it later
    // Counted from the first change the file lacks, not the last: a user who
    // keeps searching still has each search in the file within this time.
    if (std::exchange(historySavePending_, true)) return;
    SetTimer(messages().hwnd(), HistorySaveTimer, HistorySaveDelayMs, nullptr);
}

// One-shot: an idle bar with nothing new to save never wakes up. The rows
// are written on the history's own thread, whatever the user is doing.
void App::saveHistoryInBackground() {
    KillTimer(messages().hwnd(), HistorySaveTimer);
    // A tick that was due before the close saved the history has nothing left to do.
    if (!std::exchange(historySavePending_, false) || !history.unsaved()) return;
    history.saveInBackground(data.file(L"hist.sdf"));
}

// A save that failed is tried again after the next change and at the close;
// a failure already said (here, by the close or by "Clear") is not said again.
void App::historySaveEnded() {
    if (const std::optional<std::string> failure = history.backgroundSaveEnded())
        win::showError(prompter, bar_->hwnd(), std::runtime_error(*failure));
}

win::MessageWindow& App::messages() {
    if (messages_) return *messages_;
    messages_ = std::make_unique<win::MessageWindow>(
        [this](UINT message, WPARAM wParam, LPARAM) { onMessage(message, wParam); }, prompter);
    // Before the history's first save, which only this window's timer starts.
    history.onBackgroundSaveEnded = [window = messages_->hwnd()] { PostMessageW(window, HistorySaveEnded, 0, 0); };
    return *messages_;
}

void App::onMessage(UINT message, WPARAM wParam) {
    if (message == WM_TIMER && wParam == HistorySaveTimer) saveHistoryInBackground();
    if (message == HistorySaveEnded) historySaveEnded();
    if (message == RunHandedSearch) runHandedSearch();
}

}  // namespace vask
