// The shared block's name follows the program's path, so only copies of the
// same program file see each other.
#include <gtest/gtest.h>

#include "controls/instance_name.h"

namespace vask {
namespace {

TEST(InstanceName, DropsBackslashesAndSpacesAndKeepsEverythingElse) {
    EXPECT_EQ(instanceMappingName("C:\\Program Files\\X\\x.exe"), "C:ProgramFilesXx.exe");
    EXPECT_EQ(instanceMappingName("\\\\server\\share\\my  tools\\vask.exe"), "serversharemytoolsvask.exe");
    // Case, tabs, slashes and non-ASCII letters stay as they are.
    EXPECT_EQ(instanceMappingName("D:\\Orodja\\Čebela\tA/vask.EXE"), "D:OrodjaČebela\tA/vask.EXE");
    EXPECT_EQ(instanceMappingName(""), "");
}

TEST(InstanceName, DifferentFoldersGiveDifferentNamesAndTheLockNeverClashesWithTheBlock) {
    EXPECT_NE(instanceMappingName("C:\\a\\vask.exe"), instanceMappingName("C:\\b\\vask.exe"));
    // A mutex and a mapping of one name would collide in the object namespace.
    const std::string block = instanceMappingName("C:\\a\\x.exe");
    EXPECT_NE(instanceLockName(block), block);
    EXPECT_NE(instanceLockName(block), instanceLockName(instanceMappingName("C:\\b\\x.exe")));
}

}  // namespace
}  // namespace vask
