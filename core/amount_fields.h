// The converter's controller: the six handlers of the euro and peseta fields. A conversion
// happens when the focus moves: the field left tidies itself and states the conversion, the field
// entered is recomputed from the other one and selected.
#pragma once

#include <string>
#include <string_view>

#include "core/conversion.h"
#include "platform/types/colour_value.h"

namespace trelumo {

enum class AmountField { euro, pts };
enum class Arrow { left, right };  // fizq: pesetas to euros; fdcha: euros to pesetas

/// A field with the focus is highlighted in the tooltip colour; the others are in the window's.
inline constexpr ColourValue highlight_colour = tooltip_colour;
inline constexpr ColourValue normal_colour = window_colour;

/// What the window offers the controller. Writing a field's text must raise that field's Change
/// synchronously, before the write returns, and only when the text really changes.
class AmountView {
public:
    virtual ~AmountView() = default;

    virtual std::string text(AmountField field) const = 0;
    virtual void set_text(AmountField field, std::string_view text) = 0;
    virtual void set_background(AmountField field, ColourValue colour) = 0;
    /// Selection start and length count characters (Unicode code points), not bytes.
    virtual void set_selection_start(AmountField field, int start) = 0;
    virtual void set_selection_length(AmountField field, int length) = 0;
    virtual void set_result_caption(std::string_view caption) = 0;
    virtual void set_arrow_visible(Arrow arrow, bool visible) = 0;
};

/// The handlers of text_euro and text_pts.
///
/// While a field is edited, a text that is not the beginning of an amount of the field's currency
/// (see Conversion::is_beginning) is emptied at once; leaving a field reads the amount its text
/// plainly is ("1.000.", "5 eu": see Conversion::settled_amount), and treats a beginning that is
/// none ("-", "1 2", "5 mi") as empty. Each handler reads a field's text once.
///
/// A conversion that overflows throws RunTimeError once the window shows no stale conversion:
/// leaving the field, the sentence is cleared and both arrows hidden; entering the other field,
/// that field is emptied.
class AmountFields {
public:
    AmountFields(AmountView& view, const Conversion& conversion);

    void text_euro_Change();
    void text_euro_GotFocus();
    void text_euro_LostFocus();
    void text_pts_Change();
    void text_pts_GotFocus();
    void text_pts_LostFocus();

private:
    void change(AmountField field);
    void got_focus(AmountField field);
    void lost_focus(AmountField field);
    void select_all(AmountField field);

    AmountView& view_;
    const Conversion& conversion_;
};

}  // namespace trelumo
