// Reading and writing a typical "vask.cfg". The floors copy what the step
// produces: the document for reading, the text for writing.
#include <string>

#include "bench_pairs.h"
#include "common/ini_document.h"
#include "common/utf8.h"

namespace vask::bench {
namespace {

const std::string kSettings =
    "[Velikost]\r\nLevo=780\r\nGor=824\r\n"
    "[Options]\r\nBackcolor=15792383\r\nCompact=0\r\nstbar=1\r\nEnahist=1\r\nsbtransp=0\r\n"
    "[Pin]\r\nBrowser=2\r\nInterface=12\r\nCountry=200\r\nLanguage=30\r\nType=1\r\nTime=3\r\n"
    "[VelikostH]\r\nSirina=1130\r\nVisina=874\r\nLevo=10\r\nGor=10\r\nStatus=2\r\n";

const bool registered = [] {
    registerPair(
        "ini/parse vask.cfg",
        [](benchmark::State& state) {
            for (auto _ : state) benchmark::DoNotOptimize(IniDocument::parse(kSettings, latin1ToUtf8));
        },
        [](benchmark::State& state) {
            const IniDocument document = IniDocument::parse(kSettings, latin1ToUtf8);
            for (auto _ : state) {
                IniDocument copy(document);
                benchmark::DoNotOptimize(copy);
            }
        });
    registerPair(
        "ini/serialize vask.cfg",
        [](benchmark::State& state) {
            const IniDocument document = IniDocument::parse(kSettings, latin1ToUtf8);
            for (auto _ : state) benchmark::DoNotOptimize(document.serialize());
        },
        [](benchmark::State& state) {
            const std::string text = IniDocument::parse(kSettings, latin1ToUtf8).serialize();
            for (auto _ : state) {
                std::string copy(text.data(), text.size());
                benchmark::DoNotOptimize(copy);
            }
        });
    return true;
}();

}  // namespace
}  // namespace vask::bench
