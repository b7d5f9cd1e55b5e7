// A window built from its stored layout (platform/types/stored_layout.h): its controls, lines and
// menu as Qt widgets, each named as the layout names it, placed and sized from the layout's twips
// at 96 dpi (which Qt's own scaling takes to the screen's DPI) and grown for the window's font,
// the application's unless the window sets one, the way dialog units do.
#pragma once

#include <QSize>
#include <vector>

#include "platform/types/stored_layout.h"

class QAction;
class QMenuBar;
class QWidget;

namespace trelumo {

class StoredLayout {
public:
    /// Makes the controls and lines of `window` in `client` (the window itself, or a main window's
    /// central widget), and gives the window that holds it the layout's name, title and icon.
    StoredLayout(const WindowLayout& window, QWidget* client);

    const WindowLayout& window() const { return *window_; }

    /// The control at that index of the layout's controls.
    QWidget* operator[](int control) const { return controls_[static_cast<std::size_t>(control)]; }

    /// The control at that index, as the widget its kind is made of (QLabel, QPushButton, ...).
    template <class Widget>
    Widget* control(int index) const {
        return static_cast<Widget*>((*this)[index]);
    }

    /// Places and sizes the controls for the client's font as it is now, and returns the size of
    /// the client area for it.
    QSize lay_out() const;

private:
    struct Line {
        QWidget* widget;
        const LineLayout* layout;
    };

    const WindowLayout* window_;
    QWidget* client_;
    std::vector<QWidget*> controls_;
    std::vector<Line> lines_;
};

/// Makes a window's menu in its menu bar: a menu for each submenu of the bar, an action for each
/// of their items, each named as the layout names it, the actions owned by `window`. Returns the
/// action of each item by its index in the layout (a submenu's is the one that opens it).
std::vector<QAction*> make_menu(std::span<const MenuItemLayout> menu, QMenuBar* bar,
                                QWidget* window);

/// The picture of that name (platform/types/stored_layout.h), from the program's resources.
QString picture_path(std::string_view picture);

}  // namespace trelumo
