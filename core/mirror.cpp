#include "core/mirror.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "core/compute_reduction.h"
#include "core/field_value.h"
#include "core/math_constants.h"
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

Mirror::Command::Command(Mirror& mirror) : mirror_(mirror) {
    ++mirror_.commandDepth_;
}

Mirror::Command::~Command() {
    mirror_.endCommand();
}

void Mirror::endCommand() {
    if (--commandDepth_ > 0) return;
    const std::vector<MirrorObserver*> observers = observers_;
    for (MirrorObserver* observer : observers) observer->commandEnded();
}

Mirror::Mirror(MeasurementRows& rows) : rows_(rows) {
    ResizeZoneArrays();
    ClearReductionArrays(result_, parameters_.ZoneCount);
    tableCells_ = EmptyReductionTableCells(parameters_.ZoneCount);
}

std::vector<ReductionTableColumn> Mirror::reductionTableColumns() const {
    return ReductionTableColumns(parameters_.ZoneCount, separators_);
}

std::vector<ZoneRadiusEntry> Mirror::zoneRadiusList() const {
    return ZoneRadiusEntries(geometry_.Hx, separators_);
}

std::vector<std::string> Mirror::originZoneList() const {
    return OriginZoneItems(parameters_.ZoneCount, separators_);
}

int Mirror::originZoneSelection() const {
    return OriginZoneSelection(parameters_.ReductionZoneIndex, parameters_.ZoneCount);
}

long double Mirror::fieldValue(MirrorField field) const {
    const MirrorParameters& m = parameters_;
    switch (field) {
        case MirrorField::D:
            return m.D;
        case MirrorField::R:
            return m.R;
        case MirrorField::ZoneCount:
            return zoneCountField_;
        case MirrorField::Lambda:
            return m.Lambda;
        case MirrorField::b:
            return m.b;
        case MirrorField::k:
            return m.k;
        case MirrorField::f:
            return m.f;
        case MirrorField::fD:
            return m.fD;
        case MirrorField::At:
            return m.At;
        case MirrorField::Az:
            return m.Az;
        case MirrorField::p:
            return m.p;
        case MirrorField::Rms:
            return result_.Rms;
        case MirrorField::Strehl:
            return result_.Strehl;
    }
    return 0;
}

bool Mirror::storeField(long double& slot, long double value, MirrorChange change) {
    const long double held = AsFieldValue(value);
    if (held == slot) return false;
    slot = held;
    notify(change);
    return true;
}

void Mirror::setD(long double value) {
    const Command command(*this);
    if (!storeField(parameters_.D, value, MirrorChange::D)) return;
    UpdateDerivedValues();
    FillZoneRadiusList();
    UpdateZoneGeometry();
}

void Mirror::setR(long double value) {
    const Command command(*this);
    if (!storeField(parameters_.R, value, MirrorChange::R)) return;
    UpdateDerivedValues();
    UpdateZoneGeometry();
}

void Mirror::setZoneCount(long double value) {
    const Command command(*this);
    const long double held = BoundZoneCount(AsFieldValue(BoundZoneCount(value)));
    if (held == zoneCountField_) return;
    zoneCountField_ = held;
    parameters_.ZoneCount = static_cast<std::int16_t>(std::trunc(held));
    notify(MirrorChange::ZoneCount);
    ResizeZoneArrays();
    RebuildForZoneCount();
}

void Mirror::setLambda(long double value) {
    const Command command(*this);
    if (!storeField(parameters_.Lambda, value, MirrorChange::Lambda)) return;
    UpdateDerivedValues();
    UpdateZoneGeometry();
}

void Mirror::setB(long double value) {
    const Command command(*this);
    if (storeField(parameters_.b, value, MirrorChange::b)) UpdateZoneGeometry();
}

void Mirror::setK(long double value) {
    const Command command(*this);
    if (storeField(parameters_.k, value, MirrorChange::k)) UpdateZoneGeometry();
}

void Mirror::setMovingSource(bool moving) {
    const Command command(*this);
    const TesterType tester = moving ? TesterType::MovingSource : TesterType::FixedSource;
    if (tester == parameters_.Tester) return;
    parameters_.Tester = tester;
    notify(MirrorChange::TesterType);
    UpdateZoneGeometry();
}

