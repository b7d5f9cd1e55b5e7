#include "platform/web/menu_bar.h"

#include <cctype>

namespace trelumo::web {
namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// A caption as an element shows it: its access key underlined, the "&" gone.
void show_caption(Element element, std::string_view caption) {
    const std::size_t amp = caption.find('&');
    if (amp == caption.npos || amp + 1 >= caption.size()) {
        element.set_text(caption);
        return;
    }
    const auto text = [&](std::string_view part) {
        const Element span = Element::create("span");
        span.set_text(part);
        element.append(span);
        return span;
    };
    if (amp > 0) text(caption.substr(0, amp));
    // The key is a whole character, however many bytes it takes.
    std::size_t key_end = amp + 2;
    while (key_end < caption.size() &&
           (static_cast<unsigned char>(caption[key_end]) & 0xC0) == 0x80)
        ++key_end;
    text(caption.substr(amp + 1, key_end - amp - 1)).set_attribute("class", "access-key");
    if (key_end < caption.size()) text(caption.substr(key_end));
}

// The letter a key event's physical key types, as access keys are pressed with Alt (on a Mac, Alt
// makes the key type another character).
char letter_of(const Event& event) {
    if (event.code.size() == 4 && event.code.starts_with("Key")) return lower(event.code[3]);
    return event.key.size() == 1 ? lower(event.key[0]) : 0;
}

}  // namespace

char access_key_of(std::string_view caption) {
    const std::size_t amp = caption.find('&');
    return amp == caption.npos || amp + 1 >= caption.size() ? 0 : lower(caption[amp + 1]);
}

MenuBar::MenuBar(Element place, Element window, std::span<const MenuItemLayout> menu,
                 std::function<void(int item)> chosen)
    : chosen_(std::move(chosen)) {
    bar_ = Element::create("div");
    bar_.set_attribute("role", "menubar");
    bar_.set_attribute("class", "menu-bar");
    place.append(bar_);
    for (const MenuItemLayout& title : menu) {
        if (!title.parent.empty()) continue;
        const Element holder = Element::create("div");
        holder.set_attribute("role", "none");
        holder.set_attribute("class", "menu-holder");
        bar_.append(holder);
        MadeMenu made{
            Element::create("button"), Element::create("div"), access_key_of(title.caption), {}};
        made.title.set_attribute("id", title.name);
        made.title.set_attribute("type", "button");
        made.title.set_attribute("role", "menuitem");
        made.title.set_attribute("aria-haspopup", "menu");
        made.title.set_attribute("aria-expanded", "false");
        made.title.set_attribute("tabindex", "-1");
        if (made.access_key) {
            const char key = static_cast<char>(std::toupper(made.access_key));
            made.title.set_attribute("aria-keyshortcuts", std::string("Alt+") + key);
        }
        show_caption(made.title, title.caption);
        holder.append(made.title);
        made.list.set_attribute("role", "menu");
        made.list.set_attribute("class", "menu");
        made.list.set_attribute("aria-labelledby", title.name);
        made.list.set_attribute("hidden", "");
        holder.append(made.list);
        for (std::size_t i = 0; i < menu.size(); ++i) {
            const MenuItemLayout& item = menu[i];
            if (item.parent != title.name) continue;
            if (is_separator(item)) {
                const Element line = Element::create("div");
                line.set_attribute("role", "separator");
                line.set_attribute("id", item.name);
                made.list.append(line);
                continue;
            }
            const Element element = Element::create("button");
            element.set_attribute("id", item.name);
            element.set_attribute("type", "button");
            element.set_attribute("role", "menuitem");
            element.set_attribute("tabindex", "-1");
            show_caption(element, item.caption);
            made.list.append(element);
            made.items.push_back({element, access_key_of(item.caption), static_cast<int>(i)});
        }
        menus_.push_back(std::move(made));
    }

    for (std::size_t m = 0; m < menus_.size(); ++m) {
        const Element title = menus_[m].title;
        title.listen("keydown", [this, m](const Event& event) { return title_key(m, event); });
        title.listen("mousedown", [this](const Event&) {
            remember_focus();
            return false;
        });
        title.listen("click", [this, m](const Event&) {
            if (open_ == static_cast<int>(m)) {
                close();
                leave();
            } else {
                open(m);
            }
            return true;
        });
        for (std::size_t i = 0; i < menus_[m].items.size(); ++i) {
            const Element element = menus_[m].items[i].element;
            element.listen("keydown",
                           [this, m, i](const Event& event) { return item_key(m, i, event); });
            element.listen("click", [this, m, i](const Event&) {
                choose(menus_[m].items[i]);
                return true;
            });
        }
    }
    window.listen("keydown", [this](const Event& event) { return window_key(event); });
    window.listen("keyup", [this](const Event& event) {
        if (event.key != "Alt" || !std::exchange(alt_alone_, false)) return false;
        remember_focus();
        focus_title(0);
        return true;
    });
    // A press outside the open menu closes it.
    Element::document().listen("mousedown", [this](const Event& event) {
        if (open_ >= 0 && !bar_.contains(Element::target(event))) close();
        return false;
    });
}

