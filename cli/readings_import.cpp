#include "cli/readings_import.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "cli/csv.h"
#include "cli/row_texts.h"
#include "core/measurement_columns.h"
#include "data/header_number.h"
#include "data/table_error.h"

namespace zelvaro {

namespace {

using Record = std::vector<std::string>;

// "Zona" and a zone number without leading zeros.
bool isZoneName(const std::string& name) {
    constexpr std::string_view kPrefix = "Zona";
    if (name.size() <= kPrefix.size() || name.compare(0, kPrefix.size(), kPrefix) != 0) {
        return false;
    }
    const std::string number = name.substr(kPrefix.size());
    return number.front() != '0' && number.find_first_not_of("0123456789") == std::string::npos;
}

int zoneColumnCount(const Record& header) {
    return static_cast<int>(std::count_if(header.begin(), header.end(), isZoneName));
}

int zoneCountOf(const Record& header, const ImportCommand& command) {
    const int zones = command.zones.value_or(zoneColumnCount(header));
    if (zones < 1) throw ImportError("o CSV não tem colunas Zona1, Zona2, ...");
    if (zones > 999) throw ImportError("o CSV tem mais de 999 colunas Zona");
    for (int zone = 1; zone <= zones; ++zone) {
        const std::string name = ReadingColumnName(zone);
        if (std::find(header.begin(), header.end(), name) == header.end()) {
            throw ImportError("falta a coluna " + name);
        }
    }
    if (command.reductionZone && *command.reductionZone > zones) {
        throw UsageError("--reduction-zone vai além das " + std::to_string(zones) + " zonas");
    }
    return zones;
}

void typeMirror(Mirror& mirror, const ImportCommand& command, int zones) {
    mirror.setD(command.D);
    mirror.setR(command.R);
    mirror.setZoneCount(zones);
    if (command.Lambda) mirror.setLambda(*command.Lambda);
    if (command.b) mirror.setB(*command.b);
    mirror.setMovingSource(command.movingSource);
    mirror.setReductionZoneIndex(command.reductionZone.value_or(1) - 1);
}

// Table column of each CSV column, -1 for a column that is not taken over.
std::vector<int> tableColumns(const Record& header, const TableSchema& schema) {
    std::vector<int> columns;
    for (const std::string& name : header) {
        const int column = schema.indexOf(name);
        columns.push_back(column == schema.chaveColumn() ? -1 : column);
    }
    return columns;
}

std::optional<double> numberCell(const std::string& text, const Separators& seps) {
    if (text.empty()) return std::nullopt;
    const auto value = parseHeaderNumber(text, seps);
    if (!value || std::fabs(*value) > std::numeric_limits<double>::max()) {
        throw ImportError("não é um número: \"" + text + "\"");
    }
    return static_cast<double>(*value);
}

std::optional<double> integerCell(const std::string& text) {
    if (text.empty()) return std::nullopt;
    constexpr int kInvalid = std::numeric_limits<int>::min();
    const int value = parseHeaderInteger(text, kInvalid);
    if (value == kInvalid) throw ImportError("não é um número inteiro: \"" + text + "\"");
    return value;
}

void storeCell(MeasurementTable& table, int column, const std::string& text,
               const Separators& seps) {
    switch (table.schema().kind(column)) {
        case ColumnKind::DateTime: {
            if (text.empty()) {
                table.setDateTime(std::nullopt);
                break;
            }
            const auto value = parseIsoDateTime(text);
            if (!value) throw ImportError("não é uma data e hora ISO 8601: \"" + text + "\"");
            table.setDateTime(value);
            break;
        }
        case ColumnKind::Float:
            table.setNumber(column, numberCell(text, seps));
            break;
        case ColumnKind::Int32:
        case ColumnKind::Int16:
            table.setNumber(column, integerCell(text));
            break;
        case ColumnKind::Memo:
            table.setMemo(QString::fromStdString(text));
            break;
    }
}

void insertRow(MeasurementTable& table, const Record& record, const std::vector<int>& columns,
               const Separators& seps) {
    if (record.size() > columns.size()) throw ImportError("há mais campos que no cabeçalho");
    table.append();
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (columns[i] >= 0) storeCell(table, columns[i], record[i], seps);
    }
    table.post();
}

}  // namespace

void importReadings(Project& project, const ImportCommand& command, std::string_view csv) {
    const std::vector<Record> records = parseCsv(csv);
    if (records.empty()) throw ImportError("o CSV está vazio");
    const Record& header = records.front();
    const int zones = zoneCountOf(header, command);
    typeMirror(project.mirror(), command, zones);
    MeasurementTable& table = project.table();
    const std::vector<int> columns = tableColumns(header, table.schema());
    const Separators& seps = project.mirror().separators();
    for (std::size_t line = 1; line < records.size(); ++line) {
        try {
            insertRow(table, records[line], columns, seps);
        } catch (const std::exception& error) {
            table.cancel();
            throw ImportError("linha de dados " + std::to_string(line) + ": " + error.what());
        }
    }
}

}  // namespace zelvaro
