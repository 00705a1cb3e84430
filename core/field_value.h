#pragma once

namespace zelvaro {

// A value as a numeric field holds it: written with the edit pattern "0.############"
// (twelve decimals at most) and read back. Every scalar of the model passes through this.
// A text that does not read back (INF, NAN) gives 0, as a field without bounds reads it.
long double AsFieldValue(long double value);

}  // namespace zelvaro
