#include "ui/charts/point_hit.h"

#include <algorithm>
#include <cmath>

namespace zelvaro {

namespace {

bool OnMarker(PixelPoint point, PixelPoint press) {
    return std::abs(press.x - point.x) <= kMarkerHalfSize &&
           std::abs(press.y - point.y) <= kMarkerHalfSize;
}

double DistanceToSegment(PixelPoint a, PixelPoint b, PixelPoint p) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0;
    if (lengthSquared > 0) {
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
    }
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

std::optional<int> HitLine(const std::vector<PixelPoint>& points, PixelPoint press) {
    const int count = static_cast<int>(points.size());
    for (int i = 0; i < count; ++i) {
        if (OnMarker(points[i], press)) return i;
    }
    for (int i = 0; i + 1 < count; ++i) {
        if (DistanceToSegment(points[i], points[i + 1], press) <= kLineTolerance) return i;
    }
    return std::nullopt;
}

std::optional<int> HitBar(const DrawnSeries& series, PixelPoint press) {
    const int count = static_cast<int>(series.points.size());
    for (int i = 0; i < count; ++i) {
        const PixelPoint top = series.points[i];
        const bool across = std::abs(press.x - top.x) <= series.barHalfWidth;
        const bool along =
            press.y >= std::min(top.y, series.zeroY) && press.y <= std::max(top.y, series.zeroY);
        if (across && along) return i;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> HitPoint(const DrawnSeries& series, PixelPoint press) {
    return series.kind == SeriesKind::Bar ? HitBar(series, press) : HitLine(series.points, press);
}

std::optional<SeriesHit> HitSeries(const std::vector<DrawnSeries>& series, PixelPoint press) {
    for (int index = static_cast<int>(series.size()) - 1; index >= 0; --index) {
        if (const std::optional<int> point = HitPoint(series[index], press)) {
            return SeriesHit{index, *point};
        }
    }
    return std::nullopt;
}

}  // namespace zelvaro
