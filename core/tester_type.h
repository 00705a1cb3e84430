#pragma once

namespace zelvaro {

// Where the tester's light source sits. A fixed source stays put while the knife-edge moves
// along the axis; a moving source travels with the knife-edge, so a zone's rays return on
// themselves at the centre of curvature of that zone and every reading is about half the
// fixed-source one.
enum class TesterType { FixedSource, MovingSource };

}  // namespace zelvaro
