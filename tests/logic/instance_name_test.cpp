// The shared block's name follows the program file, not the path it was
// started by, so only copies of the same program file see each other.
#include <gtest/gtest.h>

#include "controls/instance_name.h"

namespace vask {
namespace {

TEST(InstanceName, OneFileOneNameAndNoOtherFileShares) {
    EXPECT_EQ(instanceMappingName(0x1234ABCD, 0x0001000000000042), instanceMappingName(0x1234ABCD, 0x0001000000000042));
    EXPECT_NE(instanceMappingName(0x1234ABCD, 0x42), instanceMappingName(0x1234ABCE, 0x42));  // another volume
    EXPECT_NE(instanceMappingName(0x1234ABCD, 0x42), instanceMappingName(0x1234ABCD, 0x4200000000000000));
    // No "\", which a kernel object name may not contain.
    EXPECT_EQ(instanceMappingName(0, 0).find('\\'), std::string::npos);
}

TEST(InstanceName, ThePathOfAFileWithoutIdentityNamesItInAnyCaseAndOnlyIt) {
    EXPECT_EQ(instanceMappingName("c:\\tools\\vask\\VASK.EXE"), instanceMappingName("C:\\Tools\\Vask\\vask.exe"));
    EXPECT_EQ(instanceMappingName("D:\\ČEBELA\\Ω.exe"), instanceMappingName("d:\\čebela\\ω.EXE"));
    for (const auto& [one, other] :
         {std::pair{"C:\\a\\bc.exe", "C:\\ab\\c.exe"}, std::pair{"C:\\Program Files\\x.exe", "C:\\ProgramFiles\\x.exe"},
          std::pair{"C:\\a\\vask.exe", "C:\\b\\vask.exe"}})
        EXPECT_NE(instanceMappingName(one), instanceMappingName(other)) << one;
    EXPECT_EQ(instanceMappingName("\\\\server\\share\\vask.exe").find('\\'), std::string::npos);
    // A mutex and a mapping of one name would collide in the object namespace.
    const std::string block = instanceMappingName("C:\\a\\x.exe");
    EXPECT_NE(instanceLockName(block), block);
    EXPECT_NE(instanceLockName(block), instanceLockName(instanceMappingName("C:\\b\\x.exe")));
}

}  // namespace
}  // namespace vask
