#include "data/table_vocabulary.h"

namespace zelvaro {

std::string zoneFieldName(int zoneNumber) {
    std::string name(kZoneFieldPrefix);
    name += std::to_string(zoneNumber);
    return name;
}

}  // namespace zelvaro
