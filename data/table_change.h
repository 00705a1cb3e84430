#pragma once

namespace zelvaro {

// What changed in the rows a grid shows: the rows in key order and, while a new row is being
// inserted, that row after them. Rows are 0-based. Told after the change is made.
struct TableChange {
    enum class Kind {
        Reset,           // columns or all rows replaced: rebuild, load, clear
        RowInserted,     // a row appeared at `row`
        RowRemoved,      // the row at `row` went away
        RowChanged,      // values shown in the row at `row` changed
        RowMoved,        // the row at `row` now stands at `to` (its values may have changed)
        CurrentChanged,  // only the current row or the state changed
    };

    Kind kind = Kind::CurrentChanged;
    int row = -1;
    int to = -1;
};

// Told synchronously of every change of the table, after MeasurementEvents.
class MeasurementTableObserver {
  public:
    virtual ~MeasurementTableObserver() = default;
    virtual void tableChanged(const TableChange& change) = 0;
};

}  // namespace zelvaro
