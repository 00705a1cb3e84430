#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include <QByteArray>

#include "core/measurement_rows.h"
#include "data/measurement_table.h"

namespace zelvaro::fixtures {

// A column of the table by its field name.
inline int column(const MeasurementTable& table, std::string_view name) {
    return table.schema().indexOf(name);
}

// 15 March 2024, 14:03:07.123, the time of the packet examples.
inline LocalDateTime exampleTime() {
    return *LocalDateTime::make(2024, 3, 15, ((14 * 60 + 3) * 60 + 7) * 1000 + 123);
}

// Stands in for the mirror model: hands out the reference zone of new rows and records what
// it can read of the table each time the table reports a change.
class RecordingEvents : public MeasurementEvents {
  public:
    struct Seen {
        MeasurementTable::State state;
        int position;
        int rowCount;
        std::optional<double> k;
        std::optional<double> zone;
    };

    explicit RecordingEvents(MeasurementTable& table) : table_(table) { table.setEvents(this); }

    int newRowDefaults() override {
        ++newRows;
        return referenceZone;
    }

    void measurementDataChanged() override {
        seen.push_back({table_.state(), table_.position(), table_.rowCount(), table_.constantK(),
                        table_.parabolaZone()});
    }

    int referenceZone = 0;
    int newRows = 0;
    std::vector<Seen> seen;

  private:
    MeasurementTable& table_;
};

// The FIELD elements of a table of `zones` zones, as the packet writer lays them out.
inline QByteArray packetFieldsOf(int zones) {
    QByteArray fields = "<FIELD attrname=\"Medidas\" fieldtype=\"dateTime\"/>";
    for (int zone = 1; zone <= zones; ++zone)
        fields += "<FIELD attrname=\"Zona" + QByteArray::number(zone) + "\" fieldtype=\"r8\"/>";
    return fields +
           "<FIELD attrname=\"Chave\" fieldtype=\"i4\"/>"
           "<FIELD attrname=\"ConstanteK\" fieldtype=\"r8\"/>"
           "<FIELD attrname=\"ZonaReferencia\" fieldtype=\"i2\"/>"
           "<FIELD attrname=\"Observacoes\" fieldtype=\"bin.hex\" SUBTYPE=\"Text\"/>";
}

// A table of `zones` zones on a clock that stands at exampleTime().
inline MeasurementTable makeTable(int zones) {
    MeasurementTable table([] { return exampleTime(); });
    table.rebuild(zones);
    return table;
}

// Appends and posts a row with these readings (an empty optional leaves a cell empty).
inline void appendRow(MeasurementTable& table, const std::vector<std::optional<double>>& readings) {
    table.append();
    for (std::size_t zone = 0; zone < readings.size(); ++zone)
        table.setNumber(TableSchema::zoneColumn(static_cast<int>(zone)), readings[zone]);
    table.post();
}

// Rows A (1) and B (2) inserted, then A's reading edited to 1.5.
inline MeasurementTable editedAB() {
    MeasurementTable table = makeTable(1);
    appendRow(table, {1.0});
    appendRow(table, {2.0});
    table.first();
    table.edit();
    table.setNumber(column(table, "Zona1"), 1.5);
    table.post();
    return table;
}

}  // namespace zelvaro::fixtures
