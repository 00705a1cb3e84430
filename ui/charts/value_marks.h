#pragma once

#include <qcustomplot.h>

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QVector>
#include <memory>
#include <vector>

#include "ui/charts/line_layouts.h"
#include "ui/charts/phase_sprites.h"
#include "ui/charts/text_ink.h"

namespace zelvaro {

// The layouts and ink of mark texts, which the marks of a chart and of its copies share.
struct MarkTexts {
    LineLayouts lines;
    TextInk ink;
};

// The value marks of one series: above each point a light-yellow framed box with the point's
// value, joined to the point by a short connector. All marks are one layerable drawn from the
// points, so a series of a thousand points costs no thousand plot items; a mark may reach
// beyond the axis rectangle, and one wholly outside the widget is not drawn.
class ValueMarks : public QCPLayerable {
    Q_OBJECT

  public:
    // The texts are laid out and measured in `texts`, which marks of the same texts may share.
    ValueMarks(QCPAxis* keyAxis, QCPAxis* valueAxis, QFont font, QColor background,
               std::shared_ptr<MarkTexts> texts);

    // One text per point, in the points' order.
    void setMarks(QVector<QPointF> points, QStringList texts);
    void clear();
    const QVector<QPointF>& points() const { return points_; }
    const QStringList& texts() const { return texts_; }
    const std::shared_ptr<MarkTexts>& sharedTexts() const { return shared_; }

  protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
    void draw(QCPPainter* painter) override;

  private:
    // One mark as laid out for drawing, in the pixels of the plot.
    struct Mark {
        int index = 0;
        QPointF point;
        QPointF top;            // of the connector, where the box sits
        QRect boxRect;          // around `top`
        QPointF baseline;       // of the text, around `top`
        QPointF lineCorner;     // top left corner of the text's line, around `top`
        bool plain = false;     // the text is drawn from its kept layout
        bool boxShows = false;  // within the clip
    };

    std::vector<Mark> layOut(const QPainter& painter, const QTransform& base);
    void drawMark(QCPPainter& painter, const QTransform& base, const Mark& mark,
                  const PhaseSprites::Placed& sprite, bool textHidden);
    static QTransform atTop(const QTransform& base, const Mark& mark);
    PhaseSprites::Placed place(QPointF top, const QRect& boxRect);
    std::vector<bool> hiddenTexts(const QPainter& painter, const QTransform& base,
                                  const std::vector<Mark>& marks,
                                  const std::vector<PhaseSprites::Placed>& sprites);

    QCPAxis* keyAxis_;
    QCPAxis* valueAxis_;
    QFont font_;
    QColor background_;
    QVector<QPointF> points_;
    QStringList texts_;
    std::shared_ptr<MarkTexts> shared_;
    PhaseSprites sprites_;
};

}  // namespace zelvaro
