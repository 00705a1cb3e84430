#include <QApplication>
#include <QTest>

#include "chart_drawing_test.h"
#include "chart_rules_test.h"
#include "mirror_chart_test.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zelvaro::ChartRulesTest rules;
    zelvaro::ChartDrawingTest drawing;
    zelvaro::MirrorChartTest charts;
    return QTest::qExec(&rules, argc, argv) | QTest::qExec(&drawing, argc, argv) |
           QTest::qExec(&charts, argc, argv);
}
