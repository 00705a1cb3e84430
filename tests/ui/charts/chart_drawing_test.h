#pragma once

#include <QObject>

namespace zelvaro {

// The drawing shortcuts of the charts against plain drawing: what a blit leaves, where a
// text's glyphs land, which pixels count as painted over.
class ChartDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void pixelCover_data();
    void pixelCover();
    void textInkHoldsEveryGlyph_data();
    void textInkHoldsEveryGlyph();
    void spritesLookLikeTheDrawing();
    void opaqueRunsAreOpaque();
};

}  // namespace zelvaro
