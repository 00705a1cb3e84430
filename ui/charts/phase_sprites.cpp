#include "ui/charts/phase_sprites.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

#include "ui/charts/pixel_cover.h"

namespace zelvaro {

namespace {

// Room around the bounds for the antialiased edges and the phase.
constexpr int kMargin = 2;
// Beyond this many sprites the kept ones are dropped, so drawings of ever new sizes do not
// grow them without end.
constexpr int kKeptSprites = 4096;

struct Snapped {
    int whole = 0;
    int phase = 0;
};

Snapped Snap(double coordinate, int phases) {
    const auto steps = static_cast<long long>(std::llround(coordinate * phases));
    const auto whole = static_cast<long long>(std::floor(double(steps) / phases));
    return {static_cast<int>(whole), static_cast<int>(steps - whole * phases)};
}

std::vector<std::pair<int, int>> OpaqueRuns(const QImage& image) {
    const int width = image.width();
    std::vector<std::pair<int, int>> runs(std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width;) {
            if (qAlpha(row[x]) != 255) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && qAlpha(row[x]) == 255) ++x;
            if (x - start > runs[y].second - runs[y].first) runs[y] = {start, x};
        }
    }
    return runs;
}

}  // namespace

void PhaseSprites::Placed::blit(QPainter& painter) const {
    // The world transform only moves, so the image lands on whole device pixels.
    const QTransform& world = painter.worldTransform();
    painter.drawImage(QPointF(corner.x() - world.dx(), corner.y() - world.dy()), sprite->image);
}

void PhaseSprites::Placed::addTo(PixelCover& cover) const {
    for (std::size_t y = 0; y < sprite->opaqueRuns.size(); ++y) {
        const auto& [from, to] = sprite->opaqueRuns[y];
        if (from < to) cover.add(corner.y() + int(y), corner.x() + from, corner.x() + to);
    }
}

PhaseSprites::PhaseSprites(int phases) : phases_(phases) {}

bool PhaseSprites::CanBlit(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Raster &&
           painter.testRenderHint(QPainter::Antialiasing) &&
           painter.deviceTransform().type() <= QTransform::TxTranslate &&
           painter.deviceTransform() == painter.worldTransform() && painter.opacity() == 1 &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

PhaseSprites::Placed PhaseSprites::place(quint32 shape, const QRect& bounds, QPointF at,
                                         const Painting& paint) {
    const Snapped x = Snap(at.x(), phases_);
    const Snapped y = Snap(at.y(), phases_);
    const quint64 key = (quint64(shape) << 32) | quint64(x.phase * phases_ + y.phase);
    const QRect area = bounds.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    auto found = sprites_.constFind(key);
    if (found == sprites_.constEnd()) {
        if (sprites_.size() >= kKeptSprites) sprites_.clear();
        auto sprite = std::make_shared<Sprite>();
        sprite->image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        sprite->image.fill(Qt::transparent);
        QPainter painter(&sprite->image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(double(x.phase) / phases_ - area.left(),
                          double(y.phase) / phases_ - area.top());
        paint(painter);
        painter.end();
        sprite->opaqueRuns = OpaqueRuns(sprite->image);
        found = sprites_.insert(key, std::move(sprite));
    }
    return {*found, QPoint(x.whole + area.left(), y.whole + area.top())};
}

void PhaseSprites::draw(QPainter& painter, quint32 shape, const QRect& bounds, QPointF at,
                        const Painting& paint) {
    place(shape, bounds, at, paint).blit(painter);
}

}  // namespace zelvaro
