#pragma once

#include <qcustomplot.h>

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QVector>

#include "ui/charts/line_layouts.h"

namespace zelvaro {

// The value marks of one series: above each point a light-yellow framed box with the point's
// value, joined to the point by a short connector. All marks are one layerable drawn from the
// points, so a series of a thousand points costs no thousand plot items; a mark may reach
// beyond the axis rectangle, and one wholly outside the widget is not drawn.
class ValueMarks : public QCPLayerable {
    Q_OBJECT

  public:
    ValueMarks(QCPAxis* keyAxis, QCPAxis* valueAxis, QFont font, QColor background);

    // One text per point, in the points' order.
    void setMarks(QVector<QPointF> points, QStringList texts);
    void clear();
    const QStringList& texts() const { return texts_; }

  protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

  private:
    QCPAxis* keyAxis_;
    QCPAxis* valueAxis_;
    QFont font_;
    QColor background_;
    QVector<QPointF> points_;
    QStringList texts_;
    LineLayouts lines_;
};

}  // namespace zelvaro
