#include "bar/engine_menu.h"

#include "win/text.h"

namespace vask {
namespace {

void fill(HMENU menu, const std::vector<EngineMenuRow>& rows) {
    while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
    for (const EngineMenuRow& row : rows) AppendMenuW(menu, MF_STRING, row.id, win::toWide(row.text).c_str());
}

// The radio mark on the row, or on none.
void markIn(HMENU menu, std::optional<std::size_t> row) {
    const int count = GetMenuItemCount(menu);
    if (row && static_cast<int>(*row) < count) {
        CheckMenuRadioItem(menu, 0, static_cast<UINT>(count - 1), static_cast<UINT>(*row), MF_BYPOSITION);
        return;
    }
    for (int i = 0; i < count; ++i) CheckMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_UNCHECKED);
}

}  // namespace

EngineMenu::EngineMenu(EngineMenuIds ids)
    : ids_(ids), searchEngine_(CreatePopupMenu()), moreEngines_(CreatePopupMenu()) {
    list({});
}

EngineMenu::~EngineMenu() {
    if (shown_ && IsMenu(shownIn_)) RemoveMenu(shownIn_, position_, MF_BYPOSITION);
}

void EngineMenu::list(std::span<const OwnEngine> ownEngines) {
    fill(searchEngine_.get(), engineMenuRows(ids_, ownEngines, true));
    fill(moreEngines_.get(), engineMenuRows(ids_, ownEngines, false));
    ownCount_ = ownEngines.size();
}

HMENU EngineMenu::shownMenu(bool compact) const {
    if (compact) return searchEngine_.get();
    return ownCount_ ? moreEngines_.get() : nullptr;
}

void EngineMenu::showIn(HMENU menu, UINT position, bool compact) {
    const HMENU wanted = shownMenu(compact);
    if (shown_ == wanted && shownIn_ == menu) return;
    if (shown_) RemoveMenu(shownIn_, position_, MF_BYPOSITION);
    shown_ = wanted;
    shownIn_ = menu;
    position_ = position;
    if (!shown_) return;
    InsertMenuW(menu, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(shown_),
                compact ? L"&Search engine" : L"&More engines");
}

void EngineMenu::mark(const ChosenEngine& chosen) const {
    markIn(searchEngine_.get(), markedEngineRow(chosen, true));
    markIn(moreEngines_.get(), markedEngineRow(chosen, false));
}

std::optional<ChosenEngine> EngineMenu::chosenBy(UINT id) const { return engineChosenBy(ids_, ownCount_, id); }

}  // namespace vask
