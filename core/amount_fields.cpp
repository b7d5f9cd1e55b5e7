#include "core/amount_fields.h"

#include <algorithm>

namespace trelumo {
namespace {

int code_point_count(std::string_view text) {
    const auto starts_code_point = [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    };
    return static_cast<int>(std::ranges::count_if(text, starts_code_point));
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
    view_.set_background(AmountField::euro, highlight_colour);
    view_.set_text(AmountField::euro, conversion_.euro_from_pts_text(view_.text(AmountField::pts)));
    select_all(AmountField::euro);
}

void AmountFields::text_pts_GotFocus() {
    view_.set_background(AmountField::pts, highlight_colour);
    view_.set_text(AmountField::pts, conversion_.pts_from_euro_text(view_.text(AmountField::euro)));
    select_all(AmountField::pts);
}

void AmountFields::text_euro_LostFocus() {
    constexpr AmountField euro = AmountField::euro;
    view_.set_background(euro, normal_colour);
    if (view_.text(euro).empty()) view_.set_text(euro, conversion_.zero_euro_text());
    view_.set_text(euro, conversion_.reformat_euro_text(view_.text(euro)));
    view_.set_result_caption(conversion_.euro_sentence(view_.text(euro)));
    view_.set_arrow_visible(Arrow::left, false);
    view_.set_arrow_visible(Arrow::right, true);
}

void AmountFields::text_pts_LostFocus() {
    constexpr AmountField pts = AmountField::pts;
    view_.set_background(pts, normal_colour);
    if (view_.text(pts).empty()) view_.set_text(pts, conversion_.zero_pts_text());
    view_.set_text(pts, conversion_.reformat_pts_text(view_.text(pts)));
    view_.set_result_caption(conversion_.pts_sentence(view_.text(pts)));
    view_.set_arrow_visible(Arrow::right, false);
    view_.set_arrow_visible(Arrow::left, true);
}

void AmountFields::change(AmountField field) {
    if (!conversion_.is_numeric(view_.text(field))) view_.set_text(field, "");
}

void AmountFields::select_all(AmountField field) {
    view_.set_selection_start(field, 0);
    view_.set_selection_length(field, code_point_count(view_.text(field)));
}

}  // namespace trelumo
