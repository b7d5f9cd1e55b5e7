// What ctrl+z brings back in an amount field after the program emptied it, the same under every
// toolkit; the toolkit keeps the field's text and selection (Snapshot) and tells of edits.
#pragma once

#include <optional>

namespace trelumo {

/// The last text, with its selection, from before a run of user edits that each left the field
/// empty. An edit or a write from code that leaves text in the field forgets it.
template <class Snapshot>
class EmptiedText {
public:
    /// After a user's edit. `toolkit_can_undo`: the toolkit's own undo still holds the edit, so
    /// that ctrl+z is the toolkit's; writing the text from code clears it.
    void edited(const Snapshot& before, bool was_empty, bool is_empty, bool toolkit_can_undo) {
        if (!is_empty) {
            last_.reset();
        } else if (!was_empty && !toolkit_can_undo) {
            last_ = before;
        }
    }

    /// After a write from code, outside any user's edit.
    void written(bool is_empty) {
        if (!is_empty) last_.reset();
    }

    /// What ctrl+z brings back, if anything: only while the field is empty.
    std::optional<Snapshot> to_bring_back(bool is_empty) const {
        return is_empty ? last_ : std::nullopt;
    }

private:
    std::optional<Snapshot> last_;
};

}  // namespace trelumo
