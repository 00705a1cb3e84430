#include "cli/row_texts.h"

#include <QDateTime>
#include <QString>
#include <charconv>
#include <cstdio>

#include "data/memo_text.h"
#include "format/general_form.h"

namespace zelvaro {

std::string isoDateTime(const LocalDateTime& value) {
    const int ms = value.msecOfDay;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", value.year, value.month,
                  value.day, ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
    return text;
}

std::optional<LocalDateTime> parseIsoDateTime(const std::string& text) {
    const QDateTime parsed = QDateTime::fromString(QString::fromStdString(text), Qt::ISODateWithMs);
    if (!parsed.isValid()) return std::nullopt;
    return LocalDateTime::fromQt(parsed.date(), parsed.time());
}

std::string exactNumber(double value, const Separators& seps) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, seps.decimal);
    return text;
}

std::string notesText(const RowRecord& record) {
    return memoText(record.observacoes).toStdString();
}

std::vector<std::string> rowCellTexts(const RowRecord& record, const TableSchema& schema,
                                      CellStyle style, const Separators& seps) {
    std::vector<std::string> cells(static_cast<std::size_t>(schema.columnCount()));
    for (int column = 0; column < schema.columnCount(); ++column) {
        std::string& cell = cells[static_cast<std::size_t>(column)];
        switch (schema.kind(column)) {
            case ColumnKind::DateTime:
                if (record.medidas) cell = isoDateTime(*record.medidas);
                break;
            case ColumnKind::Float:
                if (const auto value = record.number(schema, column)) {
                    cell = style == CellStyle::Exact ? exactNumber(*value, seps)
                                                     : FormatGeneral(*value, 15, 0, seps);
                }
                break;
            case ColumnKind::Int32:
            case ColumnKind::Int16:
                if (const auto value = record.number(schema, column)) {
                    cell = std::to_string(static_cast<long long>(*value));
                }
                break;
            case ColumnKind::Memo:
                cell = notesText(record);
                break;
        }
    }
    return cells;
}

}  // namespace zelvaro
