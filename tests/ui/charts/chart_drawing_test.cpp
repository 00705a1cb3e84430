#include "chart_drawing_test.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/charts/line_layouts.h"
#include "ui/charts/phase_sprites.h"
#include "ui/charts/pixel_cover.h"
#include "ui/charts/text_ink.h"

namespace zelvaro {

namespace {

QFont MarkFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    return font;
}

QImage Transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

// A mark's box with its connector, as the marks draw it around the connector's upper end.
void DrawMarkBox(QPainter& painter) {
    painter.setPen(QPen(Qt::black));
    painter.drawLine(QLineF(0, 8, 0, 0));
    painter.setBrush(QColor(255, 255, 128));
    painter.drawRect(QRect(-18, -11, 36, 11));
}

const QRect kMarkBounds(-18, -11, 37, 21);

}  // namespace

void ChartDrawingTest::pixelCover_data() {
    QTest::addColumn<QRect>("query");
    QTest::addColumn<bool>("covered");
    // Rows 10 to 12 are covered from x 0 to 14, row 13 from x 60 to 129.
    QTest::newRow("inside") << QRect(0, 10, 15, 3) << true;
    QTest::newRow("one column too far") << QRect(0, 10, 16, 3) << false;
    QTest::newRow("one row too far") << QRect(0, 10, 15, 4) << false;
    QTest::newRow("across words") << QRect(60, 13, 70, 1) << true;
    QTest::newRow("across words, one more") << QRect(59, 13, 71, 1) << false;
    QTest::newRow("partly outside the domain") << QRect(-20, 10, 35, 3) << true;
    QTest::newRow("wholly outside the domain") << QRect(300, 300, 4, 4) << true;
    QTest::newRow("nothing added there") << QRect(40, 40, 1, 1) << false;
}

void ChartDrawingTest::pixelCover() {
    QFETCH(QRect, query);
    QFETCH(bool, covered);
    PixelCover cover(QRect(0, 0, 200, 100));
    for (int y = 10; y <= 12; ++y) cover.add(y, -5, 15);
    cover.add(13, 60, 130);
    cover.add(500, 0, 10);
    QCOMPARE(cover.covers(query), covered);
}

void ChartDrawingTest::textInkHoldsEveryGlyph_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("digits and comma") << "0,00001";
    QTest::newRow("minus") << "-0,0068";
    QTest::newRow("grouping") << "1.234,5678";
    QTest::newRow("exponent") << "1,235E-01";
}

// At positions all over a pixel, every pixel a glyph touches lies within the text's ink.
void ChartDrawingTest::textInkHoldsEveryGlyph() {
    QFETCH(QString, text);
    QImage image = Transparent(QSize(80, 40));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(MarkFont());
    painter.setPen(Qt::black);
    LineLayouts layouts;
    TextInk ink;
    ink.use(painter);
    const QTextLine line = layouts.of(text, painter).layout->lineAt(0);
    int checked = 0;
    for (int step = 0; step < 64; ++step) {
        const QPointF corner(10 + step / 64.0 + 0.003, 10 + std::fmod(step * 0.37, 1.0) + 0.002);
        const auto expected = ink.at(text, line, corner);
        if (!expected) continue;
        QImage alone = Transparent(image.size());
        QPainter drawing(&alone);
        drawing.setRenderHints(painter.renderHints());
        drawing.setFont(painter.font());
        drawing.setPen(Qt::black);
        line.draw(&drawing, corner);
        drawing.end();
        for (int y = 0; y < alone.height(); ++y) {
            for (int x = 0; x < alone.width(); ++x) {
                if (qAlpha(alone.pixel(x, y)) != 0 && !expected->contains(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("ink at %1,%2 outside %3,%4 %5x%6")
                                         .arg(x)
                                         .arg(y)
                                         .arg(expected->x())
                                         .arg(expected->y())
                                         .arg(expected->width())
                                         .arg(expected->height())));
                }
            }
        }
        // No more than a pixel of room around the glyphs.
        QVERIFY(expected->height() <= QFontMetricsF(MarkFont(), &image).height());
        ++checked;
    }
    QVERIFY(checked > 60);
}

// A blitted box sits at most a sixteenth of a pixel from the drawn one: its edges differ a
// little, and on the eighths of a pixel it draws on it differs by no more than rounding.
void ChartDrawingTest::spritesLookLikeTheDrawing() {
    PhaseSprites sprites;
    for (int step = 0; step < 40; ++step) {
        const bool onEighths = step % 2 == 0;
        const QPointF at = onEighths ? QPointF(30 + step / 8.0, 40 + step * 3 / 8.0)
                                     : QPointF(30 + step * 0.173, 40 + step * 0.291);
        QImage drawn(QSize(90, 70), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::white);
        QImage blitted = drawn;
        QPainter direct(&drawn);
        direct.setRenderHint(QPainter::Antialiasing);
        direct.translate(at);
        DrawMarkBox(direct);
        direct.end();
        QPainter painter(&blitted);
        painter.setRenderHint(QPainter::Antialiasing);
        QVERIFY(PhaseSprites::CanBlit(painter));
        sprites.draw(painter, 1, kMarkBounds, at, DrawMarkBox);
        painter.end();
        QVERIFY2(LargestDifference(drawn, blitted) <= (onEighths ? 2 : 40),
                 qPrintable(QString::number(LargestDifference(drawn, blitted))));
    }
}

void ChartDrawingTest::opaqueRunsAreOpaque() {
    PhaseSprites sprites;
    const PhaseSprites::Placed placed =
        sprites.place(1, kMarkBounds, QPointF(20.3, 30.6), DrawMarkBox);
    const QImage& image = placed.sprite->image;
    int opaque = 0;
    for (std::size_t y = 0; y < placed.sprite->opaqueRuns.size(); ++y) {
        const auto [from, to] = placed.sprite->opaqueRuns[y];
        for (int x = from; x < to; ++x) QCOMPARE(qAlpha(image.pixel(x, int(y))), 255);
        opaque += to - from;
    }
    // The inside of the box at least.
    QVERIFY(opaque >= 34 * 9);
}

}  // namespace zelvaro
