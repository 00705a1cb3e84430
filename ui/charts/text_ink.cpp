#include "ui/charts/text_ink.h"

#include <QImage>
#include <QPainter>
#include <QTextLine>
#include <algorithm>
#include <cmath>

namespace zelvaro {

namespace {

// Where the scratch drawing puts a line's corner, with room all round.
constexpr int kRoom = 16;
// Beyond this many texts the kept extents are dropped.
constexpr int kKeptTexts = 4096;
// A position this close to a whole pixel may be taken for either side of it.
constexpr double kUncertain = 1e-6;

bool NearWhole(double value) {
    return std::abs(value - std::round(value)) < kUncertain;
}

// The bounds of the pixels with ink.
QRect InkOf(const QImage& image) {
    const int width = image.width();
    int left = width;
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int first = 0;
        while (first < width && qAlpha(row[first]) == 0) ++first;
        if (first == width) continue;
        int last = width - 1;
        while (qAlpha(row[last]) == 0) --last;
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0) top = y;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

void TextInk::use(const QPainter& painter) {
    if (painter.font() != font_ || painter.renderHints() != hints_) {
        extents_.clear();
        font_ = painter.font();
        hints_ = painter.renderHints();
    }
}

std::optional<QRect> TextInk::at(const QString& text, const QTextLine& line, QPointF corner) {
    // Glyphs go to the pixel row the baseline rounds to.
    const double baseline = corner.y() + line.ascent() + 0.5;
    if (corner.x() < 0 || corner.y() < 0 || NearWhole(corner.x()) || NearWhole(baseline)) {
        return std::nullopt;
    }
    if (extents_.size() >= kKeptTexts) extents_.clear();
    auto found = extents_.constFind(text);
    if (found == extents_.constEnd()) found = extents_.insert(text, extentOf(line));
    return found->translated(int(std::floor(corner.x())), int(std::floor(baseline)));
}

// Relative to the corner's whole pixel column and the baseline's pixel row. Drawn at the left
// edge of a pixel; further right within it every glyph lands at most one column further.
QRect TextInk::extentOf(const QTextLine& line) {
    const QSize size(int(std::ceil(line.naturalTextWidth())) + 2 * kRoom,
                     int(std::ceil(line.height())) + 2 * kRoom);
    if (scratch_.width() < size.width() || scratch_.height() < size.height()) {
        scratch_ = QImage(size.expandedTo(scratch_.size()), QImage::Format_ARGB32_Premultiplied);
    }
    scratch_.fill(Qt::transparent);
    QPainter drawing(&scratch_);
    drawing.setRenderHints(hints_);
    drawing.setFont(font_);
    drawing.setPen(Qt::black);
    line.draw(&drawing, QPointF(kRoom, kRoom));
    drawing.end();
    const QRect ink = InkOf(scratch_).adjusted(0, 0, 1, 0);
    return ink.translated(-kRoom, -int(std::floor(kRoom + line.ascent() + 0.5)));
}

}  // namespace zelvaro
