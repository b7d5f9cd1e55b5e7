#pragma once

#include <string>

#include "platform/registry/registry.h"
#include "platform/win32/layout.h"
#include "platform/win32/window.h"

/// The About window, `frmAbout`: the program's icon, title, version and credits. Modeless; its
/// OK button, Enter, Esc and the close control all unload it.
class AboutWindow : public trelumo::Window {
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

    trelumo::Controls controls_;
};
