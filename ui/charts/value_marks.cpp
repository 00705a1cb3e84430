#include "ui/charts/value_marks.h"

#include <utility>

#include "ui/charts/pixel_cover.h"

namespace zelvaro {

namespace {

// Pixels between a mark's box and its point.
constexpr double kConnectorLength = 8;
// Room left and right of the text inside its box.
constexpr int kTextPadding = 2;

}  // namespace

ValueMarks::ValueMarks(QCPAxis* keyAxis, QCPAxis* valueAxis, QFont font, QColor background,
                       std::shared_ptr<MarkTexts> texts)
    : QCPLayerable(keyAxis->parentPlot()),
      keyAxis_(keyAxis),
      valueAxis_(valueAxis),
      font_(std::move(font)),
      background_(std::move(background)),
      shared_(std::move(texts)) {}

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
// Where the painter allows it, connector and box are blitted, as they look alike at every
// point, and a text that later boxes hide entirely is left out.
void ValueMarks::draw(QCPPainter* painter) {
    const QTransform base = painter->transform();
    painter->setFont(font_);
    shared_->lines.use(painter->font(), *painter);
    const std::vector<Mark> marks = layOut(*painter, base);
    std::vector<PhaseSprites::Placed> sprites(marks.size());
    std::vector<bool> hidden(marks.size(), false);
    if (PhaseSprites::CanBlit(*painter)) {
        for (std::size_t i = 0; i < marks.size(); ++i) {
            if (marks[i].boxShows) sprites[i] = place(base.map(marks[i].top), marks[i].boxRect);
        }
        hidden = hiddenTexts(*painter, base, marks, sprites);
    }
    for (std::size_t i = 0; i < marks.size(); ++i) {
        drawMark(*painter, base, marks[i], sprites[i], hidden[i]);
    }
    painter->setTransform(base);
}

void ValueMarks::drawMark(QCPPainter& painter, const QTransform& base, const Mark& mark,
                          const PhaseSprites::Placed& sprite, bool textHidden) {
    painter.setTransform(base);
    painter.setPen(QPen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    if (sprite.sprite) {
        sprite.blit(painter);
    } else {
        painter.drawLine(QLineF(mark.point, mark.top));
        if (!mark.boxShows) return;
        painter.setTransform(atTop(base, mark));
        painter.setBrush(background_);
        painter.drawRect(mark.boxRect);
        painter.setBrush(Qt::NoBrush);
    }
    if (textHidden) return;
    painter.setTransform(atTop(base, mark));
    const QString& text = texts_[mark.index];
    if (mark.plain) {
        // Drawn as drawText(baseline, text) would, from the text's kept layout.
        shared_->lines.of(text).layout->lineAt(0).draw(&painter, mark.lineCorner);
    } else {
        painter.drawText(mark.baseline, text);
    }
}

// The marks with any part inside the painter's clip, in the points' order.
std::vector<ValueMarks::Mark> ValueMarks::layOut(const QPainter& painter, const QTransform& base) {
    const QRect visible = base.mapRect(clipRect());
    const QFontMetricsF metrics(font_, painter.device());
    const double lineHeight = metrics.height();
    std::vector<Mark> marks;
    for (int i = 0; i < points_.size(); ++i) {
        Mark mark;
        mark.index = i;
        mark.point = QPointF(keyAxis_->coordToPixel(points_[i].x()),
                             valueAxis_->coordToPixel(points_[i].y()));
        mark.top = QPointF(mark.point.x(), mark.point.y() - kConnectorLength);
        // The text's whole-pixel bounds centred on 0, as the font metrics would give them.
        mark.plain = LineLayouts::IsPlainLine(texts_[i]);
        const double width =
            mark.plain ? shared_->lines.of(texts_[i]).width : metrics.horizontalAdvance(texts_[i]);
        const QRect textBounds = QRectF(-width / 2, 0, width, lineHeight).toAlignedRect();
        mark.boxRect = textBounds.adjusted(-kTextPadding, 0, kTextPadding, 0);
        const QPoint boxCorner =
            QPointF(-mark.boxRect.width() / 2.0, -mark.boxRect.height()).toPoint();
        mark.boxRect.moveTopLeft(boxCorner);
        mark.baseline = QPointF(boxCorner.x() + kTextPadding + (textBounds.width() - width) / 2,
                                boxCorner.y() + metrics.ascent());
        mark.lineCorner = QPointF(mark.baseline.x(), boxCorner.y());
        mark.boxShows =
            atTop(base, mark).mapRect(mark.boxRect.adjusted(-1, -1, 1, 1)).intersects(visible);
        const bool connectorShows =
            base.mapRect(QRectF(mark.top, mark.point).adjusted(-1, -1, 1, 1)).intersects(visible);
        if (mark.boxShows || connectorShows) marks.push_back(mark);
    }
    return marks;
}

QTransform ValueMarks::atTop(const QTransform& base, const Mark& mark) {
    QTransform at = base;
    at.translate(mark.top.x(), mark.top.y());
    return at;
}

// The connector up to `top` and the box above it, `top` in device pixels.
PhaseSprites::Placed ValueMarks::place(QPointF top, const QRect& boxRect) {
    const QRect bounds = boxRect.united(QRect(0, 0, 1, int(kConnectorLength) + 1));
    const quint32 shape = (quint32(boxRect.width()) << 16) | quint32(boxRect.height());
    return sprites_.place(shape, bounds, top, [&](QPainter& sprite) {
        sprite.setPen(QPen(Qt::black));
        sprite.drawLine(QLineF(0, kConnectorLength, 0, 0));
        sprite.setBrush(background_);
        sprite.drawRect(boxRect);
    });
}

// The texts whose every pixel the opaque inside of a later box paints over. Going from the
// last mark back, each box adds what it covers for the marks before it.
std::vector<bool> ValueMarks::hiddenTexts(const QPainter& painter, const QTransform& base,
                                          const std::vector<Mark>& marks,
                                          const std::vector<PhaseSprites::Placed>& sprites) {
    std::vector<bool> hidden(marks.size(), false);
    const QRect clip = painter.hasClipping()
                           ? base.mapRect(painter.clipBoundingRect()).toAlignedRect()
                           : QRect(0, 0, painter.device()->width(), painter.device()->height());
    PixelCover cover(clip.adjusted(-1, -1, 1, 1));
    shared_->ink.use(painter);
    for (std::size_t i = marks.size(); i-- > 0;) {
        const Mark& mark = marks[i];
        if (!sprites[i].sprite) continue;
        if (mark.plain) {
            const QString& text = texts_[mark.index];
            const QTextLine line = shared_->lines.of(text).layout->lineAt(0);
            const auto ink = shared_->ink.at(text, line, atTop(base, mark).map(mark.lineCorner));
            hidden[i] = ink && cover.covers(*ink);
        }
        sprites[i].addTo(cover);
    }
    return hidden;
}

}  // namespace zelvaro
