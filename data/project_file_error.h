#pragma once

#include <stdexcept>

namespace zelvaro {

// A project file that cannot be read or written. The window shows "Erro ao carregar
// arquivo" for a failed load; what() gives the reason.
class ProjectFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zelvaro
