#pragma once

#include <stdexcept>
#include <string_view>

#include "cli/command_line.h"
#include "data/project.h"

namespace zelvaro {

// A readings CSV that cannot be taken over: missing zone columns, a value that is not a
// number or a date, a line with more fields than the header.
class ImportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Types the mirror of `command` into the project (equal-area zones, one per Zona column
// unless the command gives the count; the tester's source fixed unless it moves) and inserts every
// line of `csv` as a new row, as the window inserts one: the new row's defaults first, then the
// line's values by column name. Zona1 .. ZonaN are needed; Medidas, ConstanteK, ZonaReferencia and
// Observacoes are taken when present; Chave comes from the order of the lines; other columns are
// ignored.
void importReadings(Project& project, const ImportCommand& command, std::string_view csv);

}  // namespace zelvaro
