#pragma once
// The bar's menus of engines (their rows: engine_menu_rows.h). "More
// engines" is there only when one has engines of one's own. Either stands at
// one place of the bar's menu; the radio mark shows the chosen engine.
#include <windows.h>

#include <optional>
#include <span>

#include "bar/engine_menu_rows.h"
#include "win/handles.h"

namespace vask {

class EngineMenu {
public:
    explicit EngineMenu(EngineMenuIds ids);
    ~EngineMenu();
    EngineMenu(const EngineMenu&) = delete;
    EngineMenu& operator=(const EngineMenu&) = delete;

    // One's own engines changed: both menus list them anew.
    void list(std::span<const OwnEngine> ownEngines);
    // Puts the menu of the layout at `position` of `menu`, in place of the other.
    void showIn(HMENU menu, UINT position, bool compact);
    // The radio mark on the chosen engine.
    void mark(const ChosenEngine& chosen) const;
    // The engine a command chooses; none for other commands.
    std::optional<ChosenEngine> chosenBy(UINT id) const;
    HMENU searchEngineMenu() const { return searchEngine_.get(); }

private:
    HMENU shownMenu(bool compact) const;

    EngineMenuIds ids_;
    std::size_t ownCount_ = 0;
    // Both are kept here and lent to the bar's menu while shown: a menu
    // destroys its submenus, so the one shown is taken back out first (this
    // object goes before the bar's menu).
    win::Menu searchEngine_, moreEngines_;
    HMENU shownIn_ = nullptr;
    UINT position_ = 0;
    HMENU shown_ = nullptr;
};

}  // namespace vask
