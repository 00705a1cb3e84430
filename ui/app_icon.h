#pragma once

#include <QIcon>

namespace zelvaro {

// The program's own icon: a concave mirror, its light cone and the knife edge.
QIcon ZelvaroIcon();

}  // namespace zelvaro
