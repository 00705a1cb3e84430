#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>
#include <optional>

#include "data/project.h"
#include "tests/project/project_fixture.h"
#include "ui/grid/measurement_grid.h"
#include "ui/grid/measurement_model.h"
#include "ui/model_signals.h"
#include "ui/user_dialogs.h"

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(zelvaro::MeasurementTable::State)

namespace zelvaro {

// Dialogs that answer nothing and remember every error report.
class RecordingDialogs : public UserDialogs {
  public:
    Answer askYesNoCancel(const QString&) override { return Answer::Cancel; }
    bool askYesNo(const QString&) override { return false; }
    void inform(const QString&) override {}
    void message(const QString&) override {}
    void reportError(const QString& text) override { reports.append(text); }
    std::optional<QString> openFileName(const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFileName(const QString&, const QString&) override { return {}; }
    void printerSetup(QPrinter&) override {}
    bool choosePrinter(QPrinter&) override { return false; }

    QStringList reports;
};

// The bridge wired to the grid's model as the main window wires it.
inline void wireModel(ModelSignals& bridge, MeasurementModel& model) {
    QObject::connect(&bridge, &ModelSignals::changed, &model, [&model](const ModelChanges& c) {
        if (c.tableReset) model.reset();
    });
    QObject::connect(&bridge, &ModelSignals::rowChanged, &model, &MeasurementModel::apply);
}

// A window holding the grid and, below it, another control to move the focus to.
struct GridWindow {
    explicit GridWindow(int zones) {
        project.mirror().setD(150);
        project.mirror().setR(1200);
        project.mirror().setZoneCount(zones);
        auto* layout = new QVBoxLayout(&window);
        grid = new MeasurementGrid(project, dialogs, &window);
        grid->setObjectName(QStringLiteral("RxDBGrid1"));
        other = new QLineEdit(&window);
        layout->addWidget(grid);
        layout->addWidget(other);
        wireModel(bridge, grid->measurementModel());
        window.resize(500, 300);
    }

    // Shown, active, with the focus in the grid.
    bool showFocused() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
        grid->setFocus();
        return grid->hasFocus();
    }

    // Posted rows whose readings are row + zone / 10.
    void addRows(int rows) {
        MeasurementTable& table = project.table();
        for (int row = 0; row < rows; ++row) {
            table.append();
            for (int zone = 0; zone < table.schema().zoneCount(); ++zone)
                table.setNumber(TableSchema::zoneColumn(zone), row + zone / 10.0);
            table.post();
        }
    }

    MeasurementModel& model() { return grid->measurementModel(); }
    MeasurementTable& table() { return project.table(); }
    QString text(int row, int column) {
        return model().data(model().index(row, column)).toString();
    }

    RecordingDialogs dialogs;
    Project project{Separators::brazilian(), &fixedClock};
    ModelSignals bridge{project};
    QWidget window;
    MeasurementGrid* grid = nullptr;
    QLineEdit* other = nullptr;
};

}  // namespace zelvaro
