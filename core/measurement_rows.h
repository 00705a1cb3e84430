#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>

namespace zelvaro {

// A reading, k or reference-zone column that the table does not have.
class MissingColumnError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The measurement table as the mirror model sees it: one row per measuring run, a current
// row, browse/edit/insert states. The table itself lives in data/.
class MeasurementRows {
  public:
    virtual ~MeasurementRows() = default;

    // Recreates the table, empty, with `zoneCount` reading columns "Zona1".."ZonaN";
    // rows and change log are lost.
    virtual void rebuild(int zoneCount) = 0;
    virtual int rowCount() const = 0;
    // True when no row is being edited or inserted.
    virtual bool isBrowsing() const = 0;
    // Puts the current row into edit state; on an empty table appends a new row instead.
    virtual void edit() = 0;
    // Posts the row being edited or inserted, also a new row nobody changed.
    virtual void post() = 0;
    // The number in `column` of the current row; no value for an empty cell or when there
    // is no current row. Throws MissingColumnError when the table has no such column.
    virtual std::optional<double> number(std::string_view column) const = 0;
    // Stores into the row being edited or inserted.
    virtual void setNumber(std::string_view column, std::optional<double> value) = 0;
};

// What the table tells the model.
class MeasurementEvents {
  public:
    virtual ~MeasurementEvents() = default;

    // A row is being inserted: returns its ZonaReferencia; the model resets k to 0.
    virtual int newRowDefaults() = 0;
    // The current row moved, or its data or the table's state changed.
    virtual void measurementDataChanged() = 0;
};

}  // namespace zelvaro
