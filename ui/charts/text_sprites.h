#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

class QTextLine;

namespace zelvaro {

// One-line texts kept as images, one per position relative to the pixel grid, so drawing a
// text again where it was drawn before, or anywhere whole pixels away, is one blit with every
// glyph where drawing the text would have put it. Tick labels come back at the same places
// redraw after redraw.
class TextSprites {
  public:
    // Whether `painter` draws onto a raster image pixel for pixel, where a blit stands for the
    // drawing itself.
    static bool CanBlit(const QPainter& painter);

    // Texts are drawn from now on in `font` and `colour` by `painter`.
    void use(const QFont& font, const QColor& colour, const QPainter& painter);
    // Draws `line`, the one line laid out for `text` in that font, with its top left corner at
    // `at` in the painter's device pixels.
    void draw(QPainter& painter, const QString& text, const QTextLine& line, QPointF at);

  private:
    struct Key {
        QString text;
        QPointF fraction;  // of a pixel
        // Exactly the same place, not merely a close one.
        bool operator==(const Key& other) const {
            return fraction.x() == other.fraction.x() && fraction.y() == other.fraction.y() &&
                   text == other.text;
        }
    };
    friend size_t qHash(const Key& key, size_t seed) {
        return qHashMulti(seed, key.text, key.fraction.x(), key.fraction.y());
    }

    // The images show texts in this font, colour and rendering.
    QHash<Key, QImage> images_;
    QFont font_;
    QRgb colour_ = 0;
    QPainter::RenderHints hints_;
};

}  // namespace zelvaro
