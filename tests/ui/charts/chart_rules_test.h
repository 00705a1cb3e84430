#pragma once

#include <QObject>

namespace zelvaro {

// The rules a chart follows that need no chart: hit-testing, the rubber band, tick labels and
// the descriptions' bindings; and the bottom axis drawing as QCustomPlot's own.
class ChartRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void rubberBand_data();
    void rubberBand();
    void hitSeries_data();
    void hitSeries();
    void tickLabels_data();
    void tickLabels();
    void tickerFeedsTheAxis();
    void labelAxisDrawsAsThePlainAxis_data();
    void labelAxisDrawsAsThePlainAxis();
    void everyBindingNamesFieldsOfItsDataset();
    void valueSeriesAreTheOnesTheMarksSwitchTurns();
};

}  // namespace zelvaro
