#include "search/opensearch.h"

#include <algorithm>
#include <string_view>

#include "search/own_engines.h"

namespace vask {
namespace {

constexpr std::string_view ResultsType = "text/html";
constexpr std::string_view SuggestionsType = "application/x-suggestions+json";
constexpr std::string_view SearchTerms = "{searchTerms}";

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameAscii(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

// "text/html; charset=UTF-8" is text/html.
bool isType(std::string_view type, std::string_view wanted) {
    const auto parameters = type.find(';');
    if (parameters != std::string_view::npos) type = type.substr(0, parameters);
    while (!type.empty() && type.back() == ' ') type.remove_suffix(1);
    return sameAscii(type, wanted);
}

bool isResultsType(std::string_view type) { return isType(type, ResultsType); }

bool isGet(const OpenSearchUrl& url) { return url.method.empty() || sameAscii(url.method, "GET"); }

// The template with its <Param>s as a query: "?" or "&" before each.
std::string withParams(const OpenSearchUrl& url) {
    std::string text = url.urlTemplate;
    for (const auto& [name, value] : url.params) {
        text += text.find('?') == std::string::npos ? '?' : '&';
        text.append(name).append("=").append(value);
    }
    return text;
}

// Fills the parameters other than {searchTerms}: optional ones are left
// empty, the encodings are UTF-8, and any other is named as a problem.
std::string filledParameters(std::string_view text, std::vector<std::string>& problems) {
    std::string filled;
    for (auto open = text.find('{'); open != std::string_view::npos; open = text.find('{')) {
        const auto close = text.find('}', open);
        if (close == std::string_view::npos) break;
        const std::string_view parameter = text.substr(open, close - open + 1);
        filled.append(text.substr(0, open));
        if (parameter == SearchTerms || parameter == "{q}") {
            // {q} is no OpenSearch parameter: a template without {searchTerms} is named for that alone.
            filled.append(parameter);
        } else if (parameter.size() > 2 && parameter[parameter.size() - 2] == '?') {
            // optional: nothing
        } else if (parameter == "{inputEncoding}" || parameter == "{outputEncoding}") {
            filled.append("UTF-8");
        } else {
            problems.push_back("The address asks for " + std::string(parameter) + ", which Vask cannot fill in.");
            filled.append(parameter);
        }
        text.remove_prefix(close + 1);
    }
    return filled.append(text);
}

}  // namespace

OpenSearchImport engineFromOpenSearch(const OpenSearchDescription& description) {
    OpenSearchImport import;
    const auto start = description.shortName.find_first_not_of(" \t\r\n");
    if (start != std::string::npos)
        import.name =
            description.shortName.substr(start, description.shortName.find_last_not_of(" \t\r\n") - start + 1);
    if (const std::string_view problem = nameProblem(import.name); !problem.empty())
        import.problems.push_back("ShortName: " + std::string(problem));

    const auto& urls = description.urls;
    const auto results = std::find_if(urls.begin(), urls.end(),
                                      [](const OpenSearchUrl& url) { return isResultsType(url.type) && isGet(url); });
    if (results == urls.end()) {
        const bool postOnly =
            std::any_of(urls.begin(), urls.end(), [](const OpenSearchUrl& url) { return isResultsType(url.type); });
        import.problems.emplace_back(postOnly ? "The search is sent with POST only, which a web address cannot carry."
                                              : "The file has no text/html Url for search results.");
        return import;
    }
    import.urlTemplate = filledParameters(withParams(*results), import.problems);
    if (import.urlTemplate.find(SearchTerms) == std::string::npos)
        import.problems.emplace_back("The address has no {searchTerms} where the search text goes.");
    else if (const std::string_view problem = templateProblem(import.urlTemplate); !problem.empty())
        import.problems.emplace_back(problem);

    const auto suggestions = std::find_if(urls.begin(), urls.end(), [](const OpenSearchUrl& url) {
        return isType(url.type, SuggestionsType) && isGet(url);
    });
    if (suggestions == urls.end()) return import;
    import.suggestTemplate = filledParameters(withParams(*suggestions), import.problems);
    if (import.suggestTemplate.find(SearchTerms) == std::string::npos)
        import.problems.emplace_back("The suggestions address has no {searchTerms} where the search text goes.");
    else if (const std::string_view problem = suggestTemplateProblem(import.suggestTemplate); !problem.empty())
        import.problems.emplace_back(problem);
    return import;
}

}  // namespace vask
