#pragma once

namespace zelvaro {

enum class DragOutcome { Nothing, ZoomIn, FullView };

// A left-button drag needs more than this many pixels both across and down to count.
inline constexpr int kZoomThreshold = 16;

// What releasing a rubber band drawn from (startX, startY) to (endX, endY) does: a band drawn
// towards the lower right zooms into it, one drawn any other way restores the full view.
DragOutcome RubberBandOutcome(int startX, int startY, int endX, int endY);

}  // namespace zelvaro
