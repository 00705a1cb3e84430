#pragma once

#include <optional>
#include <vector>

#include "ui/charts/chart_description.h"

namespace zelvaro {

struct PixelPoint {
    double x = 0;
    double y = 0;
};

// A series as drawn: its points in pixels, in their order (ascending X), and for bars the
// pixel row of zero and the half width of a bar.
struct DrawnSeries {
    SeriesKind kind = SeriesKind::Line;
    std::vector<PixelPoint> points;
    double zeroY = 0;
    double barHalfWidth = 0;
};

// Half size of a line series' square point marker.
inline constexpr double kMarkerHalfSize = 2;
// How far from a line a press still counts as on it.
inline constexpr double kLineTolerance = 3;

// The point a press hits on one series, if any: on a line series the point whose marker holds
// it, else the left-hand point of the segment under it; on a bar series the bar holding it.
std::optional<int> HitPoint(const DrawnSeries& series, PixelPoint press);

struct SeriesHit {
    int series = 0;
    int point = 0;
};

// The series are tried from the last down, so the one drawn on top wins.
std::optional<SeriesHit> HitSeries(const std::vector<DrawnSeries>& series, PixelPoint press);

}  // namespace zelvaro
