#include "search/engine_suggest.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "common/utf8.h"
#include "search/keyword_search.h"

namespace vask {
namespace {

// Each built-in engine's suggestions address, the encoded text after it.
constexpr std::string_view kGoogleSuggest = "https://suggestqueries.google.com/complete/search?client=firefox&q=";
constexpr std::string_view kBingSuggest = "https://api.bing.com/osjson.aspx?query=";
constexpr std::string_view kWikipediaSuggestPath = ".wikipedia.org/w/api.php?action=opensearch&format=json&search=";

bool isLanguageCode(std::string_view code) {
    return !code.empty() && code.size() <= 12 &&
           std::all_of(code.begin(), code.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
}

std::string builtInSuggestUrl(SearchEngine engine, std::string_view text, std::string_view wikipediaPrefix) {
    const std::string encoded = percentEncode(text);
    switch (engine) {
    case SearchEngine::Bing:
        return std::string(kBingSuggest) + encoded;
    case SearchEngine::Wikipedia: {
        std::string_view language = wikipediaPrefix.substr(0, wikipediaPrefix.find('.'));
        if (!isLanguageCode(language)) language = "en";
        return "https://" + std::string(language) + std::string(kWikipediaSuggestPath) + encoded;
    }
    case SearchEngine::Google:
        break;
    }
    return std::string(kGoogleSuggest) + encoded;
}

bool isCompletion(std::string_view text) {
    return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace

std::optional<SuggestRequest> engineSuggestRequest(std::string_view typed, const ChosenEngine& chosen,
                                                   std::span<const OwnEngine> ownEngines,
                                                   std::string_view wikipediaPrefix) {
    std::string_view text = typed;
    std::string keywordPrefix;
    ChosenEngine engine = chosen;
    if (const auto keyword = searchByKeyword(typed, ownEngines)) {
        text = keyword->text;
        keywordPrefix = typed.substr(0, typed.size() - text.size());
        engine = keyword->engine;
    }
    if (text.empty()) return std::nullopt;
    if (const SearchEngine* builtIn = std::get_if<SearchEngine>(&engine))
        return SuggestRequest{builtInSuggestUrl(*builtIn, text, wikipediaPrefix), std::move(keywordPrefix)};
    const std::size_t own = std::get<std::size_t>(engine);
    if (own >= ownEngines.size() || ownEngines[own].suggestTemplate.empty()) return std::nullopt;
    std::optional<std::string> url = expandTemplate(ownEngines[own].suggestTemplate, text);
    if (!url) return std::nullopt;
    return SuggestRequest{std::move(*url), std::move(keywordPrefix)};
}

std::vector<std::string> readSuggestReply(std::string_view body) {
    if (body.size() > MaxSuggestReplyBytes || !isValidUtf8(body)) return {};
    std::vector<std::string> completions;
    try {
        // No exceptions for malformed text: a discarded value instead.
        const nlohmann::json reply = nlohmann::json::parse(body, nullptr, false);
        if (!reply.is_array() || reply.size() < 2 || !reply[0].is_string() || !reply[1].is_array()) return {};
        for (const nlohmann::json& item : reply[1]) {
            if (!item.is_string()) return {};
            const auto& text = item.get_ref<const std::string&>();
            if (isCompletion(text)) completions.push_back(text);
        }
    } catch (...) {
        return {};  // running out of memory reading a reply is no reason to stop the bar
    }
    return completions;
}

SuggestionRows mergeSuggestions(std::vector<std::string> history, std::span<const std::string> completions,
                                std::string_view keywordPrefix, std::size_t maxRows) {
    SuggestionRows rows;
    rows.texts = std::move(history);
    if (rows.texts.size() > maxRows) rows.texts.resize(maxRows);
    rows.historyRows = rows.texts.size();
    for (const std::string& completion : completions) {
        if (rows.texts.size() >= maxRows) break;
        std::string text = std::string(keywordPrefix) + completion;
        if (std::find(rows.texts.begin(), rows.texts.end(), text) == rows.texts.end())
            rows.texts.push_back(std::move(text));
    }
    return rows;
}

}  // namespace vask
