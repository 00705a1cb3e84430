#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/readings.h"
#include "core/reduction_result.h"
#include "core/zone_geometry.h"
#include "format/separators.h"

namespace zelvaro {

// The table of variables: 20 fixed rows (a caption and one cell per zone) and a column per
// zone after the caption column. Rows 4, 12 and 16 are blank and rows 5, 13 and 17 are
// headings: they never get values.
inline constexpr int kReductionTableRowCount = 20;

std::string_view ReductionTableCaption(int row);

// "%.4n" for the readings, the geometry and the reduction rows, the fractional format for
// the result rows, empty for blank and heading rows.
std::string ReductionTableRowFormat(int row, const std::string& fractionalFormat);

struct ReductionTableColumn {
    std::string caption;
    int width = 0;
    bool rightAligned = false;
};

// "Variáveis" (width 190), then "Zona 01" ... one per zone (width 100, right-aligned).
std::vector<ReductionTableColumn> ReductionTableColumns(int zoneCount,
                                                        const Separators& separators);

// Cell texts by row, then by zone (cell i of a row is shown in column i + 1).
using ReductionTableCells = std::vector<std::vector<std::string>>;

// Every row with `zoneCount` empty cells.
ReductionTableCells EmptyReductionTableCells(int zoneCount);

// The cells of a reduction. Throws FormatError when the fractional format does not take a
// number.
ReductionTableCells ReductionTableTexts(const ReductionResult& result, const ZoneGeometry& geometry,
                                        const Readings& readings,
                                        const std::string& fractionalFormat,
                                        const Separators& separators);

}  // namespace zelvaro
