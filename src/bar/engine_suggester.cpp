#include "bar/engine_suggester.h"

#include <utility>

#include "search/engine_suggest.h"

namespace vask {

EngineSuggester::EngineSuggester(Fetch fetch, std::function<void()> replied)
    : fetch_(std::move(fetch)), replied_(std::move(replied)) {}

void EngineSuggester::ask(std::string typed, std::string url) {
    work_.post([this, typed = std::move(typed), url = std::move(url)]() mutable {
        const std::optional<std::string> body = fetch_(url);
        if (!body) return;  // a failure shows nothing
        std::vector<std::string> completions = readSuggestReply(*body);
        if (completions.empty()) return;
        {
            const std::lock_guard lock(mutex_);
            reply_ = EngineReply{std::move(typed), std::move(completions)};
        }
        if (replied_) replied_();
    });
}

std::optional<EngineReply> EngineSuggester::takeReply() {
    const std::lock_guard lock(mutex_);
    return std::exchange(reply_, std::nullopt);
}

}  // namespace vask
