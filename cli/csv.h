#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvaro {

// CSV with ";" between fields, as spreadsheets under comma-decimal settings expect. A field
// holding ";", a double quote or a line break is quoted, with its quotes doubled.
inline constexpr char kCsvSeparator = ';';

std::string csvField(std::string_view text);

// The records of a CSV text: quoted fields may hold ";" and line breaks; CR LF, LF and CR
// end a record; empty lines and a leading UTF-8 byte-order mark are skipped.
std::vector<std::vector<std::string>> parseCsv(std::string_view text);

}  // namespace zelvaro
