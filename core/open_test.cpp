#include "core/open_test.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "core/compute_reduction.h"
#include "core/field_value.h"
#include "core/math_constants.h"
#include "core/measurement_columns.h"
#include "core/mirror_formulas.h"
#include "core/reduction_errors.h"

namespace zelvaro {

namespace {

constexpr long double kMinZoneCount = 1;
constexpr long double kMaxZoneCount = 999;
constexpr long double kDefaultLambda = 0.00056L;

// The zone-count field's bounds; a not-a-number is left for the field's reading to refuse.
long double BoundZoneCount(long double value) {
    if (value < kMinZoneCount) return kMinZoneCount;
    if (value > kMaxZoneCount) return kMaxZoneCount;
    return value;
}

// A 16-bit index from a wider number, saturating rather than wrapping.
std::int16_t ToIndex(long double value) {
    constexpr long double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr long double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) return 0;
    return static_cast<std::int16_t>(std::clamp(std::trunc(value), lowest, highest));
}

}  // namespace

OpenTest::OpenTest(MeasurementRows& rows) : rows_(rows) {
    ResizeZoneArrays();
    ClearReductionArrays(result_, parameters_.ZoneCount);
    tableCells_ = EmptyReductionTableCells(parameters_.ZoneCount);
}

std::vector<ReductionTableColumn> OpenTest::reductionTableColumns() const {
    return ReductionTableColumns(parameters_.ZoneCount, separators_);
}

std::vector<ZoneRadiusEntry> OpenTest::zoneRadiusList() const {
    return ZoneRadiusEntries(geometry_.Hx, separators_);
}

std::vector<std::string> OpenTest::originZoneList() const {
    return OriginZoneItems(parameters_.ZoneCount, separators_);
}

int OpenTest::originZoneSelection() const {
    return OriginZoneSelection(parameters_.ReductionZoneIndex, parameters_.ZoneCount);
}

bool OpenTest::storeField(long double& slot, long double value, TestChange change) {
    const long double held = AsFieldValue(value);
    if (held == slot) return false;
    slot = held;
    notify(change);
    return true;
}

void OpenTest::setD(long double value) {
    if (!storeField(parameters_.D, value, TestChange::D)) return;
    UpdateDerivedValues();
    FillZoneRadiusList();
    UpdateZoneGeometry();
}

void OpenTest::setR(long double value) {
    if (!storeField(parameters_.R, value, TestChange::R)) return;
    UpdateDerivedValues();
    UpdateZoneGeometry();
}

void OpenTest::setZoneCount(long double value) {
    const long double held = BoundZoneCount(AsFieldValue(BoundZoneCount(value)));
    if (held == zoneCountField_) return;
    zoneCountField_ = held;
    parameters_.ZoneCount = static_cast<std::int16_t>(std::trunc(held));
    notify(TestChange::ZoneCount);
    ResizeZoneArrays();
    RebuildForZoneCount();
}

void OpenTest::setLambda(long double value) {
    if (!storeField(parameters_.Lambda, value, TestChange::Lambda)) return;
    UpdateDerivedValues();
    UpdateZoneGeometry();
}

void OpenTest::setB(long double value) {
    if (storeField(parameters_.b, value, TestChange::b)) UpdateZoneGeometry();
}

void OpenTest::setK(long double value) {
    if (storeField(parameters_.k, value, TestChange::k)) UpdateZoneGeometry();
}

void OpenTest::setReductionZoneIndex(int index) {
    const std::int16_t stored = ToIndex(index);
    if (stored == parameters_.ReductionZoneIndex) return;
    parameters_.ReductionZoneIndex = stored;
    notify(TestChange::ReductionZoneIndex);
}

void OpenTest::setParabolaZoneIndex(long double index) {
    const std::int16_t stored = ToIndex(index);
    if (stored == parameters_.ParabolaZoneIndex) return;
    parameters_.ParabolaZoneIndex = stored;
    notify(TestChange::ParabolaZoneIndex);
}

void OpenTest::selectParabolaZone(int row) {
    setParabolaZoneIndex(static_cast<long double>(row) - 1);
    rows_.edit();
    rows_.setNumber(kZonaReferenciaField, parameters_.ParabolaZoneIndex);
    rows_.post();
}

void OpenTest::leaveK() {
    // On an empty table edit() inserts a row, whose defaults set k to 0 before it is read.
    rows_.edit();
    rows_.setNumber(kConstanteKField, static_cast<double>(parameters_.k));
    rows_.post();
}

void OpenTest::setZoneRadius(int index, double value) {
    geometry_.Hx.at(index) = value;
}

void OpenTest::setZoneRadii(const std::vector<double>& radii) {
    if (radii.size() < geometry_.Hx.size()) {
        throw std::invalid_argument("fewer radii than zones");
    }
    std::copy_n(radii.begin(), geometry_.Hx.size(), geometry_.Hx.begin());
    notify(TestChange::ZoneRadiusList);
    UpdateZoneGeometry();
}

void OpenTest::setPeakErrorTexts(PeakErrorTexts texts) {
    if (texts == peakErrorTexts_) return;
    peakErrorTexts_ = std::move(texts);
    notify(TestChange::PeakErrorTexts);
}