void MenuBar::remember_focus() {
    const Element focused = Element::focused();
    if (!bar_.contains(focused)) return_to_ = focused;
}

bool MenuBar::window_key(const Event& event) {
    alt_alone_ = event.key == "Alt" && !event.ctrl && !event.shift && !event.meta;
    if (event.plain_key("F10") && !event.shift) {
        remember_focus();
        focus_title(0);
        return true;
    }
    if (event.alt && !event.ctrl && !event.meta) {
        const char letter = letter_of(event);
        for (std::size_t m = 0; m < menus_.size(); ++m) {
            if (letter && menus_[m].access_key == letter) {
                remember_focus();
                open(m);
                return true;
            }
        }
    }
    return false;
}

bool MenuBar::title_key(std::size_t menu, const Event& event) {
    const std::size_t count = menus_.size();
    if (event.key == "ArrowRight" || event.key == "ArrowLeft") {
        const std::size_t next =
            event.key == "ArrowRight" ? (menu + 1) % count : (menu + count - 1) % count;
        focus_title(next);
        return true;
    }
    if (event.key == "ArrowDown" || event.key == "Enter" || event.key == " ") {
        open(menu);
        return true;
    }
    if (event.key == "ArrowUp") {
        open(menu, true);
        return true;
    }
    if (event.key == "Escape" || event.key == "Tab") {
        close();
        leave();
        return true;
    }
    const char letter = event.alt || event.key.size() == 1 ? letter_of(event) : 0;
    for (std::size_t m = 0; m < count; ++m) {
        if (letter && menus_[m].access_key == letter) {
            open(m);
            return true;
        }
    }
    return event.key.size() == 1;  // other letters do nothing here
}

bool MenuBar::item_key(std::size_t menu, std::size_t item, const Event& event) {
    const auto& items = menus_[menu].items;
    const std::size_t count = items.size();
    const std::size_t menus = menus_.size();
    if (event.key == "ArrowDown" || event.key == "ArrowUp") {
        const std::size_t next =
            event.key == "ArrowDown" ? (item + 1) % count : (item + count - 1) % count;
        items[next].element.focus();
        return true;
    }
    if (event.key == "Home" || event.key == "End") {
        items[event.key == "Home" ? 0 : count - 1].element.focus();
        return true;
    }
    if (event.key == "ArrowRight" || event.key == "ArrowLeft") {
        open(event.key == "ArrowRight" ? (menu + 1) % menus : (menu + menus - 1) % menus);
        return true;
    }
    if (event.key == "Enter" || event.key == " ") {
        choose(items[item]);
        return true;
    }
    if (event.key == "Escape") {
        close();
        focus_title(menu);
        return true;
    }
    if (event.key == "Tab") {
        close();
        leave();
        return true;
    }
    const char letter = letter_of(event);
    for (const MadeItem& candidate : items) {
        if (letter && candidate.access_key == letter) {
            choose(candidate);
            return true;
        }
    }
    return event.key.size() == 1;
}

void MenuBar::open(std::size_t menu, bool focus_last) {
    close();
    MadeMenu& made = menus_[menu];
    made.list.remove_attribute("hidden");
    made.title.set_attribute("aria-expanded", "true");
    open_ = static_cast<int>(menu);
    if (!made.items.empty()) (focus_last ? made.items.back() : made.items.front()).element.focus();
}

void MenuBar::close() {
    if (open_ < 0) return;
    MadeMenu& made = menus_[static_cast<std::size_t>(open_)];
    made.list.set_attribute("hidden", "");
    made.title.set_attribute("aria-expanded", "false");
    open_ = -1;
}

void MenuBar::focus_title(std::size_t menu) {
    close();
    menus_[menu].title.focus();
}

void MenuBar::leave() {
    if (return_to_) return_to_.focus();
    return_to_ = Element();
}

void MenuBar::choose(const MadeItem& item) {
    close();
    leave();
    chosen_(item.index);
}

}  // namespace trelumo::web
