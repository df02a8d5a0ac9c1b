#pragma once
// Engines from OpenSearch description files, the format sites link with
// rel="search": what such a file says, and the engine Vask makes of it.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vask {

// A file bigger than this is no search description.
inline constexpr std::size_t MaxOpenSearchFileBytes = std::size_t{1} << 20;

struct OpenSearchUrl {
    std::string type;    // "text/html", "application/x-suggestions+json", ...
    std::string method;  // "GET" when the file names none
    std::string urlTemplate;
    std::vector<std::pair<std::string, std::string>> params;  // <Param name=... value=...>, in order
};

// The parts of a description that make an engine, as the file writes them.
struct OpenSearchDescription {
    std::string shortName;
    std::vector<OpenSearchUrl> urls;
};

struct OpenSearchImport {
    std::string name;
    std::string urlTemplate;            // {searchTerms} kept as written: it marks the text's place
    std::string suggestTemplate;        // from the application/x-suggestions+json Url; empty when none
    std::vector<std::string> problems;  // each one reason the file makes no engine; empty when it does
};

// The engine of a description: its ShortName and its text/html Url sent with
// GET, the Url's <Param>s appended as a query, the optional parameters
// ({name?}) left empty and the encodings said as UTF-8. Any problem (no such
// Url, POST only, a parameter Vask cannot fill, a template that is no web
// address with the search text's place) is named. The
// application/x-suggestions+json Url sent with GET, when there is one,
// becomes the suggestions template, with the same checks.
OpenSearchImport engineFromOpenSearch(const OpenSearchDescription& description);

}  // namespace vask
