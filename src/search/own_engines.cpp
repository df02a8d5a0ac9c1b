#include "search/own_engines.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "common/utf8.h"
#include "search/keyword_search.h"

namespace vask {
namespace {

constexpr std::array<std::string_view, 2> kSchemes{"http://", "https://"};

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isKeywordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// C0 controls and DEL; C1 controls are the two-byte sequences C2 80 - C2 9F.
bool hasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) return true;
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F) return true;
    }
    return false;
}

// The template's http:// or https://, as written; empty when it has neither.
std::string_view schemePrefix(std::string_view urlTemplate) {
    for (std::string_view scheme : kSchemes) {
        if (urlTemplate.size() >= scheme.size() && sameKeyword(urlTemplate.substr(0, scheme.size()), scheme))
            return urlTemplate.substr(0, scheme.size());
    }
    return {};
}

bool isUnreserved(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

// "keyword=Name|template" or "keyword=Name|template|suggestions template"
// taken apart, blanks around each part left out; none without "=" or "|".
// A "|" inside a template is part of it unless what follows the last one is
// a web address or nothing: lines written before engines had suggestions
// keep their templates whole.
std::optional<OwnEngine> splitEngineLine(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view value = line.substr(equals + 1);
    const auto bar = value.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    std::string_view urlTemplate = value.substr(bar + 1), suggestTemplate;
    if (const auto last = urlTemplate.rfind('|'); last != std::string_view::npos) {
        const std::string_view after = trimBlanks(urlTemplate.substr(last + 1));
        if (after.empty() || !schemePrefix(after).empty()) {
            suggestTemplate = after;
            urlTemplate = urlTemplate.substr(0, last);
        }
    }
    return OwnEngine{std::string(trimBlanks(line.substr(0, equals))), std::string(trimBlanks(value.substr(0, bar))),
                     std::string(trimBlanks(urlTemplate)), std::string(suggestTemplate)};
}

struct FieldPlace {
    std::size_t position;
    std::size_t length;
};

// The first search-text field of the template, whichever mark it is written with.
std::optional<FieldPlace> nextSearchTextField(std::string_view urlTemplate) {
    std::optional<FieldPlace> first;
    for (const std::string_view field : SearchTextFields) {
        const auto position = urlTemplate.find(field);
        if (position != std::string_view::npos && (!first || position < first->position))
            first = FieldPlace{position, field.size()};
    }
    return first;
}

bool isCommentOrBlank(std::string_view line) {
    const std::string_view trimmed = trimBlanks(line);
    return trimmed.empty() || trimmed.front() == ';';
}

}  // namespace

bool sameKeyword(std::string_view a, std::string_view b) {
    return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}

std::string_view keywordProblem(std::string_view keyword) {
    if (keyword.empty() || keyword.size() > MaxKeywordLength ||
        !std::all_of(keyword.begin(), keyword.end(), isKeywordChar))
        return "A keyword is 1 to 16 letters (A-Z), digits, \"-\" or \"_\".";
    for (const SearchEngine engine : {SearchEngine::Google, SearchEngine::Bing, SearchEngine::Wikipedia}) {
        if (sameKeyword(keyword, builtInKeyword(engine)))
            return "The keywords g, b and w belong to Google, Bing and Wikipedia.";
    }
    return {};
}

std::string_view nameProblem(std::string_view name) {
    if (trimBlanks(name).empty()) return "The name is empty.";
    if (name.find('|') != std::string_view::npos) return "A name may not hold \"|\".";
    if (hasControlCharacter(name) || !isValidUtf8(name)) return "The name holds characters that cannot be stored.";
    return {};
}

namespace {

// What is wrong with a template, in the words of the field it stands in.
struct TemplateMessages {
    std::string_view scheme, field, characters;
};
constexpr TemplateMessages kUrlTemplateMessages{
    "The URL template must start with http:// or https://.",
    "The URL template must hold {q} (or %s, {searchTerms}) where the search text goes.",
    "The URL template may not hold spaces, double quotes or control characters."};
constexpr TemplateMessages kSuggestTemplateMessages{
    "The suggestions template must start with http:// or https://.",
    "The suggestions template must hold {q} (or %s, {searchTerms}) where the search text goes.",
    "The suggestions template may not hold spaces, double quotes or control characters."};

std::string_view checkTemplate(std::string_view text, const TemplateMessages& messages) {
    if (schemePrefix(text).empty()) return messages.scheme;
    if (!nextSearchTextField(text)) return messages.field;
    if (text.find_first_of(" \"") != std::string_view::npos || hasControlCharacter(text) || !isValidUtf8(text))
        return messages.characters;
    return {};
}

}  // namespace

std::string_view templateProblem(std::string_view urlTemplate) {
    return checkTemplate(urlTemplate, kUrlTemplateMessages);
}

