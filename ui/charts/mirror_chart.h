#pragma once

#include <qcustomplot.h>

#include <QPoint>
#include <QPointer>
#include <QRubberBand>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "core/chart_datasets.h"
#include "format/separators.h"
#include "ui/charts/chart_description.h"
#include "ui/charts/pattern_ticker.h"
#include "ui/charts/point_hit.h"
#include "ui/charts/series_binding.h"
#include "ui/charts/value_marks.h"

namespace zelvaro {

// One chart of per-zone results, built from its description: a title, the series in their
// order with a legend below the plot, value marks on the value series, the bottom axis
// showing the points' label texts. A left drag zooms or restores the full view, a right drag
// scrolls. Where the description says so, a press on a series puts the point's value into the
// tooltip instead, and a right click opens the context menu of whatever holds the chart.
class MirrorChart : public QCustomPlot {
    Q_OBJECT

  public:
    // A chart whose series are bound to the chart datasets.
    explicit MirrorChart(const ChartDescription& description, QWidget* parent = nullptr);
    // A chart whose series follow those of `source`, series by series (same number of
    // series). It redraws once whenever the source is rebuilt.
    MirrorChart(const ChartDescription& description, MirrorChart& source,
                QWidget* parent = nullptr);
    ~MirrorChart() override;

    const ChartDescription& description() const { return description_; }
    int seriesCount() const { return static_cast<int>(series_.size()); }
    const SeriesData& seriesData(int index) const { return *series_.at(index).data; }

    // Every series bound to a dataset takes its points anew (a closed dataset gives none),
    // and the chart is drawn with these separators and the full view. The series of a chart
    // built as a copy keep following their source.
    void rebuild(const ChartDatasets& datasets, const Separators& separators);

    // Marks of the value series; the others never show any. Kept across rebuilds.
    void setMarksVisible(bool visible);
    bool marksVisible() const { return marksVisible_; }
    // The number pattern of every series' marks.
    void setValueFormat(const std::string& pattern);
    const std::string& valueFormat(int series) const { return series_.at(series).valueFormat; }
    // The texts of the marks a series shows now (none while its marks are hidden).
    QStringList markTexts(int series) const;
    // The texts under the bottom axis now, from left to right.
    QStringList bottomLabels() const;
    // The series as drawn now, in pixels of this widget.
    std::vector<DrawnSeries> drawnSeries() const;
    // The axes scaled to all points again.
    void restoreFullView();

  signals:
    void seriesClicked(int series, int point);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct Series {
        SeriesDescription look;
        std::string valueFormat;
        std::unique_ptr<SeriesData> data;
        QCPGraph* graph = nullptr;
        QCPBars* bars = nullptr;
        ValueMarks* marks = nullptr;
    };

    void setUpLook();
    void addSeries(const SeriesDescription& look, std::unique_ptr<SeriesData> data);
    void addMarks();
    void redraw();
    void redrawCopies();
    void drawPoints(Series& series);
    void drawMarks(std::size_t index);
    const ValueMarks* sameMarksOfSource(std::size_t index) const;
    void updateBottomTicker();
    void readValue(const SeriesHit& hit);
    void zoomInto(const QRect& band);
    void openContextMenu(const QPoint& pos, const QPoint& globalPos);

    ChartDescription description_;
    std::vector<Series> series_;
    QPointer<MirrorChart> source_;
    std::vector<QPointer<MirrorChart>> copies_;
    Separators separators_;
    bool marksVisible_ = true;
    QSharedPointer<PatternTicker> leftTicker_;
    QSharedPointer<PatternTicker> bottomPatternTicker_;
    QSharedPointer<QCPAxisTickerText> bottomTextTicker_;

    enum class Drag { None, RubberBand, Scroll, RightPress };
    Drag drag_ = Drag::None;
    QPoint pressPos_;
    QPoint lastPos_;
    QPointer<QRubberBand> rubberBand_;
};

}  // namespace zelvaro
