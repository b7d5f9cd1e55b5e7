#include "ui/about/web/about_window.h"

#include "platform/runtime/event_dispatch.h"
#include "platform/web/application_object.h"
#include "platform/web/form.h"
#include "ui/about/frmabout_layout.h"

namespace trelumo::web {

AboutWindow::AboutWindow()
    : Window({.kind = Kind::dialog,
              .name = std::string(frmAbout::layout.name),
              .icon = frmAbout::layout.icon},
             frmAbout::layout.title),
      layout_(frmAbout::layout, client(), [this] { fit_to_viewport(); }) {
    const Element ok = layout_[frmAbout::cmdOK];
    set_tab_stops(layout_.tab_stops());
    set_default_button(ok);
    set_cancel_button(ok);
    ok.listen("click", [this](const Event&) {
        event_dispatch::run([this] { cmdOK_Click(); });
        return true;
    });
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::Form_Load() {
    frmAbout::Form_Load(*this, {app::title(), app::major(), app::minor(), app::revision()});
}

void AboutWindow::cmdOK_Click() {
    Form<AboutWindow>::instance().unload();
}

void AboutWindow::close_requested() {
    event_dispatch::run([this] { cmdOK_Click(); });
}

void AboutWindow::set_title(std::string_view title) {
    Window::set_title(title);
}

void AboutWindow::set_caption(int control, std::string_view caption) {
    layout_[control].set_text(caption);
}

}  // namespace trelumo::web
