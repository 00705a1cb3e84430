#pragma once

#include <optional>

#include "core/mirror_fields.h"

namespace zelvaro {

// What changed in the mirror model. Field values (D ... Strehl, in MirrorField's order) are
// reported when the text their field shows changes; the other entries whenever the thing is
// refilled.
enum class MirrorChange {
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
    TesterType,             // the source switched between fixed and moving
    ZoneRadiusList,         // Hx refilled: the zone-radius editor lists it again
    OriginZoneList,         // the "Zona de referência:" list refilled and selected again
    MeasurementTable,       // the measurement table rebuilt, empty, for the zone count
    ReductionTableColumns,  // columns rebuilt for the zone count, every cell empty
    ReductionTableCells,    // cells filled by a reduction
    ChartDatasetsClosed,
    ChartDatasetsFilled,
    PeakErrorTexts,
    Separators,  // the user's separators changed: every number text is written anew
};
inline constexpr int kMirrorChangeCount = static_cast<int>(MirrorChange::Separators) + 1;

// The field whose value a change reports, if it reports one.
inline std::optional<MirrorField> ChangedField(MirrorChange change) {
    const int index = static_cast<int>(change);
    if (index >= kMirrorFieldCount) return std::nullopt;
    return static_cast<MirrorField>(index);
}

// Told synchronously, in the order the chains run; a handler may call back into the model,
// and nested changes are told before the outer call returns. commandEnded() follows the last
// change of each command the model carries out (a typed value, a reset, a load, a reduction),
// so a view can redraw once per command instead of once per change.
class MirrorObserver {
  public:
    virtual ~MirrorObserver() = default;
    virtual void mirrorChanged(MirrorChange change) = 0;
    virtual void commandEnded() {}
};

}  // namespace zelvaro
