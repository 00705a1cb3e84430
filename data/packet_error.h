#pragma once

#include <stdexcept>

namespace zelvaro {

// A data packet that cannot be read: not XML, truncated, without metadata, or with columns
// that are not those of the measurement table.
class PacketError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace zelvaro
