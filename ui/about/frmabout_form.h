// The About window's load, the same under every toolkit: each front-end's window runs it through
// the AboutView it implements.
#pragma once

#include <string>
#include <string_view>

namespace trelumo::frmAbout {

/// What the About window offers its load.
class AboutView {
public:
    virtual ~AboutView() = default;

    virtual void set_title(std::string_view title) = 0;
    /// Sets the caption of a label, by its index in the window's stored layout.
    virtual void set_caption(int control, std::string_view caption) = 0;
};

/// The application object's values the window shows, as the toolkit reads them.
struct ApplicationValues {
    std::string title;
    int major;
    int minor;
    int revision;
};

/// `Form_Load`, run each time the window is loaded: the window's title, "Acerca de " and the
/// application's title; lblVersion's caption, "Versión " and the version numbers in decimal
/// without leading zeros (Versión 1.0.0); lblTitle's caption, the application's title.
void Form_Load(AboutView& window, const ApplicationValues& application);

}  // namespace trelumo::frmAbout
