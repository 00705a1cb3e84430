#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/local_date_time.h"
#include "data/row_record.h"
#include "data/table_schema.h"
#include "format/separators.h"

namespace zelvaro {

// How the tool writes the cells of a measurement row.
enum class CellStyle {
    Display,  // as the window's grid: readings in the general form, 15 digits
    Exact,    // for files: the shortest text that reads back as the same double
};

// "2024-03-15T14:03:07.123": ISO 8601 local time with milliseconds.
std::string isoDateTime(const LocalDateTime& value);
std::optional<LocalDateTime> parseIsoDateTime(const std::string& text);

// The shortest round-trip text of a double with the user's decimal separator.
std::string exactNumber(double value, const Separators& seps);

// The text of every column of `record`, in column order; empty for an empty cell. The notes
// are UTF-8 with LF line breaks.
std::vector<std::string> rowCellTexts(const RowRecord& record, const TableSchema& schema,
                                      CellStyle style, const Separators& seps);

// The notes of a row as UTF-8 text with LF line breaks; empty when there are none.
std::string notesText(const RowRecord& record);

}  // namespace zelvaro
