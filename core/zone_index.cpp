#include "core/zone_index.h"

namespace zelvaro {

int ZoneIndexInRange(int index, int zoneCount) {
    if (index >= zoneCount) index = zoneCount - 1;
    return index < 0 ? 0 : index;
}

}  // namespace zelvaro
