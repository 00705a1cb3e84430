#include "ui/charts/label_axis.h"

#include <QHash>

#include "ui/charts/column_grid.h"
#include "ui/charts/line_layouts.h"
#include "ui/charts/text_sprites.h"

namespace zelvaro {

namespace {

// Beyond this many texts the kept sizes are dropped, so zooming through ever new tick
// values does not grow them without end.
constexpr int kKeptTexts = 4096;

class MeasuringPainter : public QCPAxisPainterPrivate {
  public:
    explicit MeasuringPainter(QCustomPlot* plot) : QCPAxisPainterPrivate(plot) {}

    // The labels of one drawing are all in the tick label font and colour.
    void draw(QCPPainter* painter) override {
        const QFont font = painter->font();
        painter->setFont(tickLabelFont);
        layouts_.use(painter->font(), *painter);
        sprites_.use(painter->font(), tickLabelColor, *painter);
        painter->setFont(font);
        QCPAxisPainterPrivate::draw(painter);
    }

  protected:
    TickLabelData getTickLabelData(const QFont& font, const QString& text) const override {
        if (font != measuredFont_ || tickLabelRotation != measuredRotation_ ||
            measured_.size() >= kKeptTexts) {
            measured_.clear();
            measuredFont_ = font;
            measuredRotation_ = tickLabelRotation;
        }
        auto found = measured_.constFind(text);
        if (found == measured_.constEnd()) {
            found = measured_.insert(text, QCPAxisPainterPrivate::getTickLabelData(font, text));
        }
        return *found;
    }

    // Lays a one-line label out once and draws it as QPainter::drawText(rect,
    // Qt::TextDontClip | Qt::AlignHCenter, text) does, so the pixels are the same; a label
    // drawn again at the same sub-pixel position is blitted.
    void drawTickLabel(QCPPainter* painter, double x, double y,
                       const TickLabelData& labelData) const override {
        if (!labelData.expPart.isEmpty() || !qFuzzyIsNull(tickLabelRotation) ||
            !LineLayouts::IsPlainLine(labelData.basePart)) {
            QCPAxisPainterPrivate::drawTickLabel(painter, x, y, labelData);
            return;
        }
        const QTextLine line = layouts_.of(labelData.basePart).layout->lineAt(0);
        const QPointF at((labelData.totalBounds.width() - line.horizontalAdvance()) / 2, 0);
        if (TextSprites::CanBlit(*painter)) {
            QTransform toLabel = painter->transform();
            toLabel.translate(x, y);
            sprites_.draw(*painter, labelData.basePart, line, toLabel.map(at));
            return;
        }
        const QTransform oldTransform = painter->transform();
        const QFont oldFont = painter->font();
        painter->translate(x, y);
        painter->setFont(labelData.baseFont);
        layouts_.of(labelData.basePart, *painter).layout->lineAt(0).draw(painter, at);
        painter->setTransform(oldTransform);
        painter->setFont(oldFont);
    }

  private:
    mutable LineLayouts layouts_;
    mutable TextSprites sprites_;
    mutable QHash<QString, TickLabelData> measured_;
    mutable QFont measuredFont_;
    mutable double measuredRotation_ = 0;
};

void CopyProperties(const QCPAxisPainterPrivate& from, QCPAxisPainterPrivate& to) {
    to.type = from.type;
    to.basePen = from.basePen;
    to.lowerEnding = from.lowerEnding;
    to.upperEnding = from.upperEnding;
    to.labelPadding = from.labelPadding;
    to.labelFont = from.labelFont;
    to.labelColor = from.labelColor;
    to.label = from.label;
    to.tickLabelPadding = from.tickLabelPadding;
    to.tickLabelRotation = from.tickLabelRotation;
    to.tickLabelSide = from.tickLabelSide;
    to.substituteExponent = from.substituteExponent;
    to.numberMultiplyCross = from.numberMultiplyCross;
    to.tickLengthIn = from.tickLengthIn;
    to.tickLengthOut = from.tickLengthOut;
    to.subTickLengthIn = from.subTickLengthIn;
    to.subTickLengthOut = from.subTickLengthOut;
    to.tickPen = from.tickPen;
    to.subTickPen = from.subTickPen;
    to.tickLabelFont = from.tickLabelFont;
    to.tickLabelColor = from.tickLabelColor;
    to.axisRect = from.axisRect;
    to.viewportRect = from.viewportRect;
    to.offset = from.offset;
    to.abbreviateDecimalPowers = from.abbreviateDecimalPowers;
    to.reversedEndings = from.reversedEndings;
}

}  // namespace

LabelAxis::LabelAxis(QCPAxisRect* axisRect, AxisType type) : QCPAxis(axisRect, type) {
    auto* painter = new MeasuringPainter(axisRect->parentPlot());
    CopyProperties(*mAxisPainter, *painter);
    delete mAxisPainter;
    mAxisPainter = painter;
    auto* grid = new ColumnGrid(this);
    grid->setVisible(mGrid->visible());
    delete mGrid;
    mGrid = grid;
}

void ReplaceBottomAxis(QCustomPlot& plot) {
    QCPAxisRect* rect = plot.axisRect();
    const bool gridShown = plot.xAxis->grid()->visible();
    auto* axis = new LabelAxis(rect, QCPAxis::atBottom);
    rect->removeAxis(plot.xAxis);
    rect->addAxis(QCPAxis::atBottom, axis);
    axis->setLayer(QStringLiteral("axes"));
    axis->grid()->setLayer(QStringLiteral("grid"));
    axis->grid()->setVisible(gridShown);
    plot.xAxis = axis;
}

}  // namespace zelvaro
