#pragma once

#include <QObject>

namespace zelvaro {

// The four charts over a real project, and the chart as a user drives it.
class MirrorChartTest : public QObject {
    Q_OBJECT

  private slots:
    void emptyBeforeAnyReduction();
    void seriesAfterReduction_data();
    void seriesAfterReduction();
    void bottomAxisShowsTheLabels();
    void toleranceBandIsSymmetric();
    void emptyAfterZoneCountChange();
    void linkedCopyFollowsItsSource();
    void linkedCopiesRedrawOncePerRebuild();
    void marksSwitchPersistsAcrossRebuilds();
    void valueFormatReachesTheMarks();
    void pressReadsTheValue_data();
    void pressReadsTheValue();
    void pressOffTheSeriesKeepsTheHint();
    void rubberBandZoomsAndRestores();
    void resultsChartFollowsItsMainChart_data();
    void resultsChartFollowsItsMainChart();
    void resultsMarksIgnoreTheMainSwitch();
    void copyMarksReadAsTheirOwnFormatSays_data();
    void copyMarksReadAsTheirOwnFormatSays();
    void pressOnASeries_data();
    void pressOnASeries();
    void rightClickReachesTheHoldersMenu_data();
    void rightClickReachesTheHoldersMenu();
    void resultsLeftAxisHasItsOwnFormat_data();
    void resultsLeftAxisHasItsOwnFormat();
};

}  // namespace zelvaro
