#include "search/query.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace vask {
namespace {

SearchInputs advanced(SearchEngine engine, std::string text) {
    SearchInputs in;
    in.engine = engine;
    in.advancedOpen = true;
    in.text = std::move(text);
    return in;
}

TEST(Query, WorkedExample) {
    SearchOptions options;
    options.interfaceLanguageChanged(29);  // English
    SearchInputs in = advanced(SearchEngine::Google, "red apple");
    in.interfaceIndex = 29;
    in.exact = "big tree";
    in.exclude = "pie";
    in.timeIndex = 3;
    in.browserItem = "Mozilla Firefox";
    const LaunchRequest r = composeSearch(options, in);
    EXPECT_EQ(r.program, "firefox.exe");
    EXPECT_EQ(r.url, "http://www.google.com/search?q=red+apple+%22big+tree%22+-pie&hl=en&tbs=qdr:w");
}

TEST(Query, GoogleAdvancedPieces) {
    SearchOptions options;
    SearchInputs in = advanced(SearchEngine::Google, "a b  c");
    EXPECT_EQ(composeSearch(options, in).url, "http://www.google.com/search?q=a+b++c+");

    options.recompute(1, 1, 1, 1);  // Afrikaans, Afghanistan, Afrikaans, PDF
    in.interfaceIndex = in.countryIndex = in.resultIndex = 1;
    in.exact = "x  y";
    in.exclude = "no way";  // excluded word and site go in as typed
    in.domain = "a b.org";
    in.timeIndex = 5;
    EXPECT_EQ(composeSearch(options, in).url,
              "http://www.google.com/search?q=a+b++c+%22x++y%22+-no way+site:a b.org"
              "&as_filetype=pdf&&hl=af&cr=countryAF&lr=lang_af&tbs=qdr:y");
}

TEST(Query, ListsAtNoneLeaveTheirStoredFragmentsOut) {
    SearchOptions options;
    options.recompute(0, 0, 0, 0);
    options.country = "&cr=countryXX";  // stale values left by earlier choices
    ASSERT_EQ(options.interfaceLanguage, "&hl= ");
    ASSERT_EQ(options.resultLanguage, "&lr= ");
    const SearchInputs in = advanced(SearchEngine::Google, "t");
    EXPECT_EQ(composeSearch(options, in).url, "http://www.google.com/search?q=t+");
}

TEST(Query, SimpleModeUsesTheDefaultBrowser) {
    SearchOptions options;
    options.recompute(29, 1, 1, 1);
    SearchInputs in;
    in.text = "red apple";
    in.exact = "big";
    in.interfaceIndex = 29;
    in.browserItem = "Google Chrome";

    LaunchRequest r = composeSearch(options, in);
    EXPECT_EQ(r.program, "");
    EXPECT_EQ(r.url, "http://www.google.com/search?&hl=sl&q=&q=red apple");

    in.engine = SearchEngine::Bing;  // the exact phrase still shapes Bing's query part
    r = composeSearch(options, in);
    EXPECT_EQ(r.program, "");
    EXPECT_EQ(r.url, "http://www.bing.com/search?+red+apple");
    in.exact.clear();
    EXPECT_EQ(composeSearch(options, in).url, "http://www.bing.com/search?&q=red+apple");

    in.engine = SearchEngine::Wikipedia;
    r = composeSearch(options, in);
    EXPECT_EQ(r.program, "");
    EXPECT_EQ(r.url, "http://af.wikipedia.org/w/index.php?search=red+apple");
}

TEST(Query, BingAdvanced) {
    SearchOptions options;
    options.recompute(0, 1, 1, 1);  // Afghanistan, Afrikaans, PDF
    SearchInputs in = advanced(SearchEngine::Bing, "z");
    in.exact = "x y";
    in.exclude = "p q";
    in.domain = "d.org";
    in.browserItem = "Opera";
    LaunchRequest r = composeSearch(options, in);
    EXPECT_EQ(r.program, "opera.exe");
    EXPECT_EQ(r.url,
              "http://www.bing.com/search?&q=%22x+y%22+z+filetype%3Apdf+ -p q"
              "+loc%3AAF++language%3Aaf+site%3Ad.org&");

    in.browserItem = "Opera (Default)";  // the default browser's form repeats the file type
    r = composeSearch(options, in);
    EXPECT_EQ(r.program, "");
    EXPECT_EQ(r.url,
              "http://www.bing.com/search?&q=%22x+y%22+z+filetype%3Apdf+ -p q"
              "+loc%3AAF++language%3Aaf+site%3Ad.org&+filetype%3Apdf");

    options = SearchOptions{};
    in.exclude = in.domain = "";
    in.exact.clear();
    EXPECT_EQ(composeSearch(options, in).url, "http://www.bing.com/search?&q=&q=z");
    in.text.clear();  // the phrase alone
    in.exact = "x y";
    EXPECT_EQ(composeSearch(options, in).url, "http://www.bing.com/search?&q=%22x+y%22");
}

TEST(Query, BingWithNothingTypedCarriesNothingOver) {
    SearchOptions options;
    SearchInputs in;
    in.engine = SearchEngine::Bing;
    in.text = "earlier search";
    composeSearch(options, in);
    in.text.clear();
    EXPECT_EQ(composeSearch(options, in).url, "http://www.bing.com/search?");
    in.advancedOpen = true;
    EXPECT_EQ(composeSearch(options, in).url, "http://www.bing.com/search?&q=");
}

TEST(Query, Wikipedia) {
    SearchOptions options;
    SearchInputs in = advanced(SearchEngine::Wikipedia, "a b");
    in.exact = "ignored";
    in.browserItem = "Firefox";
    LaunchRequest r = composeSearch(options, in);
    EXPECT_EQ(r.program, "firefox.exe");
    EXPECT_EQ(r.url, "http://wikipedia.org/w/index.php?search=a+b");

    options.resultLanguageChanged(13);  // English
    in.text.clear();
    EXPECT_EQ(composeSearch(options, in).url, "http://en.wikipedia.org/w/index.php?search=");
}

TEST(Query, BrowserProgramLastMatchWins) {
    EXPECT_EQ(browserProgramFor(""), "");
    EXPECT_EQ(browserProgramFor("Google Chrome"), "chrome.exe");
    EXPECT_EQ(browserProgramFor("firefox"), "firefox.exe");
    EXPECT_EQ(browserProgramFor("Internet Explorer"), "iexplore.exe");
    EXPECT_EQ(browserProgramFor("Opera Stable"), "opera.exe");
    EXPECT_EQ(browserProgramFor("Safari"), "safari.exe");
    EXPECT_EQ(browserProgramFor("Lynx"), "");
    EXPECT_EQ(browserProgramFor("Chrome and Firefox"), "firefox.exe");
    EXPECT_EQ(browserProgramFor("Mozilla Firefox (Default)"), "");
}

TEST(Query, TimeFragments) {
    const char* expected[] = {"", "&tbs=qdr:h", "&tbs=qdr:d", "&tbs=qdr:w", "&tbs=qdr:m", "&tbs=qdr:y"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(timeFragment(i), expected[i]);
    EXPECT_EQ(timeFragment(-1), "");
    EXPECT_EQ(timeFragment(6), "");
}

TEST(Query, QuotesAndTrailingBackslashesAreEncoded) {
    EXPECT_EQ(shellSafeUrl(R"(a"b\c\\)"), R"(a%22b\c%5C%5C)");
    EXPECT_EQ(shellSafeUrl("&#+%22"), "&#+%22");

    SearchOptions options;
    SearchInputs in;
    in.text = R"(a" --incognito "b\)";
    EXPECT_EQ(composeSearch(options, in).url, "http://www.google.com/search?&hl=sl&q=&q=a%22 --incognito %22b%5C");
    in = advanced(SearchEngine::Bing, R"(say "hi")");
    in.exact = R"(x"y)";
    in.browserItem = "Chrome";
    EXPECT_EQ(composeSearch(options, in).url, "http://www.bing.com/search?&q=%22x%22y%22+say+%22hi%22");
}

TEST(Query, UrlCharactersTypedReachTheServiceAsTyped) {
    SearchOptions options;
    SearchInputs in;
    in.text = "c++ AT&T 100% #1";
    EXPECT_EQ(composeSearch(options, in).url, "http://www.google.com/search?&hl=sl&q=&q=c%2B%2B AT%26T 100%25 %231");
    in = advanced(SearchEngine::Google, "a+b\t%41");
    in.exact = "x&y";
    in.exclude = "#z";
    in.domain = "a.org&q=evil";
    EXPECT_EQ(composeSearch(options, in).url,
              "http://www.google.com/search?q=a%2Bb%09%2541+%22x%26y%22+-%23z+site:a.org%26q=evil");
    EXPECT_EQ(composeSearch(options, advanced(SearchEngine::Wikipedia, "C# & F#\x7F")).url,
              "http://wikipedia.org/w/index.php?search=C%23+%26+F%23%7F");
}

TEST(Query, TextInAnyScriptPassesThrough) {
    EXPECT_EQ(SpacesToPlus("東京 café"), "東京+café");
    SearchOptions options;
    SearchInputs in = advanced(SearchEngine::Wikipedia, "東京 café");
    EXPECT_EQ(composeSearch(options, in).url, "http://wikipedia.org/w/index.php?search=東京+café");
}

}  // namespace
}  // namespace vask
