#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "format/separators.h"

namespace zelvaro {

class Project;

// Writes the results page of an opened and reduced project to the file `out`; throws
// std::exception with the reason when it cannot. The page needs the window libraries, which
// only the program links, so it comes from there.
using PageWriter = std::function<void(Project& project, const std::string& out)>;

// Runs zelvaro-cli with `args` (without the program name): reports on `out`, messages on
// `err`, numbers with `seps`, pages through `writePage`. Returns the exit status (ExitStatus).
int runCommandLine(const std::vector<std::string>& args, const Separators& seps, std::ostream& out,
                   std::ostream& err, const PageWriter& writePage = {});

}  // namespace zelvaro
