#include "bar/suggestion_list.h"

#include <windowsx.h>

#include <algorithm>

#include "bar/suggestion_place.h"
#include "win/double_buffer.h"
#include "win/fonts.h"
#include "win/text.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"VaskSuggestions";
constexpr int RowHeight = 18, TextIndent = 6;

}  // namespace

SuggestionList::SuggestionList(HWND bar) : bar_(bar) {
    registerClass(ClassName, CS_DROPSHADOW, nullptr, ClassIcon::none);
    useDpiOf(bar);
    create(ClassName, L"", WS_POPUP | WS_BORDER, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, 0, 0, 0, 0, bar);
    font_ = win::uiFont(9, dpi());
}

void SuggestionList::show(SuggestionRows rows) {
    rows_ = std::move(rows);
    highlight_.reset();
    place();
    InvalidateRect(hwnd(), nullptr, FALSE);
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void SuggestionList::update(SuggestionRows rows) {
    const std::optional<std::string> lit = highlighted();
    show(std::move(rows));
    if (!lit) return;
    const auto& texts = rows_.texts;
    if (const auto at = std::find(texts.begin(), texts.end(), *lit); at != texts.end())
        highlight_ = static_cast<std::size_t>(at - texts.begin());
}

void SuggestionList::hide() {
    ShowWindow(hwnd(), SW_HIDE);
    highlight_.reset();
}

std::optional<std::string> SuggestionList::highlighted() const {
    if (!highlight_) return std::nullopt;
    return rows_.texts[*highlight_];
}

std::optional<SuggestionSource> SuggestionList::highlightedSource() const {
    if (!highlight_) return std::nullopt;
    return rows_.sourceOf(*highlight_);
}

void SuggestionList::moveHighlight(int step) {
    if (rows_.texts.empty()) return;
    const int count = static_cast<int>(rows_.texts.size());
    // -1 stands for none: the cycle runs none, 0, 1, ... count - 1, none.
    int at = highlight_ ? static_cast<int>(*highlight_) : -1;
    at = (at + 1 + step + count + 1) % (count + 1) - 1;
    highlight_ = at < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(at));
    InvalidateRect(hwnd(), nullptr, FALSE);
}

int SuggestionList::rowHeight() const { return scaled(RowHeight); }

// As wide as the bar, on the side placeSuggestions chooses.
void SuggestionList::place() {
    const auto rect = [](const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; };
    RECT bar{};
    GetWindowRect(bar_, &bar);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(bar_, MONITOR_DEFAULTTONEAREST), &monitor);
    SuggestionSpace space{rect(bar), rect(monitor.rcWork), std::nullopt};
    if (keepClearOf)
        if (const std::optional<RECT> other = keepClearOf()) space.advanced = rect(*other);
    RECT frame{0, 0, 0, static_cast<LONG>(rows_.texts.size()) * rowHeight()};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
    const Rect list = placeSuggestions(space, frame.bottom - frame.top);
    SetWindowPos(hwnd(), HWND_TOPMOST, list.left, list.top, list.right - list.left, list.bottom - list.top,
                 SWP_NOACTIVATE);
}

void SuggestionList::paint(HDC target) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    win::DoubleBuffer buffer(target, client.right, client.bottom);
    const HDC dc = buffer.dc();
    win::fillRect(dc, client, GetSysColor(COLOR_WINDOW));
    const win::SelectedObject font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < rows_.texts.size(); ++i) {
        RECT row{0, static_cast<LONG>(i) * rowHeight(), client.right, static_cast<LONG>(i + 1) * rowHeight()};
        const bool lit = highlight_ == i;
        const bool fromEngine = rows_.sourceOf(i) == SuggestionSource::Engine;
        // The engine's rows stand on the face colour under a rule: not the user's own searches.
        if (lit || fromEngine) win::fillRect(dc, row, GetSysColor(lit ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        if (fromEngine && i == rows_.historyRows && i > 0)
            win::fillRect(dc, {row.left, row.top, row.right, row.top + scaled(1)}, GetSysColor(COLOR_GRAYTEXT));
        SetTextColor(dc, GetSysColor(lit ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        row.left += scaled(TextIndent);
        const std::wstring text = win::toWide(rows_.texts[i]);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &row,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void SuggestionList::dpiChanged() {
    font_ = win::uiFont(9, dpi());
    if (shown()) place();
}

LRESULT SuggestionList::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;  // the search field keeps the focus
    case WM_LBUTTONDOWN: {
        const auto row = static_cast<std::size_t>(GET_Y_LPARAM(lParam) / rowHeight());
        if (row < rows_.texts.size() && onPick) onPick(rows_.texts[row]);
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd(), &ps);
        paint(dc);
        EndPaint(hwnd(), &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        return defaultProcedure(message, wParam, lParam);
    }
}

}  // namespace vask