void Mirror::setReductionZoneIndex(int index) {
    const Command command(*this);
    const std::int16_t stored = ToIndex(index);
    if (stored == parameters_.ReductionZoneIndex) return;
    parameters_.ReductionZoneIndex = stored;
    notify(MirrorChange::ReductionZoneIndex);
}

void Mirror::setParabolaZoneIndex(long double index) {
    const std::int16_t stored = ToIndex(index);
    if (stored == parameters_.ParabolaZoneIndex) return;
    parameters_.ParabolaZoneIndex = stored;
    notify(MirrorChange::ParabolaZoneIndex);
}

void Mirror::selectParabolaZone(int row) {
    const Command command(*this);
    setParabolaZoneIndex(static_cast<long double>(row) - 1);
    rows_.edit();
    rows_.setParabolaZone(parameters_.ParabolaZoneIndex);
    rows_.post();
}

void Mirror::leaveK() {
    const Command command(*this);
    // On an empty table edit() inserts a row, whose defaults set k to 0 before it is read.
    rows_.edit();
    rows_.setConstantK(static_cast<double>(parameters_.k));
    rows_.post();
}

void Mirror::setField(MirrorField field, long double value) {
    switch (field) {
        case MirrorField::D:
            return setD(value);
        case MirrorField::R:
            return setR(value);
        case MirrorField::ZoneCount:
            return setZoneCount(value);
        case MirrorField::Lambda:
            return setLambda(value);
        case MirrorField::b:
            return setB(value);
        case MirrorField::k:
            return setK(value);
        default:
            throw std::invalid_argument("o campo não é digitado");
    }
}

void Mirror::setZoneRadius(int index, double value) {
    geometry_.Hx.at(index) = value;
}

void Mirror::leaveZoneRadiusEditor() {
    const Command command(*this);
    notify(MirrorChange::ZoneRadiusList);
    UpdateZoneGeometry();
}

void Mirror::loadHeader(const MirrorHeader& header) {
    const Command command(*this);
    ResizeZoneArrays();
    setD(header.D);
    setR(header.R);
    setZoneCount(header.zoneCount);
    setLambda(header.Lambda);
    setB(header.b);
    setMovingSource(header.tester == TesterType::MovingSource);
    setReductionZoneIndex(header.reductionZoneIndex);
    RebuildForZoneCount();
}

void Mirror::setSeparators(Separators separators) {
    const Command command(*this);
    if (separators == separators_) return;
    separators_ = std::move(separators);
    if (!peakErrorTexts_.waves.empty()) {
        peakErrorTexts_ = FormatPeakError(result_.PeakError, separators_);
    }
    if (tableFilled_) {
        tableCells_ =
            ReductionTableTexts(result_, geometry_, readings_, fractionalFormat_, separators_);
    }
    notify(MirrorChange::Separators);
}

void Mirror::setZoneRadii(const std::vector<double>& radii) {
    const Command command(*this);
    if (radii.size() < geometry_.Hx.size()) {
        throw std::invalid_argument("fewer radii than zones");
    }
    std::copy_n(radii.begin(), geometry_.Hx.size(), geometry_.Hx.begin());
    notify(MirrorChange::ZoneRadiusList);
    UpdateZoneGeometry();
}

void Mirror::setPeakErrorTexts(PeakErrorTexts texts) {
    if (texts == peakErrorTexts_) return;
    peakErrorTexts_ = std::move(texts);
    notify(MirrorChange::PeakErrorTexts);
}

void Mirror::ResetToDefaults() {
    const Command command(*this);
    setD(0);
    setR(0);
    setLambda(kDefaultLambda);
    setZoneCount(1);
    setB(-1);
    setMovingSource(false);
    setK(0);
    storeField(result_.Rms, 0, MirrorChange::Rms);
    storeField(result_.Strehl, 0, MirrorChange::Strehl);
    result_.PeakError = 0;
    setPeakErrorTexts({});
    ResizeZoneArrays();
    RebuildForZoneCount();
}

