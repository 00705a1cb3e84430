#include "core/zone_lists.h"

#include <cstddef>

#include "format/format_string.h"

namespace zelvaro {

std::string ZoneRadiusText(double radius, const Separators& separators) {
    return FormatString("%.5f", {static_cast<long double>(radius)}, separators);
}

std::vector<ZoneRadiusEntry> ZoneRadiusEntries(const std::vector<double>& Hx,
                                               const Separators& separators) {
    std::vector<ZoneRadiusEntry> entries;
    entries.reserve(Hx.size());
    for (std::size_t i = 0; i < Hx.size(); ++i) {
        entries.push_back({FormatString("H%d", {static_cast<long long>(i + 1)}, separators),
                           ZoneRadiusText(Hx[i], separators)});
    }
    return entries;
}

std::vector<std::string> OriginZoneItems(int zoneCount, const Separators& separators) {
    std::vector<std::string> items;
    for (long long zone = 1; zone <= zoneCount; ++zone) {
        items.push_back(FormatString("Zona %d", {zone}, separators));
    }
    return items;
}

int OriginZoneSelection(int reductionZoneIndex, int zoneCount) {
    return reductionZoneIndex >= 0 && reductionZoneIndex < zoneCount ? reductionZoneIndex : -1;
}

}  // namespace zelvaro
