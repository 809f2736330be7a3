// The rows of a list that is rebuilt while its repainting is suspended. The control still paints when
// it must meanwhile (behind a report box, say), and then shows the rows it was last told of, until it
// hears of the new ones; those old rows are kept until then, and their room serves the next rebuild.
#pragma once

#include <cstddef>
#include <utility>

#include "controls/program_rows.h"

namespace orv {

class RebuiltRows {
public:
    explicit RebuiltRows(Collation& collation) : rows_(collation), old_(collation) {}

    // The rows as the program has them.
    ProgramRows& rows() { return rows_; }
    [[nodiscard]] const ProgramRows& rows() const { return rows_; }
    // What the control shows: the old rows while a rebuild has not been shown yet.
    [[nodiscard]] const ProgramRows& shown() const { return showingOld_ ? old_ : rows_; }

    // Empties the rows; while repainting is suspended, the rows shown so far are kept for the control.
    void clear(bool suspended) {
        if (suspended && !showingOld_) {
            std::swap(rows_, old_);
            showingOld_ = true;
        }
        rows_.clear();
        rows_.deferSorting(suspended);  // the store swapped in sorts as the one it replaces did
    }
    // From now on the control shows the rows as they are; whether they replace old ones.
    bool showNew() { return std::exchange(showingOld_, false); }
    // Whether rows `first` to `last` read, come from and are ticked as the old ones did.
    [[nodiscard]] bool sameAsOld(std::size_t first, std::size_t last) const { return old_.sameRows(rows_, first, last); }

private:
    ProgramRows rows_;
    ProgramRows old_;
    bool showingOld_ = false;
};

}  // namespace orv
