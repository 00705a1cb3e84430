#pragma once

namespace zelvaro {

// GCC and Clang's 128-bit integer; __extension__ keeps -Wpedantic quiet about it.
__extension__ typedef unsigned __int128 Uint128;

}  // namespace zelvaro
