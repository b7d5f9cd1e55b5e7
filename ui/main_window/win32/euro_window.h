// Trelumo's main window, `euro`, on the Windows API.
//
// The window's controls and menu are made from its stored layout (ui/main_window/euro_layout.h),
// its pictures are in its resource script (euro.rc). Their events reach the handlers through
// event_dispatch: the fields' Change, GotFocus and LostFocus go to the amount field controller
// (core/amount_fields), which reads and writes the controls back through the AmountView this window
// implements; the menu commands are the handlers below. Amounts live only as the texts of the two
// fields.
#pragma once

#include "core/amount_fields.h"
#include "core/conversion.h"
#include "platform/win32/amount_edit.h"
#include "platform/win32/focus_events.h"
#include "platform/win32/stored_layout.h"
#include "platform/win32/window.h"

class EuroWindow : public trelumo::Window, private trelumo::AmountView {
public:
    explicit EuroWindow(const trelumo::Separators& separators);
    ~EuroWindow() override;

    /// Shows the window; the first time, the focus starts in text_euro.
    void show() override;

    void Form_Load();
    void salir_Click();
    void temas_Click();
    void acerca_Click();

private:
    LRESULT handle_message(UINT message, WPARAM w, LPARAM l) override;
    void layout_changed(UINT dpi) override;
    void connect_events();
    trelumo::AmountEdit& field(trelumo::AmountField field);
    const trelumo::AmountEdit& field(trelumo::AmountField field) const;

    std::string text(trelumo::AmountField field) const override;
    void set_text(trelumo::AmountField field, std::string_view text) override;
    void set_background(trelumo::AmountField field, trelumo::ColourValue colour) override;
    void set_selection_start(trelumo::AmountField field, int start) override;
    void set_selection_length(trelumo::AmountField field, int length) override;
    void set_result_caption(std::string_view caption) override;
    void set_arrow_visible(trelumo::Arrow arrow, bool visible) override;

    trelumo::StoredLayout layout_;
    trelumo::AmountEdit text_euro_;
    trelumo::AmountEdit text_pts_;
    trelumo::Conversion conversion_;
    trelumo::AmountFields fields_;
    trelumo::FocusEvents focus_events_;
    bool shown_before_ = false;
};
