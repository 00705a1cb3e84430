#include "ui/charts/drag_zoom.h"

#include <cstdlib>

namespace zelvaro {

DragOutcome RubberBandOutcome(int startX, int startY, int endX, int endY) {
    const int across = endX - startX;
    const int down = endY - startY;
    if (std::abs(across) <= kZoomThreshold || std::abs(down) <= kZoomThreshold) {
        return DragOutcome::Nothing;
    }
    return across > 0 && down > 0 ? DragOutcome::ZoomIn : DragOutcome::FullView;
}

}  // namespace zelvaro
