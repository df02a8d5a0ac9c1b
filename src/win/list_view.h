#pragma once
// A report-style list view over rows the program keeps itself
// (LVS_OWNERDATA): the list asks for each text as it draws, so its cost does
// not grow with the number of rows.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string_view>
#include <vector>

#include "win/controls.h"

namespace vask::win {

class VirtualListView : public Control {
public:
    void create(HWND parent, int id, DWORD extraStyle = 0, DWORD extendedListStyle = 0);
    void addColumn(std::string_view caption, int width);

    int count() const;
    // A new row count; the rows are drawn again from the owner's data.
    void setCount(std::size_t rows);

    std::vector<std::size_t> selectedRows() const;  // ascending
    int firstSelected() const;                      // -1 when none is
    void setSelected(int row, bool selected);
    // Selects `row` alone and gives it the focus rectangle.
    void selectOnly(int row);
    void clearSelection();
    void ensureVisible(int row);  // a partly visible row is enough
    void setMultiSelect(bool multiple);
    bool multiSelect() const;
};

// Answers LVN_GETDISPINFO with `text`, cut to the list's buffer.
void answerText(NMLVDISPINFOW& info, std::string_view text);

}  // namespace vask::win
