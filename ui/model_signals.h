#pragma once

#include <QObject>
#include <bitset>

#include "core/mirror_observer.h"
#include "data/project.h"
#include "data/table_change.h"

namespace zelvaro {

// Everything one command changed in the project.
struct ModelChanges {
    std::bitset<kMirrorChangeCount> mirror;
    bool tableReset = false;  // the measurement table's columns or all its rows replaced
    bool tableData = false;   // its current row, state or any value changed

    bool has(MirrorChange change) const { return mirror.test(static_cast<std::size_t>(change)); }
    bool any() const { return mirror.any() || tableReset || tableData; }
};

// The one bridge from the project to the windows: it hears every change of the mirror model
// and of the measurement table, merges them per command and tells the views once, at the end
// of the command, so that opening a file refreshes each view once and not once per change.
// Single rows of the table are told at once as well (a table model must announce them as
// they happen), except after a reset in the same command, which covers them.
class ModelSignals : public QObject, private MirrorObserver, private MeasurementTableObserver {
    Q_OBJECT

  public:
    explicit ModelSignals(Project& project, QObject* parent = nullptr);
    ~ModelSignals() override;
    ModelSignals(const ModelSignals&) = delete;
    ModelSignals& operator=(const ModelSignals&) = delete;

  signals:
    void changed(const zelvaro::ModelChanges& changes);
    void rowChanged(const zelvaro::TableChange& change);

  private:
    void mirrorChanged(MirrorChange change) override;
    void commandEnded() override;
    void tableChanged(const TableChange& change) override;
    void flush();

    Project& project_;
    ModelChanges pending_;
};

}  // namespace zelvaro

Q_DECLARE_METATYPE(zelvaro::ModelChanges)
Q_DECLARE_METATYPE(zelvaro::TableChange)
