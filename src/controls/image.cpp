#include "controls/image.h"

#include <oleacc.h>

#include "win/double_buffer.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"TImage";

}  // namespace

void TImage::create(HWND parent, std::string_view name, int id, DWORD extraStyle, win::Placement placement) {
    createCustom(parent, ClassName, name, WS_VISIBLE | extraStyle, id, placement);
    setAccessibleRole(ROLE_SYSTEM_GRAPHIC);
}

void TImage::paint(HDC target) {
    RECT area{};
    GetClientRect(hwnd(), &area);
    if (area.right <= 0 || area.bottom <= 0 || !OnPaint) return;
    win::DoubleBuffer buffer(target, area.right, area.bottom);
    OnPaint(buffer.dc(), area);
}

LRESULT TImage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    return defaultProcedure(message, wParam, lParam);
}

}  // namespace vask
