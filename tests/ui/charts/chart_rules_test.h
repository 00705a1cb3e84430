#pragma once

#include <QObject>

namespace zelvaro {

// The rules a chart follows that need no chart: hit-testing, the rubber band, tick labels and
// the descriptions' bindings.
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
    void everyBindingNamesFieldsOfItsDataset();
    void valueSeriesAreTheOnesTheMarksSwitchTurns();
};

}  // namespace zelvaro
