// The real vask.exe: a typed search reaches the default browser exactly.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "temp_folder.h"

namespace vask::e2e {
namespace {

TEST(SearchEndToEnd, EnterOpensTheSimpleGoogleUrlInTheDefaultBrowser) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    ASSERT_NE(vask.bar(), nullptr);
    vask.search("red apple");
    const auto launches = waitForLaunches(L"default", 1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0], LaunchArgs{"http://www.google.com/search?&hl=sl&q=&q=red apple"});
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

}  // namespace
}  // namespace vask::e2e
