// A window stand-in for the amount field controller: it keeps what the controls would show and
// raises the field events the way the window does.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/amount_fields.h"
#include "platform/types/run_time_error.h"

namespace trelumo {

struct FakeField {
    std::string text;
    ColourValue background = normal_colour;
    int selection_start = 0;
    int selection_length = 0;
    int change_count = 0;
};

class FakeAmountView : public AmountView {
public:
    FakeAmountView(std::string euro_text, std::string pts_text) {
        euro_.text = std::move(euro_text);
        pts_.text = std::move(pts_text);
    }

    void connect(AmountFields& fields) { fields_ = &fields; }

    std::string text(AmountField field) const override { return get(field).text; }
    void set_text(AmountField field, std::string_view text) override {
        FakeField& target = get(field);
        if (target.text == text) return;
        target.text = text;
        target.selection_start = code_points(target.text);  // the caret goes to the end
        target.selection_length = 0;
        ++target.change_count;
        field == AmountField::euro ? fields_->text_euro_Change() : fields_->text_pts_Change();
    }
    void set_background(AmountField field, ColourValue colour) override {
        get(field).background = colour;
    }
    void set_selection_start(AmountField field, int start) override {
        get(field).selection_start = start;
    }
    void set_selection_length(AmountField field, int length) override {
        get(field).selection_length = length;
    }
    void set_result_caption(std::string_view caption) override { caption_ = caption; }
    void set_arrow_visible(Arrow arrow, bool visible) override {
        (arrow == Arrow::left ? left_visible_ : right_visible_) = visible;
    }

    /// The user edits the field until it reads `text` (typing, deleting or pasting).
    void type(AmountField field, std::string_view text) {
        dispatch([&] { set_text(field, text); });
    }

    /// The focus moves to `field`: LostFocus of the field left, then GotFocus of this one.
    void focus(AmountField field) {
        if (focused_ == field) return;
        if (focused_) dispatch([&] { lost_focus(*focused_); });
        focused_ = field;
        dispatch([&] { got_focus(field); });
    }

    /// TAB: the focus goes to the other field.
    void tab() { focus(focused_ == AmountField::euro ? AmountField::pts : AmountField::euro); }

    const FakeField& field(AmountField field) const { return get(field); }
    const std::string& caption() const { return caption_; }
    bool arrow_visible(Arrow arrow) const {
        return arrow == Arrow::left ? left_visible_ : right_visible_;
    }
    /// The numbers of the run-time errors the handlers raised, in order.
    const std::vector<int>& errors() const { return errors_; }

private:
    // The window reports a run-time error that ends a handler and goes on running.
    template <typename Handler>
    void dispatch(Handler handler) {
        try {
            handler();
        } catch (const RunTimeError& error) {
            errors_.push_back(error.number());
        }
    }
    void lost_focus(AmountField field) {
        field == AmountField::euro ? fields_->text_euro_LostFocus() : fields_->text_pts_LostFocus();
    }
    void got_focus(AmountField field) {
        field == AmountField::euro ? fields_->text_euro_GotFocus() : fields_->text_pts_GotFocus();
    }
    static int code_points(std::string_view text) {
        int count = 0;
        for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return count;
    }
    FakeField& get(AmountField field) { return field == AmountField::euro ? euro_ : pts_; }
    const FakeField& get(AmountField field) const {
        return field == AmountField::euro ? euro_ : pts_;
    }

    AmountFields* fields_ = nullptr;
    FakeField euro_;
    FakeField pts_;
    std::string caption_;
    bool left_visible_ = false;
    bool right_visible_ = false;
    std::optional<AmountField> focused_;
    std::vector<int> errors_;
};

}  // namespace trelumo
