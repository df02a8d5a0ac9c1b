// The instance limit counts the copies of one program file in a named shared
// block. Here the other copies are played by the test itself: it makes the
// block as a running copy would and checks what the component leaves in it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "controls/instance_control.h"
#include "test_app.h"

namespace vask::test {
namespace {

struct Block {
    uint32_t window;
    uint32_t count;
    bool operator==(const Block&) const = default;
};

uint32_t stored(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

// A program path of its own per test (and per run), and the block it names.
struct ProgramPath {
    explicit ProgramPath(const std::wstring& test) {
        const std::wstring run = std::to_wstring(GetCurrentProcessId());
        path = L"C:\\Vask Tests\\" + test + L" " + run + L"\\vask.exe";
        mappingName = instanceBlockName(path);
    }
    std::wstring path, mappingName;
};

std::optional<Block> readBlock(const std::wstring& name) {
    win::KernelHandle mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, name.c_str()));
    if (!mapping) return std::nullopt;
    win::MappedView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(Block)));
    if (!view) return std::nullopt;
    return *static_cast<const Block*>(view.get());
}

// A copy that is already running: it holds the block and has counted itself.
struct RunningCopy {
    RunningCopy(const std::wstring& name, HWND window, uint32_t count)
        : mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Block), name.c_str())),
          view(MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Block))) {
        *static_cast<Block*>(view.get()) = {stored(window), count};
    }
    win::KernelHandle mapping;
    win::MappedView view;
};

struct TopWindow {
    TopWindow()
        : hwnd(CreateWindowExW(0, L"STATIC", L"copy", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr)) {}
    ~TopWindow() { DestroyWindow(hwnd); }
    HWND hwnd;
};

TEST(InstanceControl, TheFirstCopyMakesTheBlockAndItGoesWithTheLastCopy) {
    const ProgramPath program(L"first");
    TopWindow own;
    {
        TInstanceControl control(program.path);
        EXPECT_EQ(control.MaxInstances, 1u);
        EXPECT_TRUE(control.Enabled);
        EXPECT_FALSE(readBlock(program.mappingName)) << "nothing is made before the load";
        EXPECT_TRUE(control.Loaded(own.hwnd));
        EXPECT_TRUE(control.counted());
        EXPECT_EQ(readBlock(program.mappingName), (Block{stored(own.hwnd), 1}));
    }
    EXPECT_FALSE(readBlock(program.mappingName)) << "a copy that ends leaves no count behind";
}

TEST(InstanceControl, ACopyOverTheLimitHidesAndBringsTheLastCopyBack) {
    const ProgramPath program(L"second");
    TopWindow first, own;
    ShowWindow(first.hwnd, SW_MINIMIZE);
    ShowWindow(own.hwnd, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(IsIconic(first.hwnd));
    RunningCopy running(program.mappingName, first.hwnd, 1);
    {
        TInstanceControl control(program.path);
        int raised = 0;
        control.OnMaxInstancesReached = [&](TInstanceControl& sender, HWND last) {
            ++raised;
            EXPECT_EQ(&sender, &control);
            EXPECT_EQ(last, first.hwnd);
        };
        EXPECT_FALSE(control.Loaded(own.hwnd));
        EXPECT_EQ(raised, 1);
        EXPECT_FALSE(control.counted());
        EXPECT_FALSE(IsWindowVisible(own.hwnd));
        EXPECT_FALSE(IsIconic(first.hwnd));
        EXPECT_TRUE(IsWindowVisible(first.hwnd));
        EXPECT_EQ(GetForegroundWindow(), first.hwnd);
        EXPECT_EQ(readBlock(program.mappingName), (Block{stored(first.hwnd), 1}));
    }
    EXPECT_EQ(readBlock(program.mappingName), (Block{stored(first.hwnd), 1})) << "an uncounted copy gives nothing back";
}

TEST(InstanceControl, UnderAHigherLimitEachCopyCountsItselfAndGivesItsCountBack) {
    const ProgramPath program(L"third");
    TopWindow first, own;
    RunningCopy running(program.mappingName, first.hwnd, 1);
    {
        TInstanceControl control(program.path);
        control.MaxInstances = 2;
        control.OnMaxInstancesReached = [](TInstanceControl&, HWND) { ADD_FAILURE() << "the limit is not reached"; };
        EXPECT_TRUE(control.Loaded(own.hwnd));
        EXPECT_EQ(readBlock(program.mappingName), (Block{stored(own.hwnd), 2}));
    }
    // The window of the copy that ended stays named: only the count goes back.
    EXPECT_EQ(readBlock(program.mappingName), (Block{stored(own.hwnd), 1}));
}

TEST(InstanceControl, OnlyOneComponentLivesInAProgram) {
    const ProgramPath program(L"single");
    {
        TInstanceControl control(program.path);
        try {
            TInstanceControl second(program.path);
            ADD_FAILURE() << "a second component was made";
        } catch (const EInstanceControl& error) {
            EXPECT_STREQ(error.what(), "Only one copy of this component can be dropped on a form!");
        }
    }
    EXPECT_NO_THROW(TInstanceControl again(program.path)) << "the place is free once the first one is gone";
}

TEST(InstanceControl, ADisabledComponentNeitherMakesNorTouchesTheBlock) {
    const ProgramPath alone(L"disabled"), shared(L"disabledshared");
    TopWindow first, own;
    {
        TInstanceControl control(alone.path);
        control.Enabled = false;
        EXPECT_TRUE(control.Loaded(own.hwnd));
        EXPECT_FALSE(readBlock(alone.mappingName));
    }
    RunningCopy running(shared.mappingName, first.hwnd, 1);
    {
        TInstanceControl control(shared.path);
        control.Enabled = false;
        EXPECT_TRUE(control.Loaded(own.hwnd));
        EXPECT_EQ(readBlock(shared.mappingName), (Block{stored(first.hwnd), 1}));
    }
    EXPECT_EQ(readBlock(shared.mappingName), (Block{stored(first.hwnd), 1}));
}

}  // namespace
}  // namespace vask::test
