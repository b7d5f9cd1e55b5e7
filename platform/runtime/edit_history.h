// What ctrl+z and its redo do in an amount field, the same under every toolkit: they go back and
// forth one change at a time through everything that changed the field since the program last
// wrote its text (as GotFocus does when the focus comes in), the program's own emptyings
// included. The toolkit keeps the field's text and selection (a Snapshot, with its `text`), tells
// of edits and writes, and puts back the snapshots it is given.
#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace trelumo {

template <class Snapshot>
class EditHistory {
public:
    /// After a user's edit, with whatever the program wrote into the field while it was handled
    /// (an emptying): the field as it was before and as it is now. An edit that leaves the text
    /// as it was changes nothing here.
    void edited(Snapshot before, const Snapshot& now) {
        if (before.text == now.text) return;
        undone_.push_back(std::move(before));
        redone_.clear();
    }

    /// After the program wrote the field's text outside any user's edit, changed or not: the
    /// history begins there.
    void written() {
        undone_.clear();
        redone_.clear();
    }

    /// ctrl+z: the field as it was before its last change, if there was one; `now` is kept for
    /// the redo. Putting it back is no edit.
    std::optional<Snapshot> undo(Snapshot now) { return step(undone_, redone_, std::move(now)); }
    /// The redo: the field as it was before the last undo, if any.
    std::optional<Snapshot> redo(Snapshot now) { return step(redone_, undone_, std::move(now)); }

    bool can_undo() const { return !undone_.empty(); }
    bool can_redo() const { return !redone_.empty(); }

private:
    static std::optional<Snapshot> step(std::vector<Snapshot>& from, std::vector<Snapshot>& to,
                                        Snapshot now) {
        if (from.empty()) return std::nullopt;
        Snapshot back = std::move(from.back());
        from.pop_back();
        to.push_back(std::move(now));
        return back;
    }

    std::vector<Snapshot> undone_;  // the field before each change, the last one last
    std::vector<Snapshot> redone_;  // before each undo, the last one last
};

}  // namespace trelumo
