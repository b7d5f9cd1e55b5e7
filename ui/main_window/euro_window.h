// Trelumo's main window, `euro`.
//
// The window's controls and menu are made from its stored layout (euro_layout.h). Their events
// reach the handlers through event_dispatch: the fields' Change, GotFocus and LostFocus go to the
// amount field controller (core/amount_fields), which reads and writes the controls back through
// the AmountView this window implements; the menu commands are the handlers below. Amounts live
// only as the texts of the two fields.
#pragma once

#include <QMainWindow>
#include <optional>
#include <vector>

#include "core/amount_fields.h"
#include "core/conversion.h"
#include "platform/qt/focus_events.h"
#include "platform/qt/stored_layout.h"

namespace trelumo {
class AmountEdit;
class ThemeColours;
}  // namespace trelumo

class EuroWindow : public QMainWindow, private trelumo::AmountView {
    Q_OBJECT

public:
    explicit EuroWindow(const trelumo::Separators& separators, QWidget* parent = nullptr);
    ~EuroWindow() override;

    void Form_Load();
    void salir_Click();
    void temas_Click();
    void acerca_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connect_events();
    void fit_to_layout();
    trelumo::AmountEdit* field(trelumo::AmountField field) const;

    std::string text(trelumo::AmountField field) const override;
    void set_text(trelumo::AmountField field, std::string_view text) override;
    void set_background(trelumo::AmountField field, trelumo::ColourValue colour) override;
    void set_selection_start(trelumo::AmountField field, int start) override;
    void set_selection_length(trelumo::AmountField field, int length) override;
    void set_result_caption(std::string_view caption) override;
    void set_arrow_visible(trelumo::Arrow arrow, bool visible) override;

    std::optional<trelumo::StoredLayout> layout_;
    std::vector<QAction*> menu_;
    trelumo::Conversion conversion_;
    trelumo::AmountFields fields_;
    trelumo::FocusEvents focus_events_;
    trelumo::ThemeColours* theme_colours_ = nullptr;  // a child of the window
    bool shown_before_ = false;
};
