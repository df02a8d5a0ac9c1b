#include "app/engine_menu.h"

#include "win/text.h"

namespace vask {

EngineMenu::EngineMenu(UINT firstBuiltIn, UINT firstOwn)
    : firstBuiltIn_(firstBuiltIn),
      firstOwn_(firstOwn),
      searchEngine_(CreatePopupMenu()),
      moreEngines_(CreatePopupMenu()) {
    for (std::size_t i = 0; i < BuiltInEngineCount; ++i)
        AppendMenuW(searchEngine_.get(), MF_STRING, firstBuiltIn_ + i,
                    (L"&" + win::toWide(builtInEngines()[i].name)).c_str());
}

EngineMenu::~EngineMenu() {
    if (shown_ && IsMenu(shownIn_)) RemoveMenu(shownIn_, position_, MF_BYPOSITION);
}

void EngineMenu::list(std::span<const OwnEngine> ownEngines) {
    for (HMENU menu : {searchEngine_.get(), moreEngines_.get()}) {
        const int keep = menu == searchEngine_.get() ? static_cast<int>(BuiltInEngineCount) : 0;
        while (GetMenuItemCount(menu) > keep) RemoveMenu(menu, static_cast<UINT>(keep), MF_BYPOSITION);
        for (std::size_t i = 0; i < ownEngines.size(); ++i)
            AppendMenuW(menu, MF_STRING, firstOwn_ + i, win::toWide(ownEngines[i].name).c_str());
    }
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
    const auto* own = std::get_if<std::size_t>(&chosen);
    const auto* builtIn = std::get_if<SearchEngine>(&chosen);
    // By position: the built-in engines come first in one menu and not at all in the other.
    const auto markIn = [](HMENU menu, std::optional<std::size_t> at) {
        const int count = GetMenuItemCount(menu);
        if (at && static_cast<int>(*at) < count) {
            CheckMenuRadioItem(menu, 0, static_cast<UINT>(count - 1), static_cast<UINT>(*at), MF_BYPOSITION);
            return;
        }
        for (int i = 0; i < count; ++i) CheckMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | MF_UNCHECKED);
    };
    markIn(searchEngine_.get(), builtIn ? engineIndex(*builtIn) : BuiltInEngineCount + *own);
    markIn(moreEngines_.get(), own ? std::optional(*own) : std::nullopt);
}

std::optional<ChosenEngine> EngineMenu::chosenBy(UINT id) const {
    if (id >= firstBuiltIn_ && id < firstBuiltIn_ + BuiltInEngineCount)
        return ChosenEngine{static_cast<SearchEngine>(id - firstBuiltIn_)};
    if (id >= firstOwn_ && id < firstOwn_ + ownCount_) return ChosenEngine{static_cast<std::size_t>(id - firstOwn_)};
    return std::nullopt;
}

}  // namespace vask
