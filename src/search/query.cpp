#include "search/query.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

#include "common/utf8.h"
#include "search/service_hosts.h"

namespace vask {
namespace {

std::string concat(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (std::string_view piece : pieces) out += piece;
    return out;
}

// `prefix` + `text` + `suffix`, or nothing when `text` is empty.
std::string ifNotEmpty(std::string_view prefix, std::string_view text, std::string_view suffix = {}) {
    return text.empty() ? std::string() : concat({prefix, text, suffix});
}

std::string quotedPhrase(std::string_view exact) { return ifNotEmpty("%22", SpacesToPlus(exact), "%22"); }

// Google's advanced form goes to the chosen browser, the simple form always
// to the default browser.
LaunchRequest googleSearch(const SearchOptions& options, const SearchInputs& in, const std::string& browserProgram) {
    if (!in.advancedOpen) {
        // "hl=sl" and the empty "q=" before the real one are what the service has always got.
        return {"", concat({"http://", GoogleSearchHost, "/search?&hl=sl&q=&q=", in.text})};
    }
    const std::string url = concat({
        "http://",
        GoogleSearchHost,
        "/search?q=",
        SpacesToPlus(in.text),
        "+",  // always there, also when nothing follows
        quotedPhrase(in.exact),
        ifNotEmpty("+-", in.exclude),
        ifNotEmpty("+site:", in.domain),
        ifNotEmpty("&as_filetype=", options.fileType, "&"),
        options.interfaceLanguage,
        options.country,
        options.resultLanguage,
        timeFragment(in.timeIndex),
    });
    return {browserProgram, url};
}

// Bing's query text: the exact phrase, when there is one, is the first "q="
// and the term follows it; otherwise the term gets a "q=" of its own.
std::string bingQueryPart(const SearchInputs& in) {
    if (in.text.empty()) return {};  // also without a phrase: no text, no "q="
    const std::string term = SpacesToPlus(in.text);
    return in.exact.empty() ? "&q=" + term : "+" + term;
}

LaunchRequest bingSearch(const SearchOptions& options, const SearchInputs& in, const std::string& browserProgram) {
    const std::string queryPart = bingQueryPart(in);
    if (!in.advancedOpen) return {"", concat({"http://", BingSearchHost, "/search?", queryPart})};

    const std::string file = ifNotEmpty("+filetype%3A", options.fileType);
    std::string url = concat({
        "http://",
        BingSearchHost,
        "/search?&q=",
        quotedPhrase(in.exact),
        queryPart,
        file,
        ifNotEmpty("+ -", in.exclude),
        options.bingLocation,
        options.bingLanguage,
        ifNotEmpty("+site%3A", in.domain, "&"),
    });
    // The form for the default browser repeats the file type at the end.
    if (browserProgram.empty()) url += file;
    return {browserProgram, url};
}

LaunchRequest wikipediaSearch(const SearchOptions& options, const SearchInputs& in, const std::string& browserProgram) {
    const std::string url =
        concat({"http://", options.wikipediaPrefix, WikipediaHost, "/w/index.php?search=", SpacesToPlus(in.text)});
    return {in.advancedOpen ? browserProgram : std::string(), url};
}

constexpr std::array<Engine, BuiltInEngineCount> BuiltInEngines{{
    {"Google", &googleSearch},
    {"Bing", &bingSearch},
    {"Wikipedia", &wikipediaSearch},
}};

}  // namespace

std::span<const Engine, BuiltInEngineCount> builtInEngines() { return BuiltInEngines; }

std::string SpacesToPlus(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == ' ') c = '+';
    return out;
}

std::string escapeQueryText(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%' || c == '&' || c == '#' || c == '+') {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string timeFragment(int index) {
    static constexpr std::array<std::string_view, 6> fragments{"",           "&tbs=qdr:h", "&tbs=qdr:d",
                                                               "&tbs=qdr:w", "&tbs=qdr:m", "&tbs=qdr:y"};
    if (index < 0 || index >= static_cast<int>(fragments.size())) return {};
    return std::string(fragments[static_cast<std::size_t>(index)]);
}

std::string browserProgramFor(std::string_view browserItem) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> tests{{
        {"CHROME", "chrome.exe"},
        {"FIREFOX", "firefox.exe"},
        {"INTERNET EXPLORER", "iexplore.exe"},
        {"OPERA", "opera.exe"},
        {"SAFARI", "safari.exe"},
        {"DEFAULT", ""},
    }};
    const std::string upper = asciiUpper(browserItem);
    std::string program;
    for (const auto& [name, file] : tests)
        if (upper.find(name) != std::string::npos) program = file;
    return program;
}

LaunchRequest composeSearch(SearchOptions options, const SearchInputs& in) {
    options.dropPlaceholders(in.interfaceIndex, in.countryIndex, in.resultIndex);

    // What the user typed reaches the service as typed, never as URL syntax.
    SearchInputs typed = in;
    for (std::string* text : {&typed.text, &typed.exact, &typed.exclude, &typed.domain}) *text = escapeQueryText(*text);
    LaunchRequest request = engineRow(in.engine).compose(options, typed, browserProgramFor(in.browserItem));
    request.url = shellSafeUrl(request.url);
    return request;
}

std::string shellSafeUrl(std::string_view url) {
    std::size_t end = url.size();
    while (end > 0 && url[end - 1] == '\\') --end;
    std::string out;
    out.reserve(url.size());
    for (char c : url.substr(0, end)) {
        if (c == '"')
            out += "%22";
        else
            out += c;
    }
    for (std::size_t i = end; i < url.size(); ++i) out += "%5C";
    return out;
}

}  // namespace vask
