#include "ui/charts/text_sprites.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextLine>
#include <algorithm>
#include <cmath>

namespace zelvaro {

namespace {

// Room around the line for glyphs that reach beyond their advance: a few pixels, a quarter of
// the line's height for large fonts.
int MarginFor(const QTextLine& line) {
    return std::max(3, int(std::ceil(line.height() / 4)));
}
// Beyond this many images the kept ones are dropped, so ever new texts (ticks while zooming)
// do not grow them without end.
constexpr int kKeptImages = 2048;

}  // namespace

bool TextSprites::CanBlit(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Raster &&
           painter.deviceTransform().type() <= QTransform::TxTranslate &&
           painter.deviceTransform() == painter.worldTransform() && painter.opacity() == 1 &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
           painter.pen().style() == Qt::SolidLine && painter.pen().brush().isOpaque();
}

void TextSprites::use(const QFont& font, const QColor& colour, const QPainter& painter) {
    if (font != font_ || colour.rgba() != colour_ || painter.renderHints() != hints_) {
        images_.clear();
        font_ = font;
        colour_ = colour.rgba();
        hints_ = painter.renderHints();
    }
}

void TextSprites::draw(QPainter& painter, const QString& text, const QTextLine& line, QPointF at) {
    const QPointF whole(std::floor(at.x()), std::floor(at.y()));
    const int margin = MarginFor(line);
    const QRect area(-margin, -margin, int(std::ceil(line.naturalTextWidth())) + 2 * margin + 1,
                     int(std::ceil(line.height())) + 2 * margin + 1);
    Key key{text, at - whole};
    auto found = images_.constFind(key);
    if (found == images_.constEnd()) {
        if (images_.size() >= kKeptImages) images_.clear();
        QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter sprite(&image);
        sprite.setRenderHints(hints_);
        sprite.setFont(font_);
        sprite.setPen(QColor::fromRgba(colour_));
        line.draw(&sprite, key.fraction - area.topLeft());
        sprite.end();
        found = images_.insert(std::move(key), std::move(image));
    }
    // The world transform only moves, so the image lands on whole device pixels.
    const QTransform& world = painter.worldTransform();
    painter.drawImage(whole + area.topLeft() - QPointF(world.dx(), world.dy()), *found);
}

}  // namespace zelvaro
