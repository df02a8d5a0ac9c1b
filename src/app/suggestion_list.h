#pragma once
// The list of earlier searches under the bar (above it when there is no
// room below, or the advanced window is there) while the user types. It never takes the
// activation or the focus: the search field keeps both, and its keys move
// the highlight.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win/handles.h"
#include "win/window.h"

namespace vask {

class SuggestionList : public win::Window {
public:
    explicit SuggestionList(HWND bar);

    // Shows `texts`, none highlighted, against the bar's edge.
    void show(std::vector<std::string> texts);
    void hide();
    bool shown() const { return isVisible(); }
    const std::vector<std::string>& texts() const { return texts_; }
    // The highlighted text; none before Down or Up.
    std::optional<std::string> highlighted() const;
    // Down (+1) or Up (-1): from the last row Down goes back to none, and so
    // does Up from the first, where the field shows what was typed.
    void moveHighlight(int step);

    // A click on a row.
    std::function<void(const std::string&)> onPick;
    // The window the list must not cover (the advanced window), when shown.
    std::function<std::optional<RECT>()> keepClearOf;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dpiChanged() override;

private:
    void place();
    void paint(HDC dc);
    int rowHeight() const;

    HWND bar_;
    std::vector<std::string> texts_;
    std::optional<std::size_t> highlight_;
    win::Font font_;
};

}  // namespace vask
