#include "ui/charts/value_marks.h"

#include <utility>

namespace zelvaro {

namespace {

// Pixels between a mark's box and its point.
constexpr double kConnectorLength = 8;
// Room left and right of the text inside its box.
constexpr int kTextPadding = 2;

}  // namespace

ValueMarks::ValueMarks(QCPAxis* keyAxis, QCPAxis* valueAxis, QFont font, QColor background)
    : QCPLayerable(keyAxis->parentPlot()),
      keyAxis_(keyAxis),
      valueAxis_(valueAxis),
      font_(std::move(font)),
      background_(std::move(background)) {}

void ValueMarks::setMarks(QVector<QPointF> points, QStringList texts) {
    points_ = std::move(points);
    texts_ = std::move(texts);
}

void ValueMarks::clear() {
    points_.clear();
    texts_.clear();
}

void ValueMarks::applyDefaultAntialiasingHint(QCPPainter* painter) const {
    applyAntialiasingHint(painter, mAntialiased, QCP::aeItems);
}

// Each mark is drawn as a plot text item would be: the box's bottom centre on the connector's
// upper end, its size that of the text plus the padding, rounded to whole pixels the same way.
void ValueMarks::draw(QCPPainter* painter) {
    const QTransform base = painter->transform();
    const QRect visible = base.mapRect(clipRect());
    const QPen black(Qt::black);
    painter->setFont(font_);
    const QFontMetricsF metrics(font_, painter->device());
    const double lineHeight = metrics.height();
    for (int i = 0; i < points_.size(); ++i) {
        const QPointF point(keyAxis_->coordToPixel(points_[i].x()),
                            valueAxis_->coordToPixel(points_[i].y()));
        const QPointF top(point.x(), point.y() - kConnectorLength);
        // The text's whole-pixel bounds centred on 0, as the font metrics would give them.
        const bool plain = LineLayouts::IsPlainLine(texts_[i]);
        const double width =
            plain ? lines_.of(texts_[i], *painter).width : metrics.horizontalAdvance(texts_[i]);
        const QRect textBounds = QRectF(-width / 2, 0, width, lineHeight).toAlignedRect();
        QRect boxRect = textBounds.adjusted(-kTextPadding, 0, kTextPadding, 0);
        const QPoint boxCorner = QPointF(-boxRect.width() / 2.0, -boxRect.height()).toPoint();
        boxRect.moveTopLeft(boxCorner);
        const QPointF baseline(boxCorner.x() + kTextPadding + (textBounds.width() - width) / 2,
                               boxCorner.y() + metrics.ascent());
        QTransform at = base;
        at.translate(top.x(), top.y());
        const bool boxShows = at.mapRect(boxRect.adjusted(-1, -1, 1, 1)).intersects(visible);
        const bool connectorShows =
            base.mapRect(QRectF(top, point).adjusted(-1, -1, 1, 1)).intersects(visible);
        if (!boxShows && !connectorShows) continue;
        painter->setTransform(base);
        painter->setPen(black);
        painter->setBrush(Qt::NoBrush);
        painter->drawLine(QLineF(point, top));
        if (!boxShows) continue;
        painter->setTransform(at);
        painter->setBrush(background_);
        painter->drawRect(boxRect);
        painter->setBrush(Qt::NoBrush);
        if (plain) {
            // Drawn as drawText(baseline, text) would, from the text's kept layout.
            lines_.of(texts_[i], *painter)
                .layout->lineAt(0)
                .draw(painter, QPointF(baseline.x(), boxCorner.y()));
        } else {
            painter->drawText(baseline, texts_[i]);
        }
    }
    painter->setTransform(base);
}

}  // namespace zelvaro
