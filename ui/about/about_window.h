#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt/stored_layout.h"
#include "platform/registry/registry.h"

namespace Ui {
class frmAbout;
}

/// The About window, `frmAbout`: the program's icon, title, version and credits. Modeless; its
/// OK button, Enter, Esc and the close control all unload it.
class AboutWindow : public QDialog {
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
    std::unique_ptr<Ui::frmAbout> ui_;
    std::optional<trelumo::StoredLayout> layout_;
};
