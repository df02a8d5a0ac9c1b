#pragma once
// The bar's pictures, drawn by the program so they stay crisp at any DPI:
// each comes in a variant for bright and one for dark backgrounds.
#include <windows.h>

namespace vask {

void drawLogo(HDC dc, const RECT& area, bool brightBackground, UINT dpi);        // ImageA / ImageB
void drawCloseGlyph(HDC dc, const RECT& area, bool brightBackground, UINT dpi);  // Image3 / image4
void drawMenuGlyph(HDC dc, const RECT& area, bool brightBackground, UINT dpi);   // ati / ati2

}  // namespace vask
