// Suggestions while typing: earlier searches that begin with what is typed,
// in a list the search field's keys move through.
#include "app/app.h"
#include "app/main_window.h"
#include "app/suggestion_list.h"
#include "win/keyboard.h"

namespace vask {

void Tmainform::setSearchText(std::string_view text) {
    hideSuggestions();
    showInField(text);
}

void Tmainform::showInField(std::string_view text) {
    settingText_ = true;
    eurl.setText(text);
    settingText_ = false;
}

void Tmainform::eurlChanged() {
    // Only typing asks for suggestions.
    if (settingText_) return;
    typed_ = eurl.text();
    updateSuggestions();
    scheduleEngineSuggestions();
}

void Tmainform::updateSuggestions(KeepHighlight keep) {
    std::vector<std::string> texts;
    if (state_.suggest && !typed_.empty()) texts = app_.history.suggestions().suggest(typed_);
    // The engine's completions while they are for the typed text.
    const bool completionsFit = !typed_.empty() && engineReply_.typed == typed_;
    SuggestionRows rows = mergeSuggestions(
        std::move(texts),
        completionsFit ? std::span<const std::string>(engineReply_.completions) : std::span<const std::string>(),
        keywordPrefix_, SuggestionIndex::MaxSuggestions);
    if (rows.texts.empty()) {
        if (suggestionList_) suggestionList_->hide();
        return;
    }
    // Made with the first suggestion: most runs never need the window.
    if (!suggestionList_) {
        suggestionList_ = std::make_unique<SuggestionList>(hwnd());
        suggestionList_->onPick = [this](const std::string& text) {
            setSearchText(text);
            eurl.selectAll();
            eurl.setFocus();
        };
    }
    if (keep == KeepHighlight::yes)
        suggestionList_->update(std::move(rows));
    else
        suggestionList_->show(std::move(rows));
}

void Tmainform::hideSuggestions() {
    if (suggestionList_) suggestionList_->hide();
    forgetEngineQuestion();  // a reply still to come would open the list again
}

bool Tmainform::suggestionKey(WPARAM key) {
    if (!suggestionList_ || !suggestionList_->shown()) return false;
    SuggestionList& list = *suggestionList_;
    switch (key) {
    case VK_DOWN:
    case VK_UP: {
        list.moveHighlight(key == VK_DOWN ? 1 : -1);
        showInField(list.highlighted().value_or(typed_));
        eurl.selectAll();
        return true;
    }
    case VK_ESCAPE:
        hideSuggestions();
        escapeClosedList_ = true;
        return true;
    case VK_DELETE: {
        // Shift+Delete forgets the highlighted text: every row that holds it.
        // The engine's rows are not the history's to forget.
        const std::optional<std::string> text = list.highlighted();
        if (!win::shiftIsDown() || !text) return false;
        if (list.highlightedSource() == SuggestionSource::Engine) return true;
        app_.history.eraseRows(app_.history.suggestions().rowsWithText(*text));
        showInField(typed_);
        eurl.selectAll();
        updateSuggestions();
        return true;
    }
    default:
        return false;
    }
}

}  // namespace vask
