#include "platform/web/toolkit.h"

#include "platform/web/application_object.h"
#include "platform/web/dom.h"
#include "platform/web/message_box.h"
#include "platform/web/window.h"

namespace trelumo {
namespace {

void say_ended() {
    const web::Element notice = web::Element::create("main");
    notice.set_attribute("class", "ended");
    const web::Element text = web::Element::create("p");
    text.set_attribute("role", "status");
    text.set_text(app::title() + " se ha cerrado. Puede cerrar esta pestaña.");
    notice.append(text);
    const web::Element again = web::Element::create("button");
    again.set_attribute("type", "button");
    again.set_text("Volver a abrir " + app::title());
    again.listen("click", [](const web::Event&) {
        web::reload_page();
        return true;
    });
    notice.append(again);
    web::Element::body().append(notice);
    again.focus();
}

class WebToolkit : public Toolkit {
public:
    void post(std::function<void()> task) override { web::post(std::move(task)); }

    void show_error(const std::string& text) override { web::show_error_box(app::title(), text); }

    void close_all_windows() override {
        web::close_message_boxes();
        web::Window::destroy_all();
        if (!web::close_page()) say_ended();
    }
};

}  // namespace

Toolkit& web_toolkit() {
    static WebToolkit toolkit;
    return toolkit;
}

}  // namespace trelumo
