// Feeds arbitrary bytes to the reader of one's own engines. Every engine it
// keeps must pass the checks the Engines window makes and expand to a URL
// that starts with its template's own http:// or https://. Each change the
// Engines window makes must do just that change to the engines read back
// (no other line comes into use or goes), and leave the rest of the file as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "common/ini_document.h"
#include "common/utf8.h"
#include "search/own_engines.h"

namespace {

// The document with an empty [Engines] section.
std::string withoutEngines(vask::IniDocument document) {
    for (std::size_t i = document.sectionLines(vask::EnginesSection).size(); i-- > 0;)
        document.eraseSectionLine(vask::EnginesSection, i);
    return document.serialize();
}

// `edit` applied to a copy of `document` reads back as `expected`, the rest of the file untouched.
void check(const vask::IniDocument& document, const std::function<void(vask::IniDocument&)>& edit,
           const std::vector<vask::OwnEngine>& expected) {
    vask::IniDocument edited = document;
    edit(edited);
    const vask::IniDocument reread = vask::IniDocument::parse(edited.serialize(), vask::latin1ToUtf8);
    if (vask::readOwnEngines(reread).engines != expected) std::abort();
    // An added section is the only other change of a file without one.
    vask::IniDocument before = document;
    before.insertSectionLine(vask::EnginesSection, 0, "");
    before.eraseSectionLine(vask::EnginesSection, 0);
    std::string rest = withoutEngines(reread);
    const std::string restBefore = withoutEngines(before);
    // A last line read without an end (a header, say) gets one once a line follows it.
    if (rest.size() == restBefore.size() + 2 && rest.starts_with(restBefore) && rest.ends_with("\r\n"))
        rest.resize(restBefore.size());
    if (rest != restBefore) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vask::IniDocument document = vask::IniDocument::parse(bytes, vask::latin1ToUtf8);
    const vask::EnginesRead read = vask::readOwnEngines(document);
    const std::vector<vask::OwnEngine>& engines = read.engines;
    for (std::size_t i = 0; i < engines.size(); ++i) {
        const vask::OwnEngine& engine = engines[i];
        if (!vask::engineProblem(engine, std::span(engines).first(i)).empty()) std::abort();
        const auto url = vask::expandTemplate(engine.urlTemplate, bytes.substr(0, 64));
        const std::size_t scheme = engine.urlTemplate.find("://") + 3;
        if (!url || url->compare(0, scheme, engine.urlTemplate, 0, scheme) != 0) std::abort();
    }

    const vask::OwnEngine added{"fuzzadded", "Added", "https://added.example/?q={q}"};
    if (!vask::keywordTaken(added.keyword, engines)) {
        std::vector<vask::OwnEngine> expected = engines;
        expected.push_back(added);
        check(
            document, [&](vask::IniDocument& d) { vask::addOwnEngine(d, added); }, expected);
    }
    for (std::size_t i = 0; i < engines.size() && i < 4; ++i) {
        std::vector<vask::OwnEngine> removed = engines;
        removed.erase(removed.begin() + static_cast<std::ptrdiff_t>(i));
        check(
            document, [&](vask::IniDocument& d) { vask::removeOwnEngine(d, engines[i].keyword); }, removed);
        if (vask::keywordTaken(added.keyword, engines)) continue;
        std::vector<vask::OwnEngine> renamed = engines;
        renamed[i] = added;
        check(
            document, [&](vask::IniDocument& d) { vask::changeOwnEngine(d, engines[i].keyword, added); }, renamed);
    }
    return 0;
}
