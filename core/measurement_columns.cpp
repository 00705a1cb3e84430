#include "core/measurement_columns.h"

#include "format/format_string.h"

namespace zelvaro {

std::string ReadingColumnName(int zoneNumber) {
    return FormatString("Zona%d", {static_cast<long long>(zoneNumber)}, {});
}

}  // namespace zelvaro
