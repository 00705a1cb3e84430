#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/chart_datasets.h"
#include "format/separators.h"
#include "ui/charts/chart_description.h"

namespace zelvaro {

struct ChartPoint {
    double x = 0;
    double y = 0;
    std::string label;  // empty when the series carries no labels
};

// The points of one series, sorted by ascending X. Its source is either dataset columns or
// another series, which it then follows: whenever the source is rebuilt or emptied, this
// series copies every point of it in order. Knows nothing of how the points are drawn; whoever
// draws them redraws after a rebuild.
class SeriesData {
  public:
    explicit SeriesData(FieldBinding binding);
    explicit SeriesData(SeriesData& source);
    ~SeriesData();
    SeriesData(const SeriesData&) = delete;
    SeriesData& operator=(const SeriesData&) = delete;

    const std::vector<ChartPoint>& points() const { return points_; }
    bool carriesLabels() const;
    bool isLinked() const { return source_ != nullptr; }

    // A series bound to a dataset takes one point per record (none while the dataset is
    // closed); a linked series ignores this and keeps following its source.
    void rebuild(const ChartDatasets& datasets, const Separators& separators);

  private:
    void setPoints(std::vector<ChartPoint> points);
    void unlink(SeriesData* copy);

    std::optional<FieldBinding> binding_;
    SeriesData* source_ = nullptr;
    std::vector<SeriesData*> copies_;
    std::vector<ChartPoint> points_;
};

// The points the columns give for every record of an open dataset (none when it is closed),
// sorted by ascending X; labels are the label field's display texts. Throws
// std::invalid_argument for a field the dataset does not have.
std::vector<ChartPoint> PointsOf(const FieldBinding& binding, const ChartDatasets& datasets,
                                 const Separators& separators);

}  // namespace zelvaro
