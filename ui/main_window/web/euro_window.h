// Trelumo's main window, `euro`, in the page.
//
// The window's controls and menu bar come from its stored layout (ui/main_window/euro_layout.h).
// Their events reach the handlers through event_dispatch: the fields' Change, GotFocus and
// LostFocus go to the amount field controller (core/amount_fields), which reads and writes the
// controls back through the AmountView this window implements; the menu commands are the
// handlers below. Amounts live only as the texts of the two fields.
#pragma once

#include <memory>

#include "core/amount_fields.h"
#include "core/conversion.h"
#include "platform/web/amount_edit.h"
#include "platform/web/focus_events.h"
#include "platform/web/menu_bar.h"
#include "platform/web/stored_layout.h"
#include "platform/web/window.h"

namespace trelumo::web {

class EuroWindow : public Window, private AmountView {
public:
    explicit EuroWindow(const Separators& separators);
    ~EuroWindow() override;

    void Form_Load();
    void salir_Click();
    void temas_Click();
    void acerca_Click();

private:
    void first_shown() override;
    void connect_events();
    AmountEdit& field(AmountField field);
    const AmountEdit& field(AmountField field) const;

    std::string text(AmountField field) const override;
    void set_text(AmountField field, std::string_view text) override;
    void set_background(AmountField field, ColourValue colour) override;
    void set_selection_start(AmountField field, int start) override;
    void set_selection_length(AmountField field, int length) override;
    void set_result_caption(std::string_view caption) override;
    void set_arrow_visible(Arrow arrow, bool visible) override;

    StoredLayout layout_;
    std::unique_ptr<MenuBar> menu_bar_;
    AmountEdit text_euro_;
    AmountEdit text_pts_;
    Conversion conversion_;
    AmountFields fields_;
    FocusEvents focus_events_;
};

}  // namespace trelumo::web
