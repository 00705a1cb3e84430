#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace zelvaro {

class Mirror;

// The rows of ValueListEditor1: key "H1" ... "HN" and the outer radius of each zone as text.
// Only values can be selected and edited; keys are labels. A value is stored into the
// mirror's Hx when its text changes and reads as a number with the user's decimal
// separator; any other text is refused and leaves the cell as it was.
class ZoneRadiusModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { KeyColumn, ValueColumn, ColumnCount };

    explicit ZoneRadiusModel(Mirror& mirror, QObject* parent = nullptr);

    // Reads every row anew from the mirror.
    void refill();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // True when the text is the cell's own or a radius that was stored.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  private:
    Mirror& mirror_;
    QStringList keys_;
    QStringList values_;
};

}  // namespace zelvaro
