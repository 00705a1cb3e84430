#include "ui/charts/column_grid.h"

#include <optional>

namespace zelvaro {

ColumnGrid::ColumnGrid(QCPAxis* parentAxis) : QCPGrid(parentAxis) {}

void ColumnGrid::draw(QCPPainter* painter) {
    if (mParentAxis->orientation() != Qt::Horizontal) {
        QCPGrid::draw(painter);
        return;
    }
    if (mParentAxis->subTicks() && mSubGridVisible) drawSubGridLines(painter);
    const int zeroLine = drawZeroLine(painter);
    applyDefaultAntialiasingHint(painter);
    painter->setPen(mPen);
    // Without antialiasing the painter rounds a line to whole pixels before drawing it, and
    // the same line drawn again in the same opaque pen changes no pixel.
    const bool once = !painter->antialiasing() &&
                      !painter->modes().testFlag(QCPPainter::pmVectorized) &&
                      mPen.color().alpha() == 255;
    const QVector<double> ticks = mParentAxis->tickVector();
    std::optional<int> lastColumn;
    for (int i = 0; i < ticks.size(); ++i) {
        if (i == zeroLine) continue;
        const double x = mParentAxis->coordToPixel(ticks[i]);
        if (once) {
            const int column = qRound(x);
            if (column == lastColumn) continue;
            lastColumn = column;
        }
        drawLine(painter, x);
    }
}

// The zero line, where the range holds zero and it has a pen; returns its tick, or -1.
int ColumnGrid::drawZeroLine(QCPPainter* painter) const {
    const QCPRange range = mParentAxis->range();
    if (mZeroLinePen.style() == Qt::NoPen || range.lower >= 0 || range.upper <= 0) return -1;
    applyAntialiasingHint(painter, mAntialiasedZeroLine, QCP::aeZeroLine);
    painter->setPen(mZeroLinePen);
    const double epsilon = range.size() * 1E-6;
    const QVector<double> ticks = mParentAxis->tickVector();
    for (int i = 0; i < ticks.size(); ++i) {
        if (qAbs(ticks[i]) < epsilon) {
            drawLine(painter, mParentAxis->coordToPixel(ticks[i]));
            return i;
        }
    }
    return -1;
}

void ColumnGrid::drawLine(QCPPainter* painter, double x) const {
    const QRect rect = mParentAxis->axisRect()->rect();
    painter->drawLine(QLineF(x, rect.bottom(), x, rect.top()));
}

}  // namespace zelvaro