std::string_view suggestTemplateProblem(std::string_view suggestTemplate) {
    if (suggestTemplate.empty()) return {};
    return checkTemplate(suggestTemplate, kSuggestTemplateMessages);
}

bool keywordTaken(std::string_view keyword, std::span<const OwnEngine> engines, std::optional<std::size_t> editing) {
    for (std::size_t i = 0; i < engines.size(); ++i) {
        if (i != editing && sameKeyword(engines[i].keyword, keyword)) return true;
    }
    return false;
}

std::string_view engineProblem(const OwnEngine& engine, std::span<const OwnEngine> engines,
                               std::optional<std::size_t> editing) {
    for (const std::string_view problem :
         {keywordProblem(engine.keyword), nameProblem(engine.name), templateProblem(engine.urlTemplate),
          suggestTemplateProblem(engine.suggestTemplate)}) {
        if (!problem.empty()) return problem;
    }
    if (keywordTaken(engine.keyword, engines, editing)) return "Another engine has this keyword.";
    return {};
}

EnginesRead readOwnEngines(const IniDocument& document) {
    EnginesRead read;
    for (std::string& line : document.sectionLines(EnginesSection)) {
        if (isCommentOrBlank(line)) continue;
        const auto engine = splitEngineLine(line);
        std::string_view problem =
            engine ? engineProblem(*engine, read.engines)
                   : "A line reads keyword=Name|URL template, or keyword=Name|URL template|suggestions template.";
        if (problem.empty()) {
            read.engines.push_back(*engine);
        } else {
            read.invalid.push_back({std::move(line), problem});
        }
    }
    return read;
}

std::string engineLine(const OwnEngine& engine) {
    std::string line = engine.keyword + "=" + engine.name + "|" + engine.urlTemplate;
    if (!engine.suggestTemplate.empty()) line.append("|").append(engine.suggestTemplate);
    return line;
}

namespace {

// A line of the section as the reader sees it: its keyword (the text before
// "=", blanks left out; empty for comments and lines without "=") and
// whether the reader uses it.
struct SectionLine {
    std::string keyword;
    bool used = false;
};

std::vector<SectionLine> sectionLinesOf(const IniDocument& document) {
    std::vector<SectionLine> lines;
    std::vector<OwnEngine> used;
    for (const std::string& text : document.sectionLines(EnginesSection)) {
        SectionLine& line = lines.emplace_back();
        const auto equals = text.find('=');
        if (isCommentOrBlank(text) || equals == std::string::npos) continue;
        line.keyword = trimBlanks(std::string_view(text).substr(0, equals));
        const auto engine = splitEngineLine(text);
        line.used = engine && engineProblem(*engine, used).empty();
        if (line.used) used.push_back(*engine);
    }
    return lines;
}

}  // namespace

void addOwnEngine(IniDocument& document, const OwnEngine& engine) {
    const std::vector<std::string> lines = document.sectionLines(EnginesSection);
    const auto lastFilled =
        std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) { return !trimBlanks(l).empty(); });
    document.insertSectionLine(EnginesSection, static_cast<std::size_t>(lines.rend() - lastFilled), engineLine(engine));
}

void changeOwnEngine(IniDocument& document, std::string_view keyword, const OwnEngine& engine) {
    const std::vector<SectionLine> lines = sectionLinesOf(document);
    const std::vector<std::string> texts = document.sectionLines(EnginesSection);
    bool changed = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!sameKeyword(lines[i].keyword, keyword)) continue;
        if (lines[i].used) {
            document.setSectionLine(EnginesSection, i, engineLine(engine));
            changed = true;
        } else if (!sameKeyword(keyword, engine.keyword)) {
            // Renamed along, the rest of the line as it stands.
            document.setSectionLine(EnginesSection, i, engine.keyword + texts[i].substr(texts[i].find('=')));
        }
    }
    if (!changed) addOwnEngine(document, engine);
}

void removeOwnEngine(IniDocument& document, std::string_view keyword) {
    const std::vector<SectionLine> lines = sectionLinesOf(document);
    for (std::size_t i = lines.size(); i-- > 0;)
        if (sameKeyword(lines[i].keyword, keyword)) document.eraseSectionLine(EnginesSection, i);
}

std::string percentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

std::optional<std::string> expandTemplate(std::string_view urlTemplate, std::string_view searchText) {
    if (!templateProblem(urlTemplate).empty()) return std::nullopt;
    const std::string encoded = percentEncode(searchText);
    std::string url;
    for (auto field = nextSearchTextField(urlTemplate); field; field = nextSearchTextField(urlTemplate)) {
        url.append(urlTemplate.substr(0, field->position)).append(encoded);
        urlTemplate.remove_prefix(field->position + field->length);
    }
    return url.append(urlTemplate);
}

}  // namespace vask
