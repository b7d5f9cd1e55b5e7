#include "platform/web/help.h"

#include "platform/runtime/application.h"
#include "platform/runtime/program_texts.h"
#include "platform/web/application_object.h"
#include "platform/web/dom.h"
#include "platform/web/message_box.h"
#include "platform/web/window.h"

extern "C" {
// dom.js: a copy of a <template>'s content put into an element; false when there is no such one.
int web_clone_template(const char* id, std::size_t id_size, int into);
}

namespace trelumo {
namespace {

class HelpWindow : public web::Window {
public:
    HelpWindow()
        : Window({.kind = Kind::dialog, .name = "help", .icon = "euro"},
                 texts::help_title(app::title())) {
        client().set_attribute("class", "client help-document");
        // The document scrolls: it takes the focus, so that the keyboard scrolls it too.
        client().set_attribute("tabindex", "0");
        set_tab_stops({client()});
    }

    bool load(const std::string& document) {
        const std::string id = "help:" + document;
        return web_clone_template(id.data(), id.size(), client().number()) != 0;
    }

private:
    bool key_pressed(const web::Event& event) override {
        if (!event.plain_key("Escape")) return false;
        destroy();
        return true;
    }
};

HelpWindow* open_window = nullptr;

}  // namespace

void show_help(const std::string& help_file) {
    if (!open_window) {
        const std::string document = texts::help_document_name(help_file);
        auto* window = new HelpWindow;
        if (document.empty() || !window->load(document)) {
            window->destroy();
            web::show_error_box(app::title(), "No se encuentra la ayuda: la página no trae «" +
                                                  (document.empty() ? help_file : document) + "».");
            return;
        }
        open_window = window;
        window->on_destroyed([] { open_window = nullptr; });
    }
    open_window->show();
}

void install_help_key() {
    web::Element::document().listen("keydown", [](const web::Event& event) {
        if (event.key != "F1" || event.ctrl || event.alt || event.shift || event.meta) return false;
        show_help(app::help_file());
        return true;
    });
}

}  // namespace trelumo
