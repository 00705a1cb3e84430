#pragma once

#include <string>
#include <vector>

#include "format/separators.h"

namespace zelvaro {

// One row of the zone-radius editor: "H" and the zone number, the outer radius as "%.5f".
struct ZoneRadiusEntry {
    std::string key;
    std::string value;
};

// The editor's rows for the outer radii, H1 first.
std::vector<ZoneRadiusEntry> ZoneRadiusEntries(const std::vector<double>& Hx,
                                               const Separators& separators);

// The text of one radius in the editor.
std::string ZoneRadiusText(double radius, const Separators& separators);

// The entries of the "Zona de referência:" list: "Zona 1" to "Zona N".
std::vector<std::string> OriginZoneItems(int zoneCount, const Separators& separators);

// The list entry an origin index selects: the index itself, or −1 (no selection) when it
// names no zone.
int OriginZoneSelection(int reductionZoneIndex, int zoneCount);

}  // namespace zelvaro
