#pragma once

#include <qcustomplot.h>

namespace zelvaro {

// The grid of a horizontal axis, drawn as QCPGrid draws it but with each pixel column's line
// drawn once: a thousand ticks on a few hundred columns would draw the same opaque line over
// itself again and again.
class ColumnGrid : public QCPGrid {
    Q_OBJECT

  public:
    explicit ColumnGrid(QCPAxis* parentAxis);

  protected:
    void draw(QCPPainter* painter) override;

  private:
    int drawZeroLine(QCPPainter* painter) const;
    void drawLine(QCPPainter* painter, double x) const;
};

}  // namespace zelvaro
