#include <gtest/gtest.h>

#include "bar/autostart.h"

namespace vask {
namespace {

constexpr const char* Program = "C:\\Program Files\\Vask\\vask.exe";

TEST(Autostart, TheEntryStartsThisProgramQuotedAndQuietly) {
    EXPECT_EQ(autostartCommand(Program), "\"C:\\Program Files\\Vask\\vask.exe\" --autostart");
    EXPECT_TRUE(startsProgram(autostartCommand(Program), Program));
}

TEST(Autostart, AnEntryIsThisProgramsWhateverItsQuotesCaseAndArguments) {
    // Written by another program or by hand, it still starts this one.
    EXPECT_TRUE(startsProgram("\"c:\\program files\\VASK\\Vask.EXE\"", Program));
    EXPECT_TRUE(startsProgram("  C:\\Program Files\\Vask\\vask.exe", Program));
    EXPECT_TRUE(startsProgram("C:\\Program Files\\Vask\\vask.exe --engine bing", Program));
    EXPECT_TRUE(startsProgram("\"C:\\Ünïcode\\vask.exe\" x", "C:\\üNÏCODE\\vask.exe"));

    // Another copy, or a longer name that begins like this one, is not.
    EXPECT_FALSE(startsProgram("\"D:\\Tools\\vask.exe\" --autostart", Program));
    EXPECT_FALSE(startsProgram("C:\\Program Files\\Vask\\vask.exe.bak", Program));
    EXPECT_FALSE(startsProgram("\"C:\\Program Files\\Vask\\vask.exe.bak\"", Program));
    EXPECT_FALSE(startsProgram("\"C:\\Program Files\\Vask\\vask", Program));
    EXPECT_FALSE(startsProgram("", Program));
    EXPECT_FALSE(startsProgram("\"\"", ""));
}

}  // namespace
}  // namespace vask
