#pragma once

namespace zelvaro {

// What changed in the open test. Field values (D ... Strehl) are reported when the text
// their field shows changes; the other entries whenever the thing is refilled.
enum class TestChange {
    D,
    R,
    ZoneCount,
    Lambda,
    b,
    k,
    f,
    fD,
    At,
    Az,
    p,
    Rms,
    Strehl,
    ReductionZoneIndex,
    ParabolaZoneIndex,
    ZoneRadiusList,         // Hx refilled: the zone-radius editor lists it again
    OriginZoneList,         // the "Zona de referência:" list refilled and selected again
    MeasurementTable,       // the measurement table rebuilt, empty, for the zone count
    ReductionTableColumns,  // columns rebuilt for the zone count, every cell empty
    ReductionTableCells,    // cells filled by a reduction
    ChartDatasetsClosed,
    ChartDatasetsFilled,
    PeakErrorTexts,
};

// Told synchronously, in the order the chains run; a handler may call back into the test,
// and nested changes are told before the outer call returns.
class OpenTestObserver {
  public:
    virtual ~OpenTestObserver() = default;
    virtual void testChanged(TestChange change) = 0;
};

}  // namespace zelvaro
