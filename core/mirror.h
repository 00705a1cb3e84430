#pragma once

#include <string>
#include <vector>

#include "core/chart_datasets.h"
#include "core/measurement_rows.h"
#include "core/mirror_fields.h"
#include "core/mirror_header.h"
#include "core/mirror_observer.h"
#include "core/mirror_parameters.h"
#include "core/peak_error_texts.h"
#include "core/readings.h"
#include "core/reduction_result.h"
#include "core/reduction_table.h"
#include "core/zone_geometry.h"
#include "core/zone_lists.h"
#include "format/separators.h"

namespace zelvaro {

// The mirror under test: its data, its zones, the current run's readings, the last reduction
// with its table texts and chart datasets, and the chains that keep them current.
//
// Every scalar is kept as its numeric field holds it (AsFieldValue). A setter named after a
// field behaves like that field: when the value gives the text the field already shows,
// nothing happens, as a field fires no change then; otherwise the value is stored, observers
// hear of it and the field's chain runs:
//   D                 derived values, zone radii, zone geometry
//   R, Lambda         derived values, zone geometry
//   b, k              zone geometry
//   the tester        zone geometry (setMovingSource)
//   the zone count    zone arrays, origin-zone list, measurement table, table of variables,
//                     zone radii and geometry, all rebuilt for the new count
// The measurement table drives k and ParabolaZoneIndex through MeasurementEvents.
//
// Each public operation is one command: observers hear of every change as it happens and of
// commandEnded() once the outermost command is over.
//
// The constructor only stores the table; its owner wires the table's events to this object
// and then calls ResetToDefaults.
class Mirror : public MeasurementEvents {
  public:
    // Makes everything done while it lives one command, for an owner that runs several
    // operations as one (opening a file).
    class Command {
      public:
        explicit Command(Mirror& mirror);
        ~Command();
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

      private:
        Mirror& mirror_;
    };

    explicit Mirror(MeasurementRows& rows);

    const MirrorParameters& parameters() const { return parameters_; }
    // The value a field shows: for the zone count the bounded value typed, before it is cut
    // to a whole number.
    long double fieldValue(MirrorField field) const;
    const ZoneGeometry& geometry() const { return geometry_; }
    const Readings& readings() const { return readings_; }
    const ReductionResult& result() const { return result_; }
    bool isReduced() const { return isReduced_; }
    bool movingSource() const { return parameters_.Tester == TesterType::MovingSource; }
    bool autoRadii() const { return autoRadii_; }
    bool inCommand() const { return commandDepth_ > 0; }
    const std::string& fractionalFormat() const { return fractionalFormat_; }
    const Separators& separators() const { return separators_; }
    const PeakErrorTexts& peakErrorTexts() const { return peakErrorTexts_; }
    const ReductionTableCells& reductionTableCells() const { return tableCells_; }
    std::vector<ReductionTableColumn> reductionTableColumns() const;
    const ChartDatasets& chartDatasets() const { return datasets_; }
    std::vector<ZoneRadiusEntry> zoneRadiusList() const;
    std::vector<std::string> originZoneList() const;
    // The origin-zone list's selected entry, −1 when ReductionZoneIndex names no zone.
    int originZoneSelection() const;

    void setD(long double value);
    void setR(long double value);
    // Held within 1 to 999 like its field; ZoneCount is the held value cut toward zero.
    void setZoneCount(long double value);
    void setLambda(long double value);
    void setB(long double value);
    void setK(long double value);
    // The tester's light source moving with the knife-edge, or fixed (the default). Like b,
    // a change recomputes the ideal readings; the reduction uses the matching TAf and
    // tolerance from then on.
    void setMovingSource(bool moving);
    void setField(MirrorField field, long double value);

    // An entry of the origin-zone list chosen, or an index from a file; kept unchecked.
    void setReductionZoneIndex(int index);
    // Row `row` (1 for H1) of the zone-radius editor selected: the parabola zone of the mirror
    // and of the current measurement row.
    void selectParabolaZone(int row);
    // The k field left: k goes into the current measurement row.
    void leaveK();
    // A radius typed into the editor and accepted; the geometry follows when the editor is
    // left.
    void setZoneRadius(int index, double value);
    // The zone-radius editor left: it lists the radii again and the geometry follows them.
    void leaveZoneRadiusEditor();

    // The header of a project file being opened: the zone arrays cleared, D, R, the zone
    // count, Lambda, b and the tester through their fields, the reduction zone unchecked,
    // then everything that depends on the zone count rebuilt.
    void loadHeader(const MirrorHeader& header);
    // Radii from a project file, at least ZoneCount of them; the geometry follows at once.
    void setZoneRadii(const std::vector<double>& radii);

    // "Auto-definir raios externos das zonas.": takes effect at the next refill of the radii.
    void setAutoRadii(bool on) { autoRadii_ = on; }
    // The format of the result rows of the table of variables, for later reductions.
    void setFractionalFormat(std::string format) { fractionalFormat_ = std::move(format); }
    // The user's separators; the texts already shown are written anew with them.
    void setSeparators(Separators separators);

    // Every input back to its default (a fixed source among them), the results cleared,
    // everything rebuilt for one zone.
    void ResetToDefaults();
    // Reduces the current measurement row. On a failure (a missing reading column, a
    // floating-point fault) the mirror is reset to its defaults and ReductionFailed is thrown.
    // A fractional format that takes no number throws FormatError and leaves the table as it
    // was.
    void ReduceData();

    // Observers are not owned and must outlive their registration.
    void addObserver(MirrorObserver* observer);
    void removeObserver(MirrorObserver* observer);

    int newRowDefaults() override;
    void measurementDataChanged() override;

  private:
    // Stores a value into a scalar as its field would; true when the field's text changed.
    bool storeField(long double& slot, long double value, MirrorChange change);
    void setParabolaZoneIndex(long double index);
    void setPeakErrorTexts(PeakErrorTexts texts);
    void readCurrentReadings();
    void computeCurrentReduction();
    void RebuildForZoneCount();
    void ResizeZoneArrays();
    void FillZoneRadiusList();
    void UpdateDerivedValues();
    void UpdateZoneGeometry();
    void BuildReductionTableColumns();
    void FillReductionTable();
    void FillChartDatasets();
    void notify(MirrorChange change);
    void endCommand();

    MeasurementRows& rows_;
    MirrorParameters parameters_;
    long double zoneCountField_ = 1;
    ZoneGeometry geometry_;
    Readings readings_;
    ReductionResult result_;
    PeakErrorTexts peakErrorTexts_;
    ReductionTableCells tableCells_;
    bool tableFilled_ = false;
    ChartDatasets datasets_;
    bool isReduced_ = false;
    bool autoRadii_ = true;
    std::string fractionalFormat_ = "%.9f";
    Separators separators_;
    std::vector<MirrorObserver*> observers_;
    int commandDepth_ = 0;
};

}  // namespace zelvaro
