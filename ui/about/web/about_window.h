#pragma once

#include "platform/web/stored_layout.h"
#include "platform/web/window.h"
#include "ui/about/frmabout_form.h"

namespace trelumo::web {

/// The About window, `frmAbout`: the program's icon, title, version and credits, a dialog over the
/// page that leaves the main window usable. Its OK button, Enter, Esc and the close control all
/// unload it.
class AboutWindow : public Window, private frmAbout::AboutView {
public:
    AboutWindow();
    ~AboutWindow() override;

    void Form_Load();
    void cmdOK_Click();

private:
    void close_requested() override;
    void set_title(std::string_view title) override;
    void set_caption(int control, std::string_view caption) override;

    StoredLayout layout_;
};

}  // namespace trelumo::web
