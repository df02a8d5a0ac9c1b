#pragma once
// The bar's questions to the engine, asked on a thread of their own, one at
// a time: a newer text waiting replaces an older one, and the bar takes the
// latest reply when told, so the window thread never waits for the network.
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "common/background_work.h"

namespace vask {

struct EngineReply {
    std::string typed;  // the field's text the question was asked for
    std::vector<std::string> completions;
};

class EngineSuggester {
public:
    // `fetch` gets a reply's body (none on any failure) and runs on the
    // worker; so does `replied`, after a reply with completions is ready.
    using Fetch = std::function<std::optional<std::string>(const std::string& url)>;
    EngineSuggester(Fetch fetch, std::function<void()> replied);

    // Asks `url` for the completions of `typed`.
    void ask(std::string typed, std::string url);
    // The latest reply not taken yet.
    std::optional<EngineReply> takeReply();

private:
    const Fetch fetch_;
    const std::function<void()> replied_;
    std::mutex mutex_;
    std::optional<EngineReply> reply_;
    BackgroundWork work_;  // last: its thread ends before the rest goes
};

}  // namespace vask
