#include "advanced/docking.h"

#include <algorithm>

namespace vask {
namespace {

// Free rows above the bar once the advanced window stands on it.
int roomAbove(const DockGeometry& g) { return g.barTop - g.monitorTop - g.advancedHeight; }

bool fitsBelow(const DockGeometry& g) { return g.barTop + g.barHeight + g.advancedHeight <= g.screenHeight; }

// Neither above nor below would show the whole window: the side with more
// room, moved as far as it must be to stay on the monitor.
bool fitsNeitherSide(const DockGeometry& g) { return roomAbove(g) <= 0 && !fitsBelow(g); }

int squeezedTop(const DockGeometry& g) {
    const int spaceAbove = g.barTop - g.monitorTop, spaceBelow = g.screenHeight - (g.barTop + g.barHeight);
    const int top = spaceAbove > spaceBelow ? g.barTop - g.advancedHeight : g.barTop + g.barHeight;
    return std::max(g.monitorTop, std::min(top, g.screenHeight - g.advancedHeight));
}

bool near(int value, int target) { return target - SnapDistance < value && value < target + SnapDistance; }

}  // namespace

DockPlacement placeAdvanced(const DockGeometry& g) {
    if (fitsNeitherSide(g)) return {g.barLeft, squeezedTop(g)};
    const int room = roomAbove(g);
    const int above = g.barTop - g.advancedHeight;
    const int below = g.barTop + g.barHeight;
    DockPlacement p{g.barLeft, g.advancedTop};
    if (room > 1)
        p.top = above;
    else if (room <= 0)
        p.top = below;
    // Below a bar that reaches past the last screen row the window would be
    // out of sight, so it goes above even without room there.
    if (below > g.screenHeight - 1) p.top = above;
    return p;
}

SnapResult snapAdvanced(const DockGeometry& g) {
    SnapResult r{false, g.advancedLeft, g.advancedTop};
    if (!near(g.advancedLeft, g.barLeft)) return r;
    if (fitsNeitherSide(g)) {
        const int top = squeezedTop(g);
        if (near(g.advancedTop, top)) r = {true, g.barLeft, top};
    } else if (roomAbove(g) <= 0) {
        // The place below the bar: the window's top meets the bar's bottom.
        const int y = g.barTop + g.barHeight;
        if (near(g.advancedTop, y)) r = {true, g.barLeft, y};
    } else {
        // The place above the bar: the window's bottom meets the bar's top.
        if (near(g.advancedTop + g.advancedHeight, g.barTop)) r = {true, g.barLeft, g.barTop - g.advancedHeight};
    }
    return r;
}

}  // namespace vask
