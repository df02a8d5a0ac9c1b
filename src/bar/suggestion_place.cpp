#include "bar/suggestion_place.h"

namespace vask {
namespace {

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

Rect placeSuggestions(const SuggestionSpace& space, int height) {
    const Rect& bar = space.bar;
    const Rect below{bar.left, bar.bottom, bar.right, bar.bottom + height};
    const Rect above{bar.left, bar.top - height, bar.right, bar.top};
    const auto clear = [&](const Rect& list) { return !space.advanced || !overlaps(list, *space.advanced); };
    const bool fitsBelow = below.bottom <= space.work.bottom, fitsAbove = above.top >= space.work.top;
    if (fitsBelow && clear(below)) return below;
    if (fitsAbove && clear(above)) return above;
    if (clear(below) != clear(above)) return clear(below) ? below : above;
    return space.work.bottom - bar.bottom >= bar.top - space.work.top ? below : above;
}

}  // namespace vask
