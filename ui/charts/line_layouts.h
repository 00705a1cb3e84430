#pragma once

#include <QFont>
#include <QHash>
#include <QSize>
#include <QString>
#include <QTextLayout>
#include <memory>

class QPainter;

namespace zelvaro {

// One-line texts laid out and measured once and kept, so drawing a text again costs no new
// shaping. A text's layout is the one QPainter::drawText gives it, for the font, resolution and
// direction it was laid out for; a change of any starts afresh.
class LineLayouts {
  public:
    struct Line {
        std::shared_ptr<QTextLayout> layout;  // its one line at (0, 0), for QTextLine::draw
        double width = 0;                     // as QFontMetricsF::horizontalAdvance gives it
    };

    // Whether `text` lays out as drawText draws it: one line, no tabs, no mnemonics.
    static bool IsPlainLine(const QString& text);

    // The kept line of a plain `text`, laid out now if need be, as the painter would draw it.
    const Line& of(const QString& text, const QPainter& painter);

    // Lays texts out from now on as `painter` would draw them in `font`, for `of(text)`.
    void use(const QFont& font, const QPainter& painter);
    // The kept line of a plain `text` for the font and painter last used.
    const Line& of(const QString& text);

  private:
    QHash<QString, Line> lines_;
    QFont font_;
    QSize dpi_;
    Qt::LayoutDirection direction_ = Qt::LeftToRight;
    QPaintDevice* device_ = nullptr;
};

}  // namespace zelvaro
