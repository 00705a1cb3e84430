#pragma once

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QPainter;

namespace zelvaro {

class PixelCover;

// Small antialiased drawings kept as images, one per sub-pixel phase, so drawing one again
// anywhere is an image blit instead of a new rasterisation. The drawing lands at most half a
// phase away from where it was asked for: with eighths of a pixel a sixteenth, which no eye
// can tell.
class PhaseSprites {
  public:
    using Painting = std::function<void(QPainter&)>;

    // `phases` to a pixel, in each direction.
    explicit PhaseSprites(int phases = 8);

    struct Sprite {
        QImage image;
        // Per image row, the longest run [first, second) of pixels it paints over opaquely.
        std::vector<std::pair<int, int>> opaqueRuns;
    };

    // A sprite and where its top left corner goes, in device pixels.
    struct Placed {
        std::shared_ptr<const Sprite> sprite;
        QPoint corner;

        void blit(QPainter& painter) const;
        // The pixels the blit leaves as the sprite has them, whatever was below.
        void addTo(PixelCover& cover) const;
    };

    // Whether `painter` draws antialiased onto a raster image, pixel for pixel and opaquely,
    // where a blit stands for the drawing itself.
    static bool CanBlit(const QPainter& painter);

    // The sprite of what `paint` draws around the origin, within `bounds` of it, placed with
    // the origin at `at` in device pixels. `shape` tells different drawings apart.
    Placed place(quint32 shape, const QRect& bounds, QPointF at, const Painting& paint);
    void draw(QPainter& painter, quint32 shape, const QRect& bounds, QPointF at,
              const Painting& paint);

  private:
    int phases_;
    QHash<quint64, std::shared_ptr<const Sprite>> sprites_;
};

}  // namespace zelvaro
