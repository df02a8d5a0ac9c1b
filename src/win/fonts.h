#pragma once
// The fonts the windows draw with, made in one place.
#include <windows.h>

#include "win/dpi.h"
#include "win/handles.h"

namespace vask::win {

struct FontLook {
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
};

// `face` at `height` pixels: negative for the characters' height (as
// fontHeight() gives), positive for the cell's.
Font makeFont(const wchar_t* face, int height, FontLook look = {});

// The controls' font, "Microsoft Sans Serif", at `points` for `dpi`.
inline Font uiFont(int points, UINT dpi, int weight = FW_NORMAL) {
    return makeFont(L"Microsoft Sans Serif", fontHeight(points, dpi), {weight});
}

}  // namespace vask::win
