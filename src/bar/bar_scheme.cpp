#include "bar/bar_scheme.h"

#include "common/brightness.h"

namespace vask {

BarScheme barSchemeFor(uint32_t background) {
    BarScheme scheme;
    scheme.bright = isBrightBackground(background);
    scheme.labelText = scheme.bright ? 0x000000 : 0xFFFFFF;
    scheme.borderColor = scheme.bright ? Silver : background;
    return scheme;
}

}  // namespace vask
