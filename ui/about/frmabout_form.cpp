#include "ui/about/frmabout_form.h"

#include "ui/about/frmabout_layout.h"

namespace trelumo::frmAbout {

void Form_Load(AboutView& window, const ApplicationValues& application) {
    window.set_title(std::string(title_before_program) + application.title);
    window.set_caption(lblVersion, std::string(version_before_numbers) +
                                       std::to_string(application.major) + "." +
                                       std::to_string(application.minor) + "." +
                                       std::to_string(application.revision));
    window.set_caption(lblTitle, application.title);
}

}  // namespace trelumo::frmAbout
