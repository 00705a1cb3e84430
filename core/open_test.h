#pragma once

#include <string>
#include <vector>

#include "core/chart_datasets.h"
#include "core/measurement_rows.h"
#include "core/mirror_parameters.h"
#include "core/open_test_observer.h"
#include "core/peak_error_texts.h"
#include "core/readings.h"
#include "core/reduction_result.h"
#include "core/reduction_table.h"
#include "core/zone_geometry.h"
#include "core/zone_lists.h"
#include "format/separators.h"

namespace zelvaro {

// The one open test: the mirror, its zones, the current run's readings, the last reduction
// with its table texts and chart datasets, and the chains that keep them current.
//
// Every scalar is kept as its numeric field holds it (AsFieldValue). A setter named after a
// field behaves like that field: when the value gives the text the field already shows,
// nothing happens, as a field fires no change then; otherwise the value is stored, observers
// hear of it and the field's chain runs:
//   D                 UpdateDerivedValues, FillZoneRadiusList, UpdateZoneGeometry
//   R, Lambda         UpdateDerivedValues, UpdateZoneGeometry
//   b, k              UpdateZoneGeometry
//   the zone count    ResizeZoneArrays, RebuildForZoneCount
// The measurement table drives k and ParabolaZoneIndex through MeasurementEvents.
//
// The constructor only stores the table; its owner wires the table's events to this object
// and then calls ResetToDefaults.
class OpenTest : public MeasurementEvents {
  public:
    explicit OpenTest(MeasurementRows& rows);

    const MirrorParameters& parameters() const { return parameters_; }
    const ZoneGeometry& geometry() const { return geometry_; }
    const Readings& readings() const { return readings_; }
    const ReductionResult& result() const { return result_; }
    bool isReduced() const { return isReduced_; }
    bool autoRadii() const { return autoRadii_; }
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

    // An entry of the origin-zone list chosen, or an index from a file; kept unchecked.
    void setReductionZoneIndex(int index);
    // Row `row` (1 for H1) of the zone-radius editor selected: the parabola zone of the test
    // and of the current measurement row.
    void selectParabolaZone(int row);
    // The k field left: k goes into the current measurement row.
    void leaveK();
    // A radius typed into the editor and accepted; the geometry follows on UpdateZoneGeometry.
    void setZoneRadius(int index, double value);
    // Radii from a project file, at least ZoneCount of them; the geometry follows at once.
    void setZoneRadii(const std::vector<double>& radii);
    // "Auto-definir raios externos das zonas.": takes effect at the next FillZoneRadiusList.
    void setAutoRadii(bool on) { autoRadii_ = on; }
    // The format of the result rows of the table of variables, for later reductions.
    void setFractionalFormat(std::string format) { fractionalFormat_ = std::move(format); }
    // Used for every text formatted from now on.
    void setSeparators(Separators separators) { separators_ = std::move(separators); }

    void ResetToDefaults();
    void RebuildForZoneCount();
    void ResizeZoneArrays();
    void FillZoneRadiusList();
    void UpdateDerivedValues();
    void UpdateZoneGeometry();
    // Reduces the current measurement row. On a failure (a missing reading column, a
    // floating-point fault) the test is reset to its defaults and ReductionFailed is thrown.
    // A fractional format that takes no number throws FormatError and leaves the table as it
    // was.
    void ReduceData();

    // Observers are not owned and must outlive their registration.
    void addObserver(OpenTestObserver* observer);
    void removeObserver(OpenTestObserver* observer);

    int newRowDefaults() override;
    void measurementDataChanged() override;

  private:
    // Stores a value into a scalar as its field would; true when the field's text changed.
    bool storeField(long double& slot, long double value, TestChange change);
    void setParabolaZoneIndex(long double index);
    void setPeakErrorTexts(PeakErrorTexts texts);
    void readCurrentReadings();
    void computeCurrentReduction();
    void BuildReductionTableColumns();
    void FillReductionTable();
    void FillChartDatasets();
    void notify(TestChange change);

    MeasurementRows& rows_;
    MirrorParameters parameters_;
    long double zoneCountField_ = 1;
    ZoneGeometry geometry_;
    Readings readings_;
    ReductionResult result_;
    PeakErrorTexts peakErrorTexts_;
    ReductionTableCells tableCells_;
    ChartDatasets datasets_;
    bool isReduced_ = false;
    bool autoRadii_ = true;
    std::string fractionalFormat_ = "%.9f";
    Separators separators_;
    std::vector<OpenTestObserver*> observers_;
};

}  // namespace zelvaro
