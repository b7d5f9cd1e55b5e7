#include "platform/web/window.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/web/stored_layout.h"

namespace trelumo::web {
namespace {

std::vector<Window*>& windows() {
    static std::vector<Window*> all;
    return all;
}

int next_layer = 1;

// Whether a press on the element takes the focus there: one on a control does; one anywhere else
// in a window (a label, a picture, the window's ground) leaves it where it is, as on the desktop.
bool takes_focus(Element element) {
    return static_cast<bool>(element.closest("input, button, [role=menuitem]"));
}

}  // namespace

Window::Window(const Frame& frame, std::string_view title) : kind_(frame.kind) {
    static const bool follows_viewport = [] {
        Element::window().listen("resize", [](const Event&) {
            for (Window* window : windows()) window->fit_to_viewport();
            return false;
        });
        return true;
    }();
    (void)follows_viewport;
    const bool main = kind_ == Kind::main;
    root_ = own(Element::create(main ? "main" : "div"));
    root_.set_attribute("id", frame.name);
    root_.set_attribute("class", main ? "window main-window" : "window dialog");
    root_.set_attribute("hidden", "");
    const std::string title_id = frame.name + "-title";
    if (!main) {
        // A dialog that leaves the rest of the program usable: no aria-modal.
        root_.set_attribute("role", "dialog");
        root_.set_attribute("aria-labelledby", title_id);
    }

    const Element bar = own(Element::create(main ? "header" : "div"));
    bar.set_attribute("class", "title-bar");
    root_.append(bar);
    const Element icon = own(Element::create("img"));
    icon.set_attribute("class", "title-icon");
    icon.set_attribute("src", picture_file(frame.icon));
    icon.set_attribute("alt", "");
    bar.append(icon);
    title_ = own(Element::create(main ? "h1" : "h2"));
    title_.set_attribute("id", title_id);
    bar.append(title_);
    if (!main) {
        const Element close = own(Element::create("button"));
        close.set_attribute("class", "close");
        close.set_attribute("type", "button");
        close.set_attribute("tabindex", "-1");
        close.set_attribute("aria-label", "Cerrar");
        close.set_text("\u2715");
        close.listen("click", [this](const Event&) {
            close_requested();
            return true;
        });
        bar.append(close);
    }
    menu_place_ = own(Element::create("div"));
    menu_place_.set_attribute("class", "menu-place");
    root_.append(menu_place_);
    client_ = own(Element::create("div"));
    client_.set_attribute("class", "client");
    root_.append(client_);
    set_title(title);

    root_.listen("keydown", [this](const Event& event) { return handle_key(event); });
    root_.listen("focusin", [this](const Event& event) {
        const Element target = Element::target(event);
        bring_to_front();
        if (std::find(tab_stops_.begin(), tab_stops_.end(), target) != tab_stops_.end())
            last_focused_ = target;
        return false;
    });
    root_.listen("mousedown", [this](const Event& event) {
        bring_to_front();
        if (takes_focus(Element::target(event))) return false;
        activate();
        return true;  // the focus stays where it is
    });
    Element::body().append(root_);
    windows().insert(windows().begin(), this);
}

Window::~Window() {
    for (auto owned = owned_.rbegin(); owned != owned_.rend(); ++owned) owned->remove();
}

Element Window::own(Element element) {
    owned_.push_back(element);
    return element;
}

void Window::set_title(std::string_view title) {
    title_.set_text(title);
    if (kind_ == Kind::main) set_document_title(title);
}

void Window::show() {
    root_.remove_attribute("hidden");
    fit_to_viewport();
    bring_to_front();
    if (!std::exchange(shown_, true)) first_shown();
    activate();
}

void Window::fit_to_viewport() {
    constexpr int margin = 8;  // CSS pixels of the page left on either side
    root_.set_style("zoom", "1");
    const int width = root_.width();
    const int room = viewport_width() - 2 * margin;
    if (width > room && room > 0)
        root_.set_style("zoom",
                        "calc(" + std::to_string(room) + " / " + std::to_string(width) + ")");
}

void Window::destroy() {
    if (destroyed_once_) return;
    destroyed_once_ = true;
    root_.set_attribute("hidden", "");
    windows().erase(std::find(windows().begin(), windows().end(), this));
    if (destroyed_) destroyed_();
    // The window that comes to the front takes the focus, as a desktop gives it back.
    for (Window* window : windows()) {
        if (!window->shown_) continue;
        window->activate();
        break;
    }
    post([this] { delete this; });
}

const std::vector<Window*>& Window::all() {
    return windows();
}

void Window::destroy_all() {
    for (Window* window : std::vector<Window*>(windows())) window->destroy();
}

void Window::bring_to_front() {
    auto& all = windows();
    const auto self = std::find(all.begin(), all.end(), this);
    if (self != all.end()) std::rotate(all.begin(), self, self + 1);
    root_.set_style("z-index", std::to_string(next_layer++));
}

void Window::activate() {
    if (root_.contains(Element::focused())) return;
    if (last_focused_) {
        last_focused_.focus();
    } else if (!tab_stops_.empty()) {
        tab_stops_.front().focus();
    } else {
        root_.focus();
    }
}

bool Window::handle_key(const Event& event) {
    if (key_pressed(event)) return true;
    if (event.key == "Tab" && !event.ctrl && !event.alt && !event.meta) {
        move_focus(event.shift);
        return true;
    }
    if (event.plain_key("Escape") && cancel_button_) {
        cancel_button_.click();
        return true;
    }
    // A phone's keyboard has no TAB: its "next" key, Enter, moves on from a field.
    if (event.plain_key("Enter") && !default_button_ && Element::focused().tag() == "input") {
        move_focus(event.shift);
        return true;
    }
    if (event.plain_key("Enter") && default_button_) {
        const Element focused = Element::focused();
        // A button with the focus is pressed by Enter itself.
        if (focused.tag() != "button") default_button_.click();
        return focused.tag() != "button";
    }
    return false;
}

void Window::move_focus(bool backward) {
    if (tab_stops_.empty()) return;
    const Element focused = Element::focused();
    auto at = std::find(tab_stops_.begin(), tab_stops_.end(), focused);
    std::size_t index =
        at == tab_stops_.end() ? 0 : static_cast<std::size_t>(at - tab_stops_.begin());
    const std::size_t count = tab_stops_.size();
    if (at == tab_stops_.end()) {
        index = backward ? count - 1 : 0;
    } else {
        index = backward ? (index + count - 1) % count : (index + 1) % count;
    }
    tab_stops_[index].focus();
}

}  // namespace trelumo::web
