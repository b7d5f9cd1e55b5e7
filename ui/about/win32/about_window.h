#pragma once

#include <string>

#include "platform/registry/registry.h"
#include "platform/win32/stored_layout.h"
#include "platform/win32/window.h"
#include "ui/about/frmabout_form.h"

/// The About window, `frmAbout`: the program's icon, title, version and credits, made from its
/// stored layout (ui/about/frmabout_layout.h). Modeless; its OK button, Enter, Esc and the close
/// control all unload it.
class AboutWindow : public trelumo::Window, private trelumo::frmAbout::AboutView {
public:
    AboutWindow();
    ~AboutWindow() override;

    void Form_Load();
    void cmdOK_Click();

    /// Reads one value of the machine's registry as text: see trelumo::GetKeyValue.
    bool GetKeyValue(const trelumo::registry::KeyHandle& KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal) const;

private:
    LRESULT handle_message(UINT message, WPARAM w, LPARAM l) override;
    void layout_changed(UINT dpi) override;
    void set_title(std::string_view title) override;
    void set_caption(int control, std::string_view caption) override;

    trelumo::StoredLayout layout_;
};
