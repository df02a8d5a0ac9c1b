// Suggestions while typing: earlier searches that begin with what is typed,
// in a list the search field's keys move through.
#include "bar/bar_window.h"
#include "bar/suggestion_list.h"
#include "win/keyboard.h"

namespace vask {

void Tmainform::setSearchText(std::string_view text) {
    hideSuggestions();
    showInField(text);
}

// The caret goes to the end, nothing selected, as after typing the text: the
// next key adds to it rather than replacing it or going in before it.
void Tmainform::showInField(std::string_view text) {
    settingText_ = true;
    eurl.setText(text);
    settingText_ = false;
    eurl.caretToEnd();
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
    if (state_.suggest && !typed_.empty()) texts = context_.history.suggestions().suggest(typed_);
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
        suggestionList_->keepClearOf = [this] { return context_.shownAdvancedRect(); };
    }
    if (keep == KeepHighlight::yes)
        suggestionList_->update(std::move(rows));
    else
        suggestionList_->show(std::move(rows));
}

// Down with the list closed (by Escape, say) offers it again for the field's text.
bool Tmainform::reopenSuggestions() {
    typed_ = eurl.text();
    updateSuggestions();
    return suggestionList_ && suggestionList_->shown();
}

void Tmainform::hideSuggestions() {
    if (suggestionList_) suggestionList_->hide();
    forgetEngineQuestion();  // a reply still to come would open the list again
}

bool Tmainform::suggestionKey(WPARAM key) {
    if (!suggestionList_ || !suggestionList_->shown()) return key == VK_DOWN && reopenSuggestions();
    SuggestionList& list = *suggestionList_;
    switch (key) {
    case VK_DOWN:
    case VK_UP: {
        list.moveHighlight(key == VK_DOWN ? 1 : -1);
        showInField(list.highlighted().value_or(typed_));
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
        context_.history.eraseRows(context_.history.suggestions().rowsWithText(*text));
        showInField(typed_);
        updateSuggestions();
        return true;
    }
    default:
        return false;
    }
}

}  // namespace vask
