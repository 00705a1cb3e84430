#pragma once

#include <string>

#include "data/project.h"

namespace zelvaro {

// The text report of "reduce": the current row, the mirror data ("Fonte fixa" or "Fonte
// móvel" among them) and derived values with the labels and display texts of the main
// window's fields, the results, and the table of variables in aligned columns. Without rows:
// the mirror data, the zone geometry and a word that there are no readings.
std::string reductionText(const Project& project);

}  // namespace zelvaro
