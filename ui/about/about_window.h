#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "platform/qt/stored_layout.h"
#include "platform/registry/registry.h"
#include "ui/about/frmabout_form.h"

/// The About window, `frmAbout`: the program's icon, title, version and credits, made from its
/// stored layout (frmabout_layout.h). Modeless; its OK button, Enter, Esc and the close control
/// all unload it.
class AboutWindow : public QDialog, private trelumo::frmAbout::AboutView {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

    void Form_Load();
    void cmdOK_Click();

    /// Reads one value of the machine's registry as text: see trelumo::GetKeyValue.
    bool GetKeyValue(const trelumo::registry::KeyHandle& KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal) const;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void set_title(std::string_view title) override;
    void set_caption(int control, std::string_view caption) override;

    std::optional<trelumo::StoredLayout> layout_;
};
