// Feeds arbitrary bytes to the reader of one's own engines. Every engine it
// keeps must pass the checks the Engines window makes, expand to a URL that
// starts with its template's own http:// or https://, and read back the same
// after the section is written again, the invalid lines with it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <span>
#include <string_view>

#include "common/ini_document.h"
#include "common/utf8.h"
#include "search/own_engines.h"

namespace {

bool sameLines(const vask::EnginesRead& a, const vask::EnginesRead& b) {
    if (a.invalid.size() != b.invalid.size()) return false;
    for (std::size_t i = 0; i < a.invalid.size(); ++i) {
        if (a.invalid[i].line != b.invalid[i].line) return false;
    }
    return a.engines == b.engines;
}

// The document with an empty [Engines] section.
std::string withoutEngines(vask::IniDocument document) {
    document.replaceSectionLines(vask::EnginesSection, {});
    return document.serialize();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vask::IniDocument document = vask::IniDocument::parse(bytes, vask::latin1ToUtf8);
    const vask::EnginesRead read = vask::readOwnEngines(document);
    for (std::size_t i = 0; i < read.engines.size(); ++i) {
        const vask::OwnEngine& engine = read.engines[i];
        if (!vask::engineProblem(engine, std::span(read.engines).first(i)).empty()) std::abort();
        const auto url = vask::expandTemplate(engine.urlTemplate, bytes.substr(0, 64));
        const std::size_t scheme = engine.urlTemplate.find("://") + 3;
        if (!url || url->compare(0, scheme, engine.urlTemplate, 0, scheme) != 0) std::abort();
    }

    const std::string before = withoutEngines(document);
    vask::writeOwnEngines(document, read.engines);
    const vask::IniDocument reread = vask::IniDocument::parse(document.serialize());
    if (!sameLines(vask::readOwnEngines(reread), read)) std::abort();
    if (withoutEngines(reread) != before) std::abort();  // the rest of the file is as it was
    return 0;
}
