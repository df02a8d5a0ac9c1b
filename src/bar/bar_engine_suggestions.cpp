// Completions from the engine the search would go to, while the user types:
// asked a moment after the last key on a thread of its own, shown under the
// history's suggestions when the reply is still for the field's text.
#include "bar/bar_window.h"
#include "bar/suggestion_list.h"
#include "search/engine_suggest.h"
#include "win/http_get.h"

namespace vask {

void Tmainform::scheduleEngineSuggestions() {
    KillTimer(hwnd(), EngineSuggestTimer);
    askedFor_.clear();
    if (state_.engineSuggest && !typed_.empty()) SetTimer(hwnd(), EngineSuggestTimer, EngineSuggestDelayMs, nullptr);
}

void Tmainform::askEngine() {
    KillTimer(hwnd(), EngineSuggestTimer);
    if (!state_.engineSuggest) return;
    const std::optional<SuggestRequest> request = engineSuggestRequest(
        typed_, chosenEngine(), context_.engines, searchOptionsFor(context_.advancedChoice()).wikipediaPrefix);
    if (!request) return;
    if (!engineSuggester_) {
        engineSuggester_ = std::make_unique<EngineSuggester>(
            [](const std::string& url) { return win::httpGet(url, MaxSuggestReplyBytes); },
            [bar = hwnd()] { PostMessageW(bar, EngineReplied, 0, 0); });
    }
    askedFor_ = typed_;
    keywordPrefix_ = request->keywordPrefix;
    engineSuggester_->ask(typed_, request->url);
}

void Tmainform::engineReplied() {
    std::optional<EngineReply> reply = engineSuggester_ ? engineSuggester_->takeReply() : std::nullopt;
    // A reply to an older text, or to a question given up, shows nothing.
    if (!reply || askedFor_.empty() || reply->typed != askedFor_ || reply->typed != typed_) return;
    engineReply_ = std::move(*reply);
    updateSuggestions(KeepHighlight::yes);  // the user may be moving in the list
}

void Tmainform::forgetEngineQuestion() {
    KillTimer(hwnd(), EngineSuggestTimer);
    askedFor_.clear();
    engineReply_ = {};  // a list shown again (Shift+Delete) has no rows of a question given up
}

}  // namespace vask
