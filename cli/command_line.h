#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "format/separators.h"

namespace zelvaro {

// A command line that does not fit any command; what() says why, in Portuguese.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct HelpCommand {};

struct ReduceCommand {
    std::string file;
    std::optional<int> row;  // 1-based in key order; the last row when absent
    bool json = false;
};

struct RowsCommand {
    std::string file;
    bool csv = false;
};

struct ImportCommand {
    std::string readings;
    std::string out;
    long double D = 0;
    long double R = 0;
    std::optional<int> zones;
    std::optional<long double> Lambda;
    std::optional<long double> b;
    std::optional<int> reductionZone;  // 1-based zone number
    bool movingSource = false;
};

struct PageCommand {
    std::string file;
    std::string out;         // a .png or .pdf file
    std::optional<int> row;  // as for ReduceCommand
};

using Command = std::variant<HelpCommand, ReduceCommand, RowsCommand, ImportCommand, PageCommand>;

// The command named by args (without the program name). Numbers are read with the user's
// decimal separator, or with the other of "." and ",".
Command parseCommandLine(const std::vector<std::string>& args, const Separators& seps);

}  // namespace zelvaro
