// The real launcher hands every URL, whatever it holds, to the browser as
// exactly one argument: to a named browser and to the default one.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "search/query.h"
#include "win/launcher.h"

namespace vask::e2e {
namespace {

const std::vector<std::string>& hostileUrls() {
    static const std::vector<std::string> urls = [] {
        std::vector<std::string> raw = {
            "http://www.google.com/search?q=a\" --incognito \"b",
            "http://www.google.com/search?q=x\\",
            "http://www.google.com/search?q=x\\\\",
            "http://www.google.com/search?q=a b  c&x=%22#frag",
            "http://www.google.com/search?q=\\\"quoted\\\" end\\",
            "http://www.google.com/search?q=東京+café",
        };
        std::vector<std::string> safe;
        for (const auto& url : raw) safe.push_back(shellSafeUrl(url));
        return safe;
    }();
    return urls;
}

void expectEachUrlAsOneArgument(const std::wstring& browser, const std::string& program) {
    forgetLaunches();
    win::ShellLauncher launcher;
    for (const auto& url : hostileUrls()) launcher.open(nullptr, program, url);
    const auto launches = waitForLaunches(browser, hostileUrls().size());
    ASSERT_EQ(launches.size(), hostileUrls().size());
    // Launches may finish out of order; each URL must arrive whole, once.
    for (const auto& url : hostileUrls()) {
        const auto found = std::count(launches.begin(), launches.end(), LaunchArgs{url});
        EXPECT_EQ(found, 1) << url;
    }
}

TEST(LauncherEndToEnd, NamedBrowserReceivesEachUrlAsExactlyOneArgument) {
    expectEachUrlAsOneArgument(L"firefox", "firefox.exe");
}

TEST(LauncherEndToEnd, DefaultBrowserReceivesEachUrlAsExactlyOneArgument) {
    expectEachUrlAsOneArgument(L"default", "");
}

}  // namespace
}  // namespace vask::e2e
