// What a command did to a grid's rows, as the command itself knows it: the windows turn it into
// their views' notifications without working out the rows again. Rows are grid rows (row 0 is
// the header row).
#pragma once

#include <cstddef>

namespace orbalis {

struct GridChange {
    enum class Kind {
        None,      // nothing to show
        Changed,   // rows first .. first + count - 1 changed their texts or colours
        Inserted,  // count rows were inserted at first (the rows from first on moved down)
        Removed,   // count rows were removed at first (the rows after them moved up)
        Reset,     // anything may have changed, the row count too
    };

    Kind kind = Kind::None;
    std::size_t first = 0;
    std::size_t count = 0;

    static GridChange none() { return {}; }
    static GridChange changed(std::size_t first, std::size_t last) {
        return {Kind::Changed, first, last - first + 1};
    }
    static GridChange inserted(std::size_t first, std::size_t count) {
        return {Kind::Inserted, first, count};
    }
    static GridChange removed(std::size_t first, std::size_t count) { return {Kind::Removed, first, count}; }
    static GridChange reset() { return {Kind::Reset, 0, 0}; }

    friend bool operator==(const GridChange &, const GridChange &) = default;
};

}  // namespace orbalis
