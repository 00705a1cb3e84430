#pragma once

#include <qcustomplot.h>

namespace zelvaro {

// An axis that measures and lays out each tick label text once and keeps them, so a thousand
// labels are not measured anew for the layout, and measured and shaped again for the drawing,
// of every replot; its grid draws each pixel column's line once. Draws as a plain QCPAxis.
class LabelAxis : public QCPAxis {
    Q_OBJECT

  public:
    LabelAxis(QCPAxisRect* axisRect, AxisType type);
};

// Puts a LabelAxis in place of the plot's default bottom axis (xAxis), with its grid and
// layers.
void ReplaceBottomAxis(QCustomPlot& plot);

}  // namespace zelvaro
