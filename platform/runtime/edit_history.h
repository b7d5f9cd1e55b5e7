// What ctrl+z and its redo do in an amount field, the same under every toolkit: they go back and
// forth one change at a time through everything that changed the field since the program last
// wrote its text (as GotFocus does when the focus comes in), the program's own emptyings
// included. The toolkit reads the field's text and selection (a Snapshot, with its `text`), runs
// the user's edits through the history, tells of the program's writes, and writes back the text
// and selection it is given.
#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace trelumo {

template <class Snapshot>
class EditHistory {
public:
    /// Runs a user's edit, `change`, and whatever the program writes into the field while it is
    /// handled (an emptying), as one change: the field as it was `before` and as `now` reads it
    /// afterwards. An edit run within another is part of it; an edit that leaves the text as it
    /// was changes nothing here.
    template <class Change, class Now>
    void edit(Snapshot before, Change change, Now now) {
        ++edits_running_;
        change();
        --edits_running_;
        if (edits_running_ == 0) edited(std::move(before), now());
    }

    /// After the program wrote the field's text, changed or not: the history begins there,
    /// unless the write is part of an edit, an undo or a redo.
    void written() {
        if (edits_running_ > 0) return;
        undone_.clear();
        redone_.clear();
    }

    /// ctrl+z (`undo`) or its redo: the field goes back to how it was before its last change, or
    /// forward to how it was before the last undo, if there is one. `now` reads the field;
    /// `write_text` writes a snapshot's text into it, which is no edit and no write that begins
    /// the history; `select` then puts back the snapshot's selection, if the text took.
    template <class Now, class WriteText, class Select>
    void step(bool undo, Now now, WriteText write_text, Select select) {
        const std::optional<Snapshot> back =
            undo ? shift(undone_, redone_, now()) : shift(redone_, undone_, now());
        if (!back) return;
        ++edits_running_;
        write_text(back->text);
        --edits_running_;
        if (now().text == back->text) select(*back);
    }

    bool can_undo() const { return !undone_.empty(); }
    bool can_redo() const { return !redone_.empty(); }

private:
    void edited(Snapshot before, const Snapshot& now) {
        if (before.text == now.text) return;
        undone_.push_back(std::move(before));
        redone_.clear();
    }

    // One step from `from` to `to`: the snapshot to put back, `now` kept to come back to.
    static std::optional<Snapshot> shift(std::vector<Snapshot>& from, std::vector<Snapshot>& to,
                                         Snapshot now) {
        if (from.empty()) return std::nullopt;
        Snapshot back = std::move(from.back());
        from.pop_back();
        to.push_back(std::move(now));
        return back;
    }

    std::vector<Snapshot> undone_;  // the field before each change, the last one last
    std::vector<Snapshot> redone_;  // before each undo, the last one last
    int edits_running_ = 0;         // user edits, undos and redos, nested ones included
};

}  // namespace trelumo
