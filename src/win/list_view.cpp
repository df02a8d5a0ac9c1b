#include "win/list_view.h"

#include <algorithm>
#include <string>

#include "win/text.h"

namespace vask::win {

void VirtualListView::create(HWND parent, int id, DWORD extraStyle, DWORD extendedListStyle) {
    Control::create(parent, WC_LISTVIEWW, "",
                    WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | extraStyle, id,
                    WS_EX_CLIENTEDGE);
    SendMessageW(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, extendedListStyle, extendedListStyle);
}

void VirtualListView::addColumn(std::string_view caption, int width) {
    std::wstring text = toWide(caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text.data();
    column.cx = width;
    const int index = Header_GetItemCount(ListView_GetHeader(hwnd()));  // appended after the last
    SendMessageW(hwnd(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

int VirtualListView::count() const { return static_cast<int>(SendMessageW(hwnd(), LVM_GETITEMCOUNT, 0, 0)); }

void VirtualListView::setCount(std::size_t rows) {
    SendMessageW(hwnd(), LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

std::vector<std::size_t> VirtualListView::selectedRows() const {
    std::vector<std::size_t> rows;
    for (int row = firstSelected(); row >= 0;
         row = static_cast<int>(SendMessageW(hwnd(), LVM_GETNEXTITEM, row, LVNI_SELECTED)))
        rows.push_back(static_cast<std::size_t>(row));
    return rows;
}

int VirtualListView::firstSelected() const {
    return static_cast<int>(SendMessageW(hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void VirtualListView::setSelected(int row, bool selected) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageW(hwnd(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void VirtualListView::selectOnly(int row) {
    // A single-selection list drops its old selection by itself; asking for
    // the selected rows of a long list is not free.
    if (multiSelect()) clearSelection();
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageW(hwnd(), LVM_SETSELECTIONMARK, 0, row);
}

// Row by row: clearing "all rows" at once makes some list views visit every
// row of a long history.
void VirtualListView::clearSelection() {
    for (const std::size_t row : selectedRows()) setSelected(static_cast<int>(row), false);
}

void VirtualListView::ensureVisible(int row) { SendMessageW(hwnd(), LVM_ENSUREVISIBLE, row, TRUE); }

void VirtualListView::setMultiSelect(bool multiple) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, multiple ? style & ~LVS_SINGLESEL : style | LVS_SINGLESEL);
}

bool VirtualListView::multiSelect() const { return !(GetWindowLongPtrW(hwnd(), GWL_STYLE) & LVS_SINGLESEL); }

void answerText(NMLVDISPINFOW& info, std::string_view text) {
    if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
    const std::wstring wide = toWide(text);
    const std::size_t length = std::min<std::size_t>(wide.size(), static_cast<std::size_t>(info.item.cchTextMax - 1));
    std::copy_n(wide.data(), length, info.item.pszText);
    info.item.pszText[length] = L'\0';
}

}  // namespace vask::win
