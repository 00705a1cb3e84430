#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>
#include <optional>

class QTextLine;

namespace zelvaro {

// The device pixels a one-line text's glyphs may touch, found once per text by drawing it:
// glyphs land on the pixel row their baseline rounds to and, as the text moves right within a
// pixel, each glyph moves at most one pixel column right.
class TextInk {
  public:
    // Texts are drawn from now on by `painter`, in its font.
    void use(const QPainter& painter);
    // The pixels `line`, laid out for `text` in that font, may touch when drawn with its top
    // left corner at `corner` in device pixels; none when that is not certain.
    std::optional<QRect> at(const QString& text, const QTextLine& line, QPointF corner);

  private:
    QRect extentOf(const QTextLine& line);

    QHash<QString, QRect> extents_;
    QFont font_;
    QPainter::RenderHints hints_;
    QImage scratch_;
};

}  // namespace zelvaro
