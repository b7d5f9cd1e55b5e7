#include "core/amount_fields.h"

#include <algorithm>
#include <optional>

#include "platform/types/run_time_error.h"

namespace trelumo {
namespace {

int code_point_count(std::string_view text) {
    const auto starts_code_point = [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    };
    return static_cast<int>(std::count_if(text.begin(), text.end(), starts_code_point));
}

Currency currency_of(AmountField field) {
    return field == AmountField::euro ? Currency::euro : Currency::pts;
}

}  // namespace

AmountFields::AmountFields(AmountView& view, const Conversion& conversion)
    : view_(view), conversion_(conversion) {}

void AmountFields::text_euro_Change() {
    change(AmountField::euro);
}

void AmountFields::text_pts_Change() {
    change(AmountField::pts);
}

void AmountFields::text_euro_GotFocus() {
    got_focus(AmountField::euro);
}

void AmountFields::text_pts_GotFocus() {
    got_focus(AmountField::pts);
}

void AmountFields::text_euro_LostFocus() {
    lost_focus(AmountField::euro);
}

void AmountFields::text_pts_LostFocus() {
    lost_focus(AmountField::pts);
}

void AmountFields::change(AmountField field) {
    if (!conversion_.is_beginning(currency_of(field), view_.text(field))) view_.set_text(field, "");
}

void AmountFields::got_focus(AmountField field) {
    const bool euro = field == AmountField::euro;
    view_.set_background(field, highlight_colour);
    std::string converted;
    try {
        converted = euro ? conversion_.euro_from_pts_text(view_.text(AmountField::pts))
                         : conversion_.pts_from_euro_text(view_.text(AmountField::euro));
    } catch (const RunTimeError&) {
        view_.set_text(field, "");  // no conversion of the other field's amount to show
        throw;
    }
    view_.set_text(field, converted);
    select_all(field);
}

void AmountFields::lost_focus(AmountField field) {
    const Currency currency = currency_of(field);
    view_.set_background(field, normal_colour);
    // Empty, or only begun: zero.
    const Amount amount = conversion_.tidied(
        currency, conversion_.settled_amount(currency, view_.text(field)).value_or(Amount{}));
    const std::string shown = conversion_.formatted(currency, amount);
    view_.set_text(field, shown);
    std::string sentence;
    try {
        sentence = conversion_.sentence(currency, shown, amount);
    } catch (const RunTimeError&) {
        view_.set_result_caption("");  // no conversion to state
        view_.set_arrow_visible(Arrow::left, false);
        view_.set_arrow_visible(Arrow::right, false);
        throw;
    }
    const bool euro = field == AmountField::euro;
    view_.set_result_caption(sentence);
    view_.set_arrow_visible(euro ? Arrow::left : Arrow::right, false);
    view_.set_arrow_visible(euro ? Arrow::right : Arrow::left, true);
}

void AmountFields::select_all(AmountField field) {
    view_.set_selection_start(field, 0);
    view_.set_selection_length(field, code_point_count(view_.text(field)));
}

}  // namespace trelumo
