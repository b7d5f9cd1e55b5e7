// A window of the program in the page: a box with a title bar, laid over the page as a desktop
// lays windows over its background.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/web/dom.h"

namespace trelumo::web {

/// A top-level window of the program, as the page draws one. It is the window manager's too: the
/// window clicked comes to the front; while another window is active it keeps the element that
/// had the focus and gives the focus back to it on return, the first tab stop the first time; TAB
/// and Shift+TAB move between its tab stops only, in their order, round; Enter presses its
/// default button and Escape its cancel button. A window wider than the page's viewport is shrunk
/// to fit it.
class Window {
public:
    enum class Kind {
        main,    // the page's own window: a title the page's, a menu bar
        dialog,  // a dialog over the page, with a close control in its title bar
    };

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    /// Shows the window, brings it to the front and activates it.
    void show();
    /// Takes the window out of the page, as its close control does; `on_destroyed` runs, and the
    /// object is deleted once the current event is over.
    void destroy();
    /// Called once the window is gone.
    void on_destroyed(std::function<void()> callback) { destroyed_ = std::move(callback); }

    bool shown() const { return shown_; }
    Element root() const { return root_; }
    /// Where the window's controls go: its client area, which the stored layout fills.
    Element client() const { return client_; }

    void set_title(std::string_view title);

    /// Every window of the program in the page, from the front one back.
    static const std::vector<Window*>& all();
    /// Takes every window out of the page at once.
    static void destroy_all();

protected:
    struct Frame {
        Kind kind;
        std::string name;       // the window's name, its element's id
        std::string_view icon;  // the name of the picture in its title bar
    };
    Window(const Frame& frame, std::string_view title);

    /// The elements TAB moves between, in tab order.
    void set_tab_stops(std::vector<Element> stops) { tab_stops_ = std::move(stops); }
    void set_default_button(Element button) { default_button_ = button; }
    void set_cancel_button(Element button) { cancel_button_ = button; }
    /// Where a menu bar goes, between the title bar and the client area.
    Element menu_place() const { return menu_place_; }

    /// Shrinks the window to the viewport's width where it is wider, as on a narrow phone; done
    /// whenever the viewport changes, and to be done whenever the window's layout changes.
    void fit_to_viewport();
    /// Owns an element made for the window: it goes when the window goes.
    Element own(Element element);

    /// The window's own keys, before its tab stops and buttons have theirs: true when handled.
    virtual bool key_pressed(const Event&) { return false; }
    /// The window shows for the first time; unless this gives the focus somewhere, its first tab
    /// stop takes it.
    virtual void first_shown() {}
    /// The close control was used; the window goes unless this says otherwise.
    virtual void close_requested() { destroy(); }

private:
    void activate();
    void bring_to_front();

    bool handle_key(const Event& event);
    void move_focus(bool backward);

    Element root_;
    Element title_;
    Element menu_place_;
    Element client_;
    std::vector<Element> owned_;
    std::vector<Element> tab_stops_;
    Element default_button_;
    Element cancel_button_;
    Element last_focused_;
    Kind kind_;
    bool shown_ = false;
    bool destroyed_once_ = false;
    std::function<void()> destroyed_;
};

}  // namespace trelumo::web
