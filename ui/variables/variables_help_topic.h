#pragma once

namespace zelvaro {

// The help topic F1 shows in the table of variables for the selected row (counted from 0):
// the topic of the quantity the row holds, or 13, the table's own topic, for the readings,
// blank and heading rows and when no row is selected (-1).
int VariablesHelpTopic(int row);

}  // namespace zelvaro
