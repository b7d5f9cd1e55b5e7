#include "platform/web/message_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/web/dom.h"

namespace trelumo::web {
namespace {

// The boxes open, each with the elements made for it, the box first.
std::vector<std::vector<Element>>& open_boxes() {
    static std::vector<std::vector<Element>> boxes;
    return boxes;
}

void remove_box(Element box) {
    auto& boxes = open_boxes();
    const auto found = std::find_if(boxes.begin(), boxes.end(),
                                    [box](const auto& elements) { return elements[0] == box; });
    if (found == boxes.end()) return;
    const std::vector<Element> elements = std::move(*found);
    boxes.erase(found);
    // Closed first: the browser gives the focus back where it was before the box.
    box.close_dialog();
    for (auto element = elements.rbegin(); element != elements.rend(); ++element) element->remove();
}

}  // namespace

void show_error_box(std::string_view title, std::string_view text) {
    static int count = 0;
    const std::string id = "message-box-" + std::to_string(++count);
    std::vector<Element> elements;
    const auto make = [&](std::string_view tag, std::string_view css_class) {
        const Element element = Element::create(tag);
        if (!css_class.empty()) element.set_attribute("class", css_class);
        elements.push_back(element);
        return element;
    };
    const Element box = make("dialog", "window message-box");
    box.set_attribute("role", "alertdialog");
    box.set_attribute("aria-labelledby", id + "-title");
    box.set_attribute("aria-describedby", id + "-text");
    const Element bar = make("div", "title-bar");
    const Element heading = make("h2", "");
    heading.set_attribute("id", id + "-title");
    heading.set_text(title);
    bar.append(heading);
    box.append(bar);
    const Element body = make("div", "message");
    const Element icon = make("span", "error-icon");
    icon.set_attribute("aria-hidden", "true");
    body.append(icon);
    const Element message = make("p", "");
    message.set_attribute("id", id + "-text");
    message.set_text(text);
    body.append(message);
    box.append(body);
    const Element buttons = make("div", "buttons");
    const Element ok = make("button", "");
    ok.set_attribute("type", "button");
    ok.set_attribute("autofocus", "");
    ok.set_text("Aceptar");
    buttons.append(ok);
    box.append(buttons);
    open_boxes().push_back(std::move(elements));

    ok.listen("click", [box](const Event&) {
        remove_box(box);
        return true;
    });
    // Escape cancels a modal dialog, and the browser closes it.
    box.listen("close", [box](const Event&) {
        remove_box(box);
        return false;
    });
    Element::body().append(box);
    box.show_modal();
}

void close_message_boxes() {
    while (!open_boxes().empty()) remove_box(open_boxes().front().front());
}

}  // namespace trelumo::web
