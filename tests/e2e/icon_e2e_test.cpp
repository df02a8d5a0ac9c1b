// The program's icon as vask.exe holds it: an image drawn for each size
// Windows asks for.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "e2e_support.h"
#include "win/handles.h"

namespace vask::e2e {
namespace {

#pragma pack(push, 2)
struct IconGroupEntry {  // GRPICONDIRENTRY
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::string_view resource(HMODULE module, const wchar_t* name, const wchar_t* type) {
    const HRSRC found = FindResourceW(module, name, type);
    if (!found) return {};
    return {static_cast<const char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found)};
}

TEST(IconEndToEnd, TheIconHoldsAnImageForEverySizeTheLargestAsPng) {
    const win::Module exe(
        LoadLibraryExW(vaskExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(exe);
    const std::string_view group = resource(exe.get(), MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6u + count * sizeof(IconGroupEntry));
    std::set<int> sides;
    for (WORD i = 0; i < count; ++i) {
        const auto& entry = *reinterpret_cast<const IconGroupEntry*>(group.data() + 6 + i * sizeof(IconGroupEntry));
        const int side = entry.width ? entry.width : 256;
        sides.insert(side);
        const std::string_view image = resource(exe.get(), MAKEINTRESOURCEW(entry.id), RT_ICON);
        if (side == 256) {
            EXPECT_EQ(image.substr(0, 8), "\x89PNG\r\n\x1a\n");
        } else {
            // A 32-bit bitmap of its own size (twice as high: the colours and the mask).
            ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
            const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
            EXPECT_EQ(header.biWidth, side);
            EXPECT_EQ(header.biHeight, 2 * side);
            EXPECT_EQ(header.biBitCount, 32);
        }
    }
    EXPECT_EQ(sides, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

}  // namespace
}  // namespace vask::e2e
