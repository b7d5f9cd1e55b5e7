// The page's document, as the web front-end reaches it: elements made, changed and listened to
// through the few named functions of dom.js. Texts are UTF-8.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace trelumo::web {

class Element;

/// What a listener is told of a DOM event.
struct Event {
    std::string_view type;  // "keydown", "input", "focusin", "paste", ...
    std::string_view key;   // a key event's key ("Tab", "a", "F1"), an input event's inputType
    std::string_view code;  // a key event's physical key ("NumpadDecimal")
    std::string_view data;  // the text a paste or an input brings
    bool ctrl = false, alt = false, shift = false, meta = false, repeat = false;
    int button = -1;  // a mouse or pointer event's button, 0 the main one; -1 for none
    bool touch = false;
    bool composing = false;  // an input method is still composing the text
    int target = -1;         // the element the event happened on (Element::target)

    /// Ctrl, or on a Mac the command key: what a shortcut such as ctrl+z is pressed with.
    bool command() const { return ctrl || meta; }
    bool plain_key(std::string_view name) const { return key == name && !ctrl && !alt && !meta; }
};

/// Answers true when it handled the event: the browser then does nothing more with it.
using Listener = std::function<bool(const Event&)>;

/// An element of the document, by the number dom.js knows it by. Copies name the same element.
class Element {
public:
    Element() = default;

    /// A new element, not yet in the document.
    static Element create(std::string_view tag);
    /// The element the page's HTML gives an id, or none.
    static Element by_id(std::string_view id);
    static Element window();
    static Element document();
    static Element body();
    /// The element with the keyboard focus (the body when none has it).
    static Element focused();
    /// The element an event happened on.
    static Element target(const Event& event) { return Element(event.target); }

    explicit operator bool() const { return id_ >= 0; }
    /// The number dom.js knows the element by.
    int number() const { return id_; }
    bool operator==(const Element&) const = default;

    void append(Element child) const;
    /// Takes the element out of the document; the handle names nothing afterwards.
    void remove() const;

    void set_attribute(std::string_view name, std::string_view value) const;
    void remove_attribute(std::string_view name) const;
    void set_style(std::string_view property, std::string_view value) const;
    void set_text(std::string_view text) const;
    /// The same as set_text, as a text node of its own: a live region tells of it even when it is
    /// the text that was there.
    void replace_text(std::string_view text) const;

    /// An input's value, and its selection in UTF-16 code units.
    std::string value() const;
    void set_value(std::string_view text) const;
    struct Selection {
        int start = 0;
        int end = 0;
        bool backward = false;  // the caret at the start
    };
    Selection selection() const;
    void select(Selection selection) const;
    /// Puts the text in place of the selection, the caret after it, raising no event.
    void replace_selection(std::string_view text) const;

    /// The element's tag name, in lower case ("input").
    std::string tag() const;
    /// The element itself or the nearest one around it that a CSS selector matches, or none.
    Element closest(std::string_view selector) const;
    void click() const;
    void focus() const;
    bool has_focus() const;
    bool contains(Element other) const;

    /// Sends a key press to the element, as the keyboard would, and returns once it is handled.
    void send_key(std::string_view key) const;

    void listen(std::string_view type, Listener listener) const;
    /// Calls the listener each time the element's size changes.
    void observe_size(Listener listener) const;
    /// Calls the listener each time a media query changes its answer, for as long as the element
    /// is in the page.
    void listen_media(std::string_view query, Listener listener) const;

    /// The width and height of the element's box, in CSS pixels.
    struct Extent {
        double width;
        double height;
    };
    Extent extent() const;
    /// The element's width in CSS pixels, its border included.
    int width() const;
    /// A colour property as the page draws it: 0xRRGGBB.
    unsigned drawn_colour(std::string_view property) const;
    /// Opens a <dialog> element as a modal dialog: the rest of the page is inert until it closes.
    void show_modal() const;
    /// Closes a <dialog> element; the focus goes back where it was before a modal one opened.
    void close_dialog() const;

private:
    explicit Element(int id) : id_(id) {}

    int id_ = -1;
};

/// A media query's answer now ("(prefers-color-scheme: dark)").
bool media_matches(std::string_view query);

/// Runs a task once the current event is over, from the browser's event loop.
void post(std::function<void()> task);

/// The width of the page's viewport in CSS pixels, less a scroll bar.
int viewport_width();
void set_document_title(std::string_view title);
/// Closes the page's window where the browser lets a page do so; true when it is closing.
bool close_page();
void reload_page();

}  // namespace trelumo::web
