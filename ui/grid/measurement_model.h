#pragma once

#include <QAbstractTableModel>
#include <QString>

#include "data/local_date_time.h"
#include "data/table_change.h"
#include "ui/grid/date_time_text.h"

namespace zelvaro {

class MeasurementTable;
class Mirror;

// RxDBGrid1's view of the measurement table: Medidas, then one column per zone, one row per
// shown row (the row being inserted included) and the row indicator as vertical header.
//
// The table tells its changes after it made them, so the model keeps the row and column
// counts it last announced and moves them only between the begin and end of an announcement.
// Between a reset of the table and the reset() that follows at the end of the command, the
// counts may be ahead of the table; cells the table no longer has then show nothing.
class MeasurementModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Medidas = 0, FirstZone = 1 };

    // `mirror` gives the user's separators only.
    MeasurementModel(MeasurementTable& table, const Mirror& mirror, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The table's columns or all its rows were replaced.
    void reset();
    // One shown row of the table changed, or only its current row or state; the row
    // indicator follows.
    void apply(const TableChange& change);
    // The user's separators (or locale) changed: every text is written anew.
    void refreshTexts();

    // True while the model announces a change of the table: the view's current row then moves
    // with the rows and is no command of the user.
    bool isApplying() const { return applying_ > 0; }
    // How Medidas shows a date and time.
    QString dateTimeText(const LocalDateTime& value) const { return dateTimeText_(value); }

  signals:
    // The table's current row after a change (-1 when none).
    void tableCurrentRowChanged(int row);
    // A reading typed that is not a number.
    void invalidNumber(const QString& text);
    // The table failed to store a value typed; `message` is the error's text.
    void storeFailed(const QString& message);

  private:
    // A cell of the model that the table still has.
    bool holdsCell(const QModelIndex& index) const;
    QString readingText(int row, int column) const;
    QString indicator(int row) const;
    void announce(const TableChange& change);
    void moveRow(int from, int to);
    void updateIndicator();

    MeasurementTable& table_;
    const Mirror& mirror_;
    int rowCount_ = 0;
    int columnCount_ = 0;
    int indicatorRow_ = -1;
    int applying_ = 0;
    DateTimeText dateTimeText_;
};

}  // namespace zelvaro
