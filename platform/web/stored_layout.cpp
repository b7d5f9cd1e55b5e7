#include "platform/web/stored_layout.h"

#include <string>

#include "platform/runtime/layout_scale.h"

namespace trelumo::web {
namespace {

constexpr double css_dpi = 96.0;  // the CSS pixel is a 96th of an inch, as a twip is a 1440th

std::string pixels(int value) {
    return std::to_string(value) + "px";
}

const char* alignment_of(Alignment alignment) {
    switch (alignment) {
        case Alignment::right:
            return "right";
        case Alignment::centre:
            return "center";
        default:
            return "left";
    }
}

// A stored font in the page: its size in rem, so that it follows the browser's text size (12 pt
// is 16 CSS pixels, the browser's own text size unless the user sets another).
void set_font(Element element, const FontLayout& font) {
    std::string family = "\"" + std::string(font.face) + "\"";
    family += font.stand_in == FontFamily::serif ? ", Tinos, \"Liberation Serif\", serif"
                                                 : ", sans-serif";
    element.set_style("font-family", family);
    element.set_style("font-size", "calc(" + std::to_string(font.points) + "rem / 12)");
    element.set_style("font-weight", font.bold ? "bold" : "normal");
    // Its line as high as the font: the control's height holds the font itself.
    element.set_style("line-height", "1");
}

const char* tag_of(const ControlLayout& control) {
    switch (control.kind) {
        case ControlKind::text_field:
            return "input";
        case ControlKind::push_button:
            return "button";
        case ControlKind::picture:
            return "img";
        case ControlKind::picture_box:
            return "span";
        case ControlKind::label:
            return control.names.empty() ? "span" : "label";
    }
    return "span";
}

}  // namespace

std::string picture_file(std::string_view picture) {
    return "pictures/" + std::string(picture) + ".png";
}

StoredLayout::StoredLayout(const WindowLayout& layout, Element client,
                           std::function<void()> laid_out)
    : layout_(layout), client_(client), colours_(client) {
    colours_.set_background(client, layout.back_colour);
    const std::span<const ControlLayout> controls = layout.controls;
    controls_.resize(controls.size());
    const auto make = [&](std::size_t index) {
        const ControlLayout& control = controls[index];
        const Element element = Element::create(tag_of(control));
        made_.push_back(element);
        controls_[index] = element;
        element.set_attribute("id", control.name);
        element.set_attribute("class", "control");
        if (!control.tooltip.empty()) element.set_attribute("title", control.tooltip);
        if (!control.visible) element.set_attribute("hidden", "");
        if (control.font) set_font(element, *control.font);
        if (control.kind != ControlKind::push_button)
            element.set_style("text-align", alignment_of(control.alignment));
        if (control.border == Border::sunken) element.set_attribute("class", "control sunken");
        const ColourValue ground =
            control.back_colour != no_colour ? control.back_colour : layout.back_colour;
        if (control.back_colour != no_colour) colours_.set_background(element, control.back_colour);
        if (control.fore_colour != no_colour)
            colours_.set_text_colour(element, control.fore_colour, ground);

        switch (control.kind) {
            case ControlKind::label:
                element.set_text(control.caption);
                // Its spaces as they are written, as a desktop label draws them.
                element.set_style("white-space", control.wraps ? "pre-wrap" : "pre");
                if (!control.names.empty()) {
                    element.set_attribute("for", control.names);
                    // A click on a label leaves the focus where it is.
                    element.listen("click", [](const Event&) { return true; });
                }
                if (control.announced) {
                    element.set_attribute("role", "status");
                    element.set_attribute("aria-live", "polite");
                    element.set_attribute("aria-atomic", "true");
                }
                break;
            case ControlKind::text_field:
                element.set_attribute("type", "text");
                element.set_attribute("tabindex", "0");
                element.set_attribute("autocomplete", "off");
                element.set_attribute("autocapitalize", "off");
                element.set_attribute("autocorrect", "off");
                element.set_attribute("spellcheck", "false");
                element.set_attribute("enterkeyhint", "next");
                element.set_attribute("aria-label",
                                      reader_name_of(controls, static_cast<int>(index)));
                if (control.back_colour == no_colour)
                    colours_.set_background(element, window_colour);
                break;
            case ControlKind::push_button:
                element.set_attribute("type", "button");
                element.set_attribute("tabindex", "0");
                element.set_text(control.caption);
                break;
            case ControlKind::picture:
                element.set_attribute("src", picture_file(control.picture));
                element.set_attribute("alt", reader_name_of(controls, static_cast<int>(index)));
                break;
            case ControlKind::picture_box: {
                const Element picture = Element::create("img");
                made_.push_back(picture);
                picture.set_attribute("src", picture_file(control.picture));
                picture.set_attribute("alt", "");
                element.append(picture);
                break;
            }
        }
    };
    for (std::size_t i = 0; i < controls.size(); ++i) make(i);

    // The document's order is the order a screen reader reads in: the layout's reading order,
    // else the tab order with each label just before the field it names.
    std::vector<int> order(layout.reading_order.begin(), layout.reading_order.end());
    if (order.empty()) {
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (!controls[i].names.empty()) continue;
            for (std::size_t label = 0; label < controls.size(); ++label)
                if (controls[label].names == controls[i].name)
                    order.push_back(static_cast<int>(label));
            order.push_back(static_cast<int>(i));
        }
    }
    for (const int index : order) client.append(controls_[static_cast<std::size_t>(index)]);

