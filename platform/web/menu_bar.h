// A window's menu bar in the page, as the desktop's: menus that drop down from it, their items,
// their access keys, and the keys that move through them.
#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/types/stored_layout.h"
#include "platform/web/dom.h"

namespace trelumo::web {

/// A menu bar with drop-down menus, made as the WAI-ARIA menubar pattern does (a menubar of menu
/// items, each with its menu). It is no tab stop: TAB stays among the window's controls. F10, or
/// Alt pressed and released alone, brings the focus to it; Alt with a menu's access key opens that
/// menu. In a menu, the arrows move between items and menus, Enter and Space choose, an item's
/// access key chooses it, Escape goes back a step and TAB leaves. A click on a menu opens or closes
/// it; a press anywhere else closes it. Choosing a command gives the focus back to the control that
/// had it before the menu bar, then runs the command.
class MenuBar {
public:
    /// Puts the menu bar of a stored layout's menu in `place` and listens for its keys in
    /// `window`; `chosen` is called with the index of each item chosen, in the menu's table.
    MenuBar(Element place, Element window, std::span<const MenuItemLayout> menu,
            std::function<void(int item)> chosen);
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

private:
    struct MadeItem {
        Element element;
        char access_key;  // lower case; 0 for none
        int index;        // in the menu's table
    };
    struct MadeMenu {
        Element title;
        Element list;
        char access_key;
        std::vector<MadeItem> items;  // separators left out
    };

    bool window_key(const Event& event);
    bool title_key(std::size_t menu, const Event& event);
    bool item_key(std::size_t menu, std::size_t item, const Event& event);
    void open(std::size_t menu, bool focus_last = false);
    void close();
    void focus_title(std::size_t menu);
    void leave();
    void choose(const MadeItem& item);
    void remember_focus();

    Element bar_;
    std::function<void(int item)> chosen_;
    std::vector<MadeMenu> menus_;
    int open_ = -1;
    Element return_to_;
    bool alt_alone_ = false;
};

/// A caption's access key, in lower case: the character after its "&" ("A&yuda": 'y'); 0 for none.
char access_key_of(std::string_view caption);

}  // namespace trelumo::web
