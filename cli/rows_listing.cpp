#include "cli/rows_listing.h"

#include <algorithm>
#include <vector>

#include "cli/csv.h"
#include "cli/row_texts.h"
#include "cli/text_table.h"

namespace zelvaro {

namespace {

std::vector<std::string> fieldNames(const TableSchema& schema) {
    std::vector<std::string> names;
    for (int column = 0; column < schema.columnCount(); ++column) {
        names.push_back(schema.name(column));
    }
    return names;
}

std::string csvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += kCsvSeparator;
        line += csvField(cells[i]);
    }
    return line + "\n";
}

}  // namespace

std::string rowsText(const MeasurementTable& table, const Separators& seps) {
    const VersionedRows& rows = table.versions();
    if (rows.rowCount() == 0) return std::string(kNoReadings) + "\n";
    TextTable text;
    text.alignLeft(static_cast<std::size_t>(rows.schema().observacoesColumn()));
    text.addRow(fieldNames(rows.schema()));
    for (int position = 0; position < rows.rowCount(); ++position) {
        std::vector<std::string> cells =
            rowCellTexts(rows.row(position), rows.schema(), CellStyle::Display, seps);
        std::string& notes = cells.back();
        std::replace(notes.begin(), notes.end(), '\n', ' ');
        text.addRow(std::move(cells));
    }
    return text.render();
}

std::string rowsCsv(const MeasurementTable& table, const Separators& seps) {
    const VersionedRows& rows = table.versions();
    std::string csv = csvLine(fieldNames(rows.schema()));
    for (int position = 0; position < rows.rowCount(); ++position) {
        csv += csvLine(rowCellTexts(rows.row(position), rows.schema(), CellStyle::Exact, seps));
    }
    return csv;
}

}  // namespace zelvaro
