#include "win/fonts.h"

namespace vask::win {

Font makeFont(const wchar_t* face, int height, FontLook look) {
    return Font(CreateFontW(height, 0, 0, 0, look.weight, look.italic, look.underline, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, face));
}

}  // namespace vask::win
