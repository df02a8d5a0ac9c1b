#pragma once
// One's own search engines: the "[Engines]" section of "vask.cfg", one line
// per engine, `keyword=Name|URL template`, or with a suggestions template
// as well, `keyword=Name|URL template|suggestions template`, for example
//   ddg=DuckDuckGo|https://duckduckgo.com/?q={q}|https://duckduckgo.com/ac/?type=list&q={q}
// A template only ever becomes an http:// or https:// URL: anything else
// handed to the shell could start a program.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini_document.h"

namespace vask {

inline constexpr std::string_view EnginesSection = "Engines";
// The marks of the search text's place: Vask's own, and the two that browsers
// write (Firefox and Chrome keywords use %s, OpenSearch files {searchTerms}).
inline constexpr std::string_view SearchTextFields[] = {"{q}", "%s", "{searchTerms}"};
inline constexpr std::size_t MaxKeywordLength = 16;

struct OwnEngine {
    std::string keyword;      // as written; compared without case
    std::string name;         // shown in the Engines window and the menu
    std::string urlTemplate;  // http:// or https://, with {q} (or %s, {searchTerms}) where the search text goes
    // Where completions of a text are asked (checked as urlTemplate is); empty: none.
    std::string suggestTemplate = {};
    bool operator==(const OwnEngine&) const = default;
};

// Each field's check, for the Engines window: an empty text when the field is
// fine, else the message that says what is wrong.
// A keyword is 1-16 ASCII letters, digits, "-" or "_", and not g, b or w
// (the built-in engines' keywords).
std::string_view keywordProblem(std::string_view keyword);
// A name is not empty (blanks only count as empty), has no "|" and no control characters.
std::string_view nameProblem(std::string_view name);
// A template starts with http:// or https:// (the scheme in any case), holds
// one of the SearchTextFields, and has no spaces, double quotes or control characters: the URL must
// reach the browser as one argument, exactly as written.
std::string_view templateProblem(std::string_view urlTemplate);
// The same checks for the optional suggestions template; an empty one is fine.
std::string_view suggestTemplateProblem(std::string_view suggestTemplate);
// The keyword is already another engine's: `editing` is the engine being
// edited (its own keyword does not count), none for a new one.
bool keywordTaken(std::string_view keyword, std::span<const OwnEngine> engines,
                  std::optional<std::size_t> editing = std::nullopt);
// The first problem of the fields, or of the keyword being taken.
std::string_view engineProblem(const OwnEngine& engine, std::span<const OwnEngine> engines,
                               std::optional<std::size_t> editing = std::nullopt);

// Keywords compare without (ASCII) case.
bool sameKeyword(std::string_view a, std::string_view b);

// A line of the section that is not used, and why.
struct InvalidEngineLine {
    std::string line;  // as it stands in the file
    std::string_view reason;
};

struct EnginesRead {
    std::vector<OwnEngine> engines;          // the valid lines, in the file's order
    std::vector<InvalidEngineLine> invalid;  // for one message at start
};

// The engines of the [Engines] section. Blank lines and comments (";") are
// neither engines nor invalid. Blanks around the keyword, the name and the
// template are not part of them. Of two lines with the same keyword the
// first is used and the later one reported as invalid.
EnginesRead readOwnEngines(const IniDocument& document);

// The Engines window's changes, made to the [Engines] lines the document
// holds now (another copy of the program or the user may have edited them):
// every other line, used or not, stays as it stands. The caller checks the
// engine first (engineProblem() against readOwnEngines() of the document).
// Add: one line more, after the section's last non-blank line.
void addOwnEngine(IniDocument& document, const OwnEngine& engine);
// Change: the used line of `keyword` becomes `engine`'s line, and its unused
// lines (later lines of the same keyword) take the new keyword, so none of
// them comes into use. Without a line of `keyword`, `engine` is added.
void changeOwnEngine(IniDocument& document, std::string_view keyword, const OwnEngine& engine);
// Remove: every line of `keyword`, used or not, so that a later line of the
// keyword never takes the removed engine's place.
void removeOwnEngine(IniDocument& document, std::string_view keyword);

// The line an engine is stored as: "keyword=Name|template", with
// "|suggestions template" after it when the engine has one.
std::string engineLine(const OwnEngine& engine);

// The search text as UTF-8, percent-encoded: A-Z a-z 0-9 - . _ ~ stay, every
// other byte becomes %XX in upper-case hexadecimal ("a b" -> "a%20b").
std::string percentEncode(std::string_view text);

// The URL of a search: every search-text field of the template ({q}, %s or
// {searchTerms}) becomes the encoded search text. None when the template fails templateProblem(), so a URL made here
// always starts with the template's own http:// or https://, is one argument
// and holds no control characters.
std::optional<std::string> expandTemplate(std::string_view urlTemplate, std::string_view searchText);

}  // namespace vask
