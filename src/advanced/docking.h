#pragma once
// Where the advanced window sits against the search bar: flush above the bar
// when there is room, otherwise flush below, and back in that place when the
// user drops it near it. All values are screen pixels; the monitor is the
// bar's.

namespace vask {

struct DockGeometry {
    int barLeft, barTop, barHeight;
    int advancedLeft, advancedTop, advancedHeight;
    int screenHeight;  // the bottom of the bar's monitor
    int monitorTop = 0;
};

struct DockPlacement {
    int left, top;
};

// The docked place, used when the advanced window is activated and when the
// bar moves. With exactly one pixel of room above the bar the top stays. A
// window that fits on neither side goes where there is more room, wholly on
// the monitor, over part of the bar.
DockPlacement placeAdvanced(const DockGeometry& g);

// The result of moving the advanced window: docked and moved to its place
// when dropped less than SnapDistance pixels from it; otherwise detached,
// with left and top as they were.
struct SnapResult {
    bool docked;
    int left, top;
};

inline constexpr int SnapDistance = 15;

SnapResult snapAdvanced(const DockGeometry& g);

}  // namespace vask
