#include "search/copy_data.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vask {
namespace {

TEST(CopyData, TextEndsAtZeroSizeOrNinetyNineBytes) {
    const char withTail[] = {'2', '0', '1', '\0', '2', 'x'};
    EXPECT_EQ(copyDataText(withTail, sizeof withTail), "201");
    EXPECT_EQ(copyDataCommand(copyDataText(withTail, sizeof withTail)), CopyDataCommand::Opaque);

    // No zero byte: the size ends the text, and nothing after it is read
    // (a heap block of exactly that size lets the sanitizer check it).
    const auto exact = std::make_unique<char[]>(3);
    std::copy_n("202", 3, exact.get());
    EXPECT_EQ(copyDataText(exact.get(), 3), "202");
    EXPECT_EQ(copyDataText(exact.get(), 2), "20");

    EXPECT_EQ(copyDataText(nullptr, 10), "");
    EXPECT_EQ(copyDataText(withTail, 0), "");

    const std::string big(1 << 20, 'a');
    EXPECT_EQ(copyDataText(big.data(), big.size()), std::string(99, 'a'));
}

TEST(CopyData, OnlyTheExactTextsAreCommands) {
    EXPECT_EQ(copyDataCommand("201"), CopyDataCommand::Opaque);
    EXPECT_EQ(copyDataCommand("202"), CopyDataCommand::Close);
    for (const char* other : {"2010", "20", "", " 201", "203", "202\n"})
        EXPECT_EQ(copyDataCommand(other), CopyDataCommand::None) << other;
}

}  // namespace
}  // namespace vask
