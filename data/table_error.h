#pragma once

#include <stdexcept>

namespace zelvaro {

// A measurement-table operation that cannot be done: a value the column cannot hold, a
// store while no row is being edited, a zone count outside 1 to 999.
class TableError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zelvaro