void Mirror::RebuildForZoneCount() {
    CloseChartDatasets(datasets_);
    notify(MirrorChange::ChartDatasetsClosed);
    UpdateDerivedValues();
    notify(MirrorChange::OriginZoneList);
    rows_.rebuild(parameters_.ZoneCount);
    notify(MirrorChange::MeasurementTable);
    BuildReductionTableColumns();
    FillZoneRadiusList();
    UpdateZoneGeometry();
}

void Mirror::ResizeZoneArrays() {
    const std::size_t n = static_cast<std::size_t>(parameters_.ZoneCount);
    geometry_.Hx.assign(n, 0.0);
    geometry_.Hm.assign(n, 0.0);
    geometry_.Ac.assign(n, 0.0);
    readings_.resize(n);
}

void Mirror::FillZoneRadiusList() {
    for (std::size_t z = geometry_.Hx.size(); z >= 1; --z) {
        const int index = static_cast<int>(z - 1);
        geometry_.Hx[z - 1] =
            autoRadii_ ? static_cast<double>(CalcAutoRadius(index, parameters_.Az)) : 0.0;
    }
    notify(MirrorChange::ZoneRadiusList);
}

void Mirror::UpdateDerivedValues() {
    MirrorParameters& m = parameters_;
    storeField(m.f, m.R / 2, MirrorChange::f);
    storeField(m.fD, m.D != 0 ? m.f / m.D : 0.0L, MirrorChange::fD);
    storeField(m.At, (m.D / 2) * (m.D / 2) * kPi, MirrorChange::At);
    storeField(m.Az, m.ZoneCount != 0 ? m.At / m.ZoneCount : 0.0L, MirrorChange::Az);
    storeField(m.p, CalcDiffractionRadius(m.Lambda, m.fD), MirrorChange::p);
}

void Mirror::UpdateZoneGeometry() {
    ComputeMeanRadiiAndIdealReadings(geometry_, parameters_.R, parameters_.b, parameters_.Tester);
}

void Mirror::BuildReductionTableColumns() {
    ClearReductionArrays(result_, parameters_.ZoneCount);
    tableCells_ = EmptyReductionTableCells(parameters_.ZoneCount);
    tableFilled_ = false;
    notify(MirrorChange::ReductionTableColumns);
}

void Mirror::readCurrentReadings() {
    // An empty cell, or no current row at all, reads as 0.
    for (int zone = 1; zone <= parameters_.ZoneCount; ++zone) {
        readings_[zone - 1] = rows_.reading(zone).value_or(0.0);
    }
}

void Mirror::computeCurrentReduction() {
    readCurrentReadings();
    const long double shownRms = result_.Rms;
    const long double shownStrehl = result_.Strehl;
    result_ = ComputeReduction(parameters_, geometry_, readings_);
    if (result_.Rms != shownRms) notify(MirrorChange::Rms);
    if (result_.Strehl != shownStrehl) notify(MirrorChange::Strehl);
    setPeakErrorTexts(FormatPeakError(result_.PeakError, separators_));
}

void Mirror::ReduceData() {
    const Command command(*this);
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

void Mirror::FillReductionTable() {
    tableCells_ =
        ReductionTableTexts(result_, geometry_, readings_, fractionalFormat_, separators_);
    tableFilled_ = true;
    notify(MirrorChange::ReductionTableCells);
}

void Mirror::FillChartDatasets() {
    datasets_ = ChartDatasetsOf(result_, geometry_);
    notify(MirrorChange::ChartDatasetsFilled);
}

int Mirror::newRowDefaults() {
    const Command command(*this);
    const int parabolaZone = parameters_.ParabolaZoneIndex;
    setK(0);
    return parabolaZone;
}

void Mirror::measurementDataChanged() {
    const Command command(*this);
    if (rows_.isBrowsing()) {
        setK(rows_.constantK().value_or(0.0));
        setParabolaZoneIndex(rows_.parabolaZone().value_or(0.0));
    }
    isReduced_ = false;
}

void Mirror::addObserver(MirrorObserver* observer) {
    observers_.push_back(observer);
}

void Mirror::removeObserver(MirrorObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Mirror::notify(MirrorChange change) {
    // A handler may add or remove observers while it is told.
    const std::vector<MirrorObserver*> observers = observers_;
    for (MirrorObserver* observer : observers) observer->mirrorChanged(change);
}

}  // namespace zelvaro
