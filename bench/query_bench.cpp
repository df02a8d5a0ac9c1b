// One search's URL for each service, from the bar alone and with the
// advanced window's options. The floor is one string of the URL's length.
#include <string>

#include "bench_pairs.h"
#include "search/query.h"

namespace vask::bench {
namespace {

SearchInputs inputs(SearchEngine engine, bool advanced) {
    SearchInputs in;
    in.text = "letno poročilo 2023 ljubljana";
    in.engine = engine;
    in.advancedOpen = advanced;
    if (!advanced) return in;
    in.interfaceIndex = 12;
    in.resultIndex = 30;
    in.countryIndex = 200;
    in.timeIndex = 3;
    in.exact = "čisti dobiček";
    in.exclude = "forum";
    in.domain = "example.si";
    in.browserItem = "Firefox";
    return in;
}

SearchOptions optionsFor(const SearchInputs& in) {
    SearchOptions options;
    if (in.advancedOpen) options.recompute(in.interfaceIndex, in.countryIndex, in.resultIndex, 1);
    return options;
}

void registerService(const char* service, SearchEngine engine, bool advanced) {
    const SearchInputs in = inputs(engine, advanced);
    const std::string name = std::string("url/") + service + (advanced ? "/advanced" : "/simple");
    registerPair(
        name,
        [in](benchmark::State& state) {
            SearchOptions options = optionsFor(in);
            for (auto _ : state) benchmark::DoNotOptimize(composeSearch(options, in));
        },
        [in](benchmark::State& state) {
            SearchOptions options = optionsFor(in);
            const std::string url = composeSearch(options, in).url;
            for (auto _ : state) {
                std::string copy(url.data(), url.size());
                benchmark::DoNotOptimize(copy);
            }
        });
}

const bool registered = [] {
    for (const bool advanced : {false, true}) {
        registerService("google", SearchEngine::Google, advanced);
        registerService("bing", SearchEngine::Bing, advanced);
        registerService("wikipedia", SearchEngine::Wikipedia, advanced);
    }
    return true;
}();

}  // namespace
}  // namespace vask::bench
