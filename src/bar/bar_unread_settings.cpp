// The bar's settings when "vask.cfg" could not be read at start (another
// program held it): the bar runs on its defaults with the history and
// suggestions off, learns the file's switches once it can read it, and at
// the close adds to the file only what the user changed, key by key.
#include "bar/bar_window.h"
#include "win/files.h"
#include "win/text.h"

namespace vask {

void Tmainform::startUnread() {
    state_ = assumedWhileUnread(state_);
    unreadStart_ = state_;
    // The place as the close reads it, so that a bar left where it started has no new place.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(hwnd(), &placement)) {
        unreadStart_->left = placement.rcNormalPosition.left;
        unreadStart_->top = placement.rcNormalPosition.top;
    }
}

// Looked at again at each search, without waiting for another program.
void Tmainform::learnUnreadSettings() {
    if (!unreadStart_ || unreadLearned_) return;
    try {
        const IniDocument settings = context_.data.readSettings(win::SharingWait::None);
        adoptSwitches(state_, *unreadStart_, loadBarSettings(settings, {}, 0, 0));
        unreadLearned_ = true;
    } catch (const std::exception&) {
        // Still held: the bar keeps what it assumed.
    }
}

// A file that still cannot be read keeps the changes beside it.
void Tmainform::saveUnreadSettings() {
    IniDocument settings;
    try {
        settings = context_.data.readSettings();
    } catch (const std::exception& error) {
        IniDocument changes;
        if (!saveChangedBarSettings(changes, state_, *unreadStart_)) return;
        const std::wstring kept = win::unusedName(context_.data.file(L"vask.cfg.unsaved"));
        win::saveFileAtomically(kept, changes.serialize());
        prompter().ask(hwnd(),
                       std::string(error.what()) + "\nThe settings you changed are kept beside it in " +
                           win::quotedName(kept) + ".",
                       "Vask", MB_OK | MB_ICONWARNING);
        return;
    }
    if (saveChangedBarSettings(settings, state_, *unreadStart_)) context_.data.writeSettings(settings);
}

}  // namespace vask
