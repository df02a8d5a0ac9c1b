#pragma once
// The advanced window's pictures, drawn by the program so they stay crisp at
// any DPI: each comes in a variant for bright and one for dark backgrounds
// (b1..b4 and b5..b8 for the tool buttons, Image1 and Image2 for the pins).
#include <windows.h>

namespace vask {

enum class ToolGlyph { Save, Open, ClearAll, Reset };  // sb1..sb4

void drawToolGlyph(HDC dc, const RECT& area, ToolGlyph glyph, bool brightBackground, UINT dpi);
void drawPinGlyph(HDC dc, const RECT& area, bool brightBackground, UINT dpi);

}  // namespace vask
