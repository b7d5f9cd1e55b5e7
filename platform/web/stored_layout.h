// A window's stored layout made into the page's elements, placed for the page's font the way
// dialog units place a dialog: the layout grows by as much as that font is larger than the font
// it was drawn for, which follows the browser's text size.
#pragma once

#include <functional>
#include <vector>

#include "platform/types/stored_layout.h"
#include "platform/web/dom.h"
#include "platform/web/theme_colours.h"

namespace trelumo::web {

class StoredLayout {
public:
    /// Makes the controls and lines of the layout in `client`, in tab order, each element's id its
    /// control's name: labels, fields (inputs named by their label, described by their tooltip),
    /// pictures named for screen readers, buttons; the announced label a polite live region. Lays
    /// them out again whenever the page's font changes, then calls `laid_out`.
    StoredLayout(const WindowLayout& layout, Element client, std::function<void()> laid_out = {});
    StoredLayout(const StoredLayout&) = delete;
    StoredLayout& operator=(const StoredLayout&) = delete;
    ~StoredLayout();

    /// The element of a control, by its index in the layout's table.
    Element operator[](int control) const { return controls_[static_cast<std::size_t>(control)]; }

    /// The controls that take the focus, in tab order.
    std::vector<Element> tab_stops() const;

    /// Places and sizes the controls for the page's font as it is now.
    void lay_out() const;

    void set_back_colour(int control, ColourValue colour);

private:
    const WindowLayout& layout_;
    Element client_;
    ThemeColours colours_;
    std::vector<Element> controls_;
    std::vector<Element> lines_;
    Element font_probe_;  // the measured letters, in the window's font
    mutable Element::Extent laid_out_for_{};
    std::vector<Element> made_;  // every element made, to remove with the layout
};

/// The file of a picture the stored layouts name ("left_arrow"), in the site.
std::string picture_file(std::string_view picture);

}  // namespace trelumo::web
