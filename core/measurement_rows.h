#pragma once

#include <optional>
#include <stdexcept>

namespace zelvaro {

// A reading column that the table does not have.
class MissingColumnError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The measurement table as the mirror model sees it: one row per measuring run, a current
// row, browse/edit/insert states. The table itself lives in data/.
class MeasurementRows {
  public:
    virtual ~MeasurementRows() = default;

    // Recreates the table, empty, with one reading column per zone; rows and change log are
    // lost.
    virtual void rebuild(int zoneCount) = 0;
    virtual int rowCount() const = 0;
    // True when no row is being edited or inserted.
    virtual bool isBrowsing() const = 0;
    // Puts the current row into edit state; on an empty table appends a new row instead.
    virtual void edit() = 0;
    // Posts the row being edited or inserted, also a new row nobody changed.
    virtual void post() = 0;

    // Values of the current row; no value for an empty cell or when there is no current row.
    // The reading of a 1-based zone throws MissingColumnError when the table has no such zone.
    virtual std::optional<double> reading(int zoneNumber) const = 0;
    virtual std::optional<double> constantK() const = 0;
    virtual std::optional<double> parabolaZone() const = 0;
    // Store into the row being edited or inserted.
    virtual void setConstantK(double k) = 0;
    virtual void setParabolaZone(int zoneIndex) = 0;
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
