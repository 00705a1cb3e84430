#pragma once

#include <qcustomplot.h>

#include "ui/charts/phase_sprites.h"

namespace zelvaro {

// A line graph whose square point markers are blitted where the painter allows it: a thousand
// markers then cost a thousand small blits instead of a thousand rasterised squares. Markers
// line up along a curve, so their sprites are placed to a 32nd of a pixel, and the soft edge of
// a row of them fades as smoothly as drawn.
class MarkerGraph : public QCPGraph {
    Q_OBJECT

    static constexpr int kMarkerPhases = 32;

  public:
    MarkerGraph(QCPAxis* keyAxis, QCPAxis* valueAxis);

  protected:
    void drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& scatters,
                         const QCPScatterStyle& style) const override;

  private:
    // The sprites show squares of this pen, brush and size.
    mutable PhaseSprites sprites_{kMarkerPhases};
    mutable QPen spritePen_;
    mutable QBrush spriteBrush_;
    mutable double spriteSize_ = 0;
};

}  // namespace zelvaro
