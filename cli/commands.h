#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "format/separators.h"

namespace zelvaro {

// Runs zelvaro-cli with `args` (without the program name): reports on `out`, messages on
// `err`, numbers with `seps`. Returns the exit status (ExitStatus).
int runCommandLine(const std::vector<std::string>& args, const Separators& seps, std::ostream& out,
                   std::ostream& err);

}  // namespace zelvaro
