#include "ui/radii/zone_radius_model.h"

#include <cmath>
#include <optional>

#include "core/mirror.h"
#include "format/parse_number.h"

namespace zelvaro {

namespace {

// The radius a text names, when it is a number a double holds.
std::optional<double> RadiusFromText(const QString& text, const Separators& separators) {
    const std::optional<long double> number = ParseNumber(text.toStdString(), separators);
    if (!number) return std::nullopt;
    const double radius = static_cast<double>(*number);
    if (!std::isfinite(radius)) return std::nullopt;
    return radius;
}

}  // namespace

ZoneRadiusModel::ZoneRadiusModel(Mirror& mirror, QObject* parent)
    : QAbstractTableModel(parent), mirror_(mirror) {
    refill();
}

void ZoneRadiusModel::refill() {
    beginResetModel();
    keys_.clear();
    values_.clear();
    for (const ZoneRadiusEntry& entry : mirror_.zoneRadiusList()) {
        keys_.append(QString::fromStdString(entry.key));
        values_.append(QString::fromStdString(entry.value));
    }
    endResetModel();
}

int ZoneRadiusModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(values_.size());
}

int ZoneRadiusModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ZoneRadiusModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return index.column() == KeyColumn ? keys_.at(index.row()) : values_.at(index.row());
}

QVariant ZoneRadiusModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case KeyColumn:
            return QStringLiteral("Raios das Zonas (Hx)");
        case ValueColumn:
            return QStringLiteral("Valores");
        default:
            return {};
    }
}

Qt::ItemFlags ZoneRadiusModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // Keys are not even enabled, so that neither the keyboard nor the mouse can make one the
    // current cell; the editor still answers a click on them.
    if (index.column() == KeyColumn) return Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

bool ZoneRadiusModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() != ValueColumn) {
        return false;
    }
    const QString text = value.toString();
    if (text == values_.at(index.row())) return true;
    const std::optional<double> radius = RadiusFromText(text, mirror_.separators());
    if (!radius) return false;
    mirror_.setZoneRadius(index.row(), *radius);
    values_[index.row()] = text;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

}  // namespace zelvaro