void OpenTest::ResetToDefaults() {
    setD(0);
    setR(0);
    setLambda(kDefaultLambda);
    setZoneCount(1);
    setB(-1);
    setK(0);
    storeField(result_.Rms, 0, TestChange::Rms);
    storeField(result_.Strehl, 0, TestChange::Strehl);
    result_.PeakError = 0;
    setPeakErrorTexts({});
    ResizeZoneArrays();
    RebuildForZoneCount();
}

void OpenTest::RebuildForZoneCount() {
    CloseChartDatasets(datasets_);
    notify(TestChange::ChartDatasetsClosed);
    UpdateDerivedValues();
    notify(TestChange::OriginZoneList);
    rows_.rebuild(parameters_.ZoneCount);
    notify(TestChange::MeasurementTable);
    BuildReductionTableColumns();
    FillZoneRadiusList();
    UpdateZoneGeometry();
}

void OpenTest::ResizeZoneArrays() {
    const std::size_t n = static_cast<std::size_t>(parameters_.ZoneCount);
    geometry_.Hx.assign(n, 0.0);
    geometry_.Hm.assign(n, 0.0);
    geometry_.Ac.assign(n, 0.0);
    readings_.resize(n);
}

void OpenTest::FillZoneRadiusList() {
    for (std::size_t z = geometry_.Hx.size(); z >= 1; --z) {
        const int index = static_cast<int>(z - 1);
        geometry_.Hx[z - 1] =
            autoRadii_ ? static_cast<double>(CalcAutoRadius(index, parameters_.Az)) : 0.0;
    }
    notify(TestChange::ZoneRadiusList);
}

void OpenTest::UpdateDerivedValues() {
    MirrorParameters& m = parameters_;
    storeField(m.f, m.R / 2, TestChange::f);
    storeField(m.fD, m.D != 0 ? m.f / m.D : 0.0L, TestChange::fD);
    storeField(m.At, (m.D / 2) * (m.D / 2) * kPi, TestChange::At);
    storeField(m.Az, m.ZoneCount != 0 ? m.At / m.ZoneCount : 0.0L, TestChange::Az);
    storeField(m.p, CalcDiffractionRadius(m.Lambda, m.fD), TestChange::p);
}

void OpenTest::UpdateZoneGeometry() {
    ComputeMeanRadiiAndIdealReadings(geometry_, parameters_.R, parameters_.b);
}

void OpenTest::BuildReductionTableColumns() {
    ClearReductionArrays(result_, parameters_.ZoneCount);
    tableCells_ = EmptyReductionTableCells(parameters_.ZoneCount);
    notify(TestChange::ReductionTableColumns);
}

void OpenTest::readCurrentReadings() {
    // An empty cell, or no current row at all, reads as 0.
    for (int zone = 1; zone <= parameters_.ZoneCount; ++zone) {
        readings_[zone - 1] = rows_.number(ReadingColumnName(zone)).value_or(0.0);
    }
}

void OpenTest::computeCurrentReduction() {
    readCurrentReadings();
    ReductionResult computed = ComputeReduction(parameters_, geometry_, readings_);
    const long double rms = computed.Rms;
    const long double strehl = computed.Strehl;
    computed.Rms = result_.Rms;
    computed.Strehl = result_.Strehl;
    result_ = std::move(computed);
    storeField(result_.Rms, rms, TestChange::Rms);
    storeField(result_.Strehl, strehl, TestChange::Strehl);
    setPeakErrorTexts(FormatPeakError(result_.PeakError, separators_));
}

void OpenTest::ReduceData() {
    if (!rows_.isBrowsing()) rows_.post();
    try {
        computeCurrentReduction();
    } catch (const std::exception& error) {
        ResetToDefaults();
        throw ReductionFailed(error.what());
    }
    FillReductionTable();
    FillChartDatasets();
    isReduced_ = true;
}

void OpenTest::FillReductionTable() {
    tableCells_ =
        ReductionTableTexts(result_, geometry_, readings_, fractionalFormat_, separators_);
    notify(TestChange::ReductionTableCells);
}

void OpenTest::FillChartDatasets() {
    datasets_ = ChartDatasetsOf(result_, geometry_);
    notify(TestChange::ChartDatasetsFilled);
}

int OpenTest::newRowDefaults() {
    const int parabolaZone = parameters_.ParabolaZoneIndex;
    setK(0);
    return parabolaZone;
}

void OpenTest::measurementDataChanged() {
    if (rows_.isBrowsing()) {
        setK(rows_.number(kConstanteKField).value_or(0.0));
        setParabolaZoneIndex(rows_.number(kZonaReferenciaField).value_or(0.0));
    }
    isReduced_ = false;
}

void OpenTest::addObserver(OpenTestObserver* observer) {
    observers_.push_back(observer);
}

void OpenTest::removeObserver(OpenTestObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void OpenTest::notify(TestChange change) {
    // A handler may add or remove observers while it is told.
    const std::vector<OpenTestObserver*> observers = observers_;
    for (OpenTestObserver* observer : observers) observer->testChanged(change);
}

}  // namespace zelvaro
