#include "ui/charts/series_binding.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "format/format_pattern.h"

namespace zelvaro {

namespace {

double FieldOf(const WavefrontRecord& record, std::string_view field) {
    if (field == "Hx") return record.Hx;
    if (field == "y") return record.y;
    if (field == "yParabola") return record.yParabola;
    if (field == "Reducao") return record.Reducao;
    throw std::invalid_argument("dtstFrenteOnda has no field " + std::string(field));
}

double FieldOf(const AberrationRecord& record, std::string_view field) {
    if (field == "Hx") return record.Hx;
    if (field == "Hm") return record.Hm;
    if (field == "TAf") return record.TAf;
    if (field == "TAfp") return record.TAfp;
    if (field == "ToleranciaMaxima") return record.ToleranciaMaxima;
    if (field == "Desvio") return record.Desvio;
    if (field == "ToleranciaMinima") return record.ToleranciaMinima();
    if (field == "Minimo") return record.Minimo();
    if (field == "Maximo") return record.Maximo();
    throw std::invalid_argument("dtstGraficos has no field " + std::string(field));
}

template <std::size_t N>
std::string_view DisplayFormatOf(const std::array<DatasetField, N>& fields,
                                 std::string_view field) {
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [field](const DatasetField& f) { return f.name == field; });
    if (found == fields.end()) throw std::invalid_argument("no field " + std::string(field));
    return found->displayFormat;
}

template <typename Record, std::size_t N>
std::vector<ChartPoint> PointsOfRecords(const FieldBinding& binding,
                                        const ChartDataset<Record>& dataset,
                                        const std::array<DatasetField, N>& fields,
                                        const Separators& separators) {
    const std::string_view labelFormat = binding.labelField.empty()
                                             ? std::string_view()
                                             : DisplayFormatOf(fields, binding.labelField);
    std::vector<ChartPoint> points;
    if (!dataset.open) return points;
    points.reserve(dataset.records.size());
    for (const Record& record : dataset.records) {
        ChartPoint point{FieldOf(record, binding.xField), FieldOf(record, binding.yField), {}};
        // A field without a display format shows its value in general form, which is what an
        // empty pattern gives.
        if (!binding.labelField.empty()) {
            point.label =
                FormatPattern(labelFormat, FieldOf(record, binding.labelField), separators);
        }
        points.push_back(std::move(point));
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
    return points;
}

}  // namespace

std::vector<ChartPoint> PointsOf(const FieldBinding& binding, const ChartDatasets& datasets,
                                 const Separators& separators) {
    if (binding.dataset == ChartDatasetId::dtstFrenteOnda) {
        return PointsOfRecords(binding, datasets.dtstFrenteOnda, WavefrontDatasetFields(),
                               separators);
    }
    return PointsOfRecords(binding, datasets.dtstGraficos, AberrationDatasetFields(), separators);
}

SeriesData::SeriesData(FieldBinding binding) : binding_(binding) {}

SeriesData::SeriesData(SeriesData& source) : source_(&source), points_(source.points_) {
    source.copies_.push_back(this);
}

SeriesData::~SeriesData() {
    if (source_ != nullptr) source_->unlink(this);
    for (SeriesData* copy : copies_) copy->source_ = nullptr;
}

bool SeriesData::carriesLabels() const {
    if (source_ != nullptr) return source_->carriesLabels();
    return binding_ && !binding_->labelField.empty();
}

void SeriesData::rebuild(const ChartDatasets& datasets, const Separators& separators) {
    if (!binding_) return;
    setPoints(PointsOf(*binding_, datasets, separators));
}

void SeriesData::setPoints(std::vector<ChartPoint> points) {
    points_ = std::move(points);
    for (SeriesData* copy : copies_) copy->setPoints(points_);
}

void SeriesData::unlink(SeriesData* copy) {
    copies_.erase(std::remove(copies_.begin(), copies_.end(), copy), copies_.end());
}

}  // namespace zelvaro
