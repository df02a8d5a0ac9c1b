#pragma once
// Where the suggestion list goes against the search bar: under it when it
// fits there on the bar's monitor, above it when it does not; never over the
// advanced window, which then sends it to the bar's other side.
#include <optional>

#include "common/geometry.h"

namespace vask {

struct SuggestionSpace {
    Rect bar;                      // the bar's window
    Rect work;                     // the work area of the bar's monitor
    std::optional<Rect> advanced;  // the advanced window, when it is shown
};

// The list's rectangle, as wide as the bar and `height` tall. When neither
// side is both free and on the monitor, a side clear of the advanced window
// wins, and between two such sides the one with more room.
Rect placeSuggestions(const SuggestionSpace& space, int height);

}  // namespace vask
