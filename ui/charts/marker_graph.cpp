#include "ui/charts/marker_graph.h"

#include <cmath>

namespace zelvaro {

MarkerGraph::MarkerGraph(QCPAxis* keyAxis, QCPAxis* valueAxis) : QCPGraph(keyAxis, valueAxis) {}

// A square is drawn as QCPScatterStyle draws it, centred on the point.
void MarkerGraph::drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& scatters,
                                  const QCPScatterStyle& style) const {
    applyScattersAntialiasingHint(painter);
    if (style.shape() != QCPScatterStyle::ssSquare || !PhaseSprites::CanBlit(*painter)) {
        QCPGraph::drawScatterPlot(painter, scatters, style);
        return;
    }
    const double size = style.size();
    const int reach = int(std::ceil(size / 2)) + 1;
    const QRect bounds(-reach, -reach, 2 * reach + 1, 2 * reach + 1);
    const QTransform toDevice = painter->transform();
    const QPen pen = style.isPenDefined() ? style.pen() : mPen;
    if (pen != spritePen_ || style.brush() != spriteBrush_ || size != spriteSize_) {
        sprites_ = PhaseSprites(kMarkerPhases);
        spritePen_ = pen;
        spriteBrush_ = style.brush();
        spriteSize_ = size;
    }
    const auto square = [&pen, &style, size](QPainter& sprite) {
        sprite.setPen(pen);
        sprite.setBrush(style.brush());
        sprite.drawRect(QRectF(-size / 2, -size / 2, size, size));
    };
    for (const QPointF& at : scatters) sprites_.draw(*painter, 0, bounds, toDevice.map(at), square);
}

}  // namespace zelvaro