    for (const LineLayout& line : layout.lines) {
        const Element element = Element::create("div");
        made_.push_back(element);
        element.set_attribute("class", "line");
        element.set_attribute("aria-hidden", "true");
        element.set_style("background-color", css_colour(line.colour));
        client.append(element);
        lines_.push_back(element);
    }
    font_probe_ = Element::create("span");
    made_.push_back(font_probe_);
    font_probe_.set_attribute("class", "font-probe");
    font_probe_.set_attribute("aria-hidden", "true");
    font_probe_.set_text(measured_letters);
    client.append(font_probe_);
    lay_out();
    // Also once the window first shows: a hidden window's letters have no size.
    font_probe_.observe_size([this, laid_out = std::move(laid_out)](const Event&) {
        const Element::Extent now = font_probe_.extent();
        if (now.width == laid_out_for_.width && now.height == laid_out_for_.height) return false;
        lay_out();
        if (laid_out) laid_out();
        return false;
    });
}

StoredLayout::~StoredLayout() {
    for (auto element = made_.rbegin(); element != made_.rend(); ++element) element->remove();
}

std::vector<Element> StoredLayout::tab_stops() const {
    std::vector<Element> stops;
    for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
        const ControlKind kind = layout_.controls[i].kind;
        if (kind == ControlKind::text_field || kind == ControlKind::push_button)
            stops.push_back(controls_[i]);
    }
    return stops;
}

void StoredLayout::lay_out() const {
    const Element::Extent letters = laid_out_for_ = font_probe_.extent();
    const LayoutScale scale(
        css_dpi, {letters.width / static_cast<double>(measured_letters.size()), letters.height});
    const auto place = [&](Element element, int left, int top, int width, int height) {
        element.set_style("left", pixels(scale.pixels(left)));
        element.set_style("top", pixels(scale.pixels(top)));
        element.set_style("width", pixels(scale.pixels(width)));
        element.set_style("height", pixels(scale.pixels(height)));
    };
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlLayout& control = layout_.controls[i];
        place(controls_[i], control.left, control.top, control.width, control.height);
    }
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineBand band = band_of(layout_.lines[i]);
        place(lines_[i], band.left, band.top, band.width, band.height);
    }
    client_.set_style("width", pixels(scale.pixels(layout_.client_width)));
    client_.set_style("height", pixels(scale.pixels(layout_.client_height)));
}

void StoredLayout::set_back_colour(int control, ColourValue colour) {
    colours_.set_background((*this)[control], colour);
}

}  // namespace trelumo::web
