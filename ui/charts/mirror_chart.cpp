#include "ui/charts/mirror_chart.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "format/format_pattern.h"
#include "format/format_string.h"
#include "ui/charts/drag_zoom.h"
#include "ui/charts/label_axis.h"
#include "ui/charts/marker_graph.h"
#include "ui/help/help_topic_of.h"

namespace zelvaro {

namespace {

QColor ColourOf(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QFont ArialOf(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Share of the room one point has that its bar fills.
constexpr double kBarWidthShare = 0.7;
// A right-button drag shorter than this is a click, which opens the context menu.
constexpr int kScrollStart = 3;

struct Extent {
    double lower = 0;
    double upper = 0;
    bool found = false;

    void include(double value) {
        lower = found ? std::min(lower, value) : value;
        upper = found ? std::max(upper, value) : value;
        found = true;
    }
    QCPRange range() const {
        return lower == upper ? QCPRange(lower - 1, upper + 1) : QCPRange(lower, upper);
    }
};

// The range that shows `range` with `padding` pixels to spare at both ends of an axis
// `length` pixels long.
QCPRange Padded(const QCPRange& range, double padding, double length) {
    if (length <= 2 * padding) return range;
    const double extra = range.size() * padding / (length - 2 * padding);
    return QCPRange(range.lower - extra, range.upper + extra);
}

}  // namespace

MirrorChart::MirrorChart(const ChartDescription& description, QWidget* parent)
    : QCustomPlot(parent), description_(description) {
    setUpLook();
    for (const SeriesDescription& look : description_.series) {
        addSeries(look, std::make_unique<SeriesData>(look.binding));
    }
    addMarks();
    redraw();
}

MirrorChart::MirrorChart(const ChartDescription& description, MirrorChart& source, QWidget* parent)
    : QCustomPlot(parent), description_(description) {
    if (description_.series.size() != source.series_.size()) {
        throw std::invalid_argument("a linked chart needs as many series as its source");
    }
    source_ = &source;
    separators_ = source.separators_;
    setUpLook();
    for (std::size_t i = 0; i < description_.series.size(); ++i) {
        addSeries(description_.series[i], std::make_unique<SeriesData>(*source.series_[i].data));
    }
    addMarks();
    redraw();
    // Copies that are gone make room for this one.
    auto& copies = source.copies_;
    copies.erase(std::remove(copies.begin(), copies.end(), nullptr), copies.end());
    copies.emplace_back(this);
}

MirrorChart::~MirrorChart() = default;

void MirrorChart::setUpLook() {
    setObjectName(Text(description_.name));
    setToolTip(Text(description_.hint));
    setProperty(kHelpTopicProperty, description_.helpContext);
    setBackground(Qt::white);
    setPlottingHint(QCP::phCacheLabels, false);
    ReplaceBottomAxis(*this);
    axisRect()->setBackground(Qt::NoBrush);

    plotLayout()->insertRow(0);
    auto* title = new QCPTextElement(this, Text(description_.title), ArialOf(11, true));
    title->setTextColor(ColourOf(description_.titleColour));
    plotLayout()->addElement(0, 0, title);

    auto* legendRow = new QCPLayoutGrid;
    plotLayout()->addElement(2, 0, legendRow);
    plotLayout()->setRowStretchFactor(2, 0.001);
    legendRow->setMargins(QMargins(5, 0, 5, 5));
    legendRow->addElement(0, 0, legend);
    legend->setVisible(true);
    legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legend->setFont(ArialOf(9));

    leftTicker_.reset(new PatternTicker(std::string(description_.leftAxis.labelFormat)));
    leftTicker_->setMultiLine(description_.leftAxis.multiLineLabels);
    bottomPatternTicker_.reset(new PatternTicker(std::string(description_.bottomAxis.labelFormat)));
    bottomPatternTicker_->setMultiLine(description_.bottomAxis.multiLineLabels);
    bottomTextTicker_.reset(new QCPAxisTickerText);
    yAxis->setTicker(leftTicker_);

    for (QCPAxis* axis : {xAxis, yAxis}) {
        axis->setTickLabelFont(ArialOf(9));
        axis->setLabelFont(ArialOf(9));
        axis->setTickLabelColor(Qt::black);
    }
    xAxis->setLabel(Text(description_.bottomAxis.title));
    yAxis->setLabel(Text(description_.leftAxis.title));
    xAxis->setRange(0, 1);
    yAxis->setRange(0, 1);
}

void MirrorChart::addSeries(const SeriesDescription& look, std::unique_ptr<SeriesData> data) {
    Series series;
    series.look = look;
    series.valueFormat = std::string(look.valueFormat);
    series.data = std::move(data);
    const QColor colour = ColourOf(look.colour);
    if (look.kind == SeriesKind::Bar) {
        series.bars = new QCPBars(xAxis, yAxis);
        series.bars->setPen(QPen(Qt::black));
        series.bars->setBrush(colour);
        series.bars->setName(Text(look.title));
    } else {
        series.graph = new MarkerGraph(xAxis, yAxis);
        series.graph->setPen(QPen(colour));
        series.graph->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssSquare, colour, colour, 2 * kMarkerHalfSize + 1));
        series.graph->setName(Text(look.title));
    }
    series_.push_back(std::move(series));
}

// The marks are drawn over every series. A copy's marks show the texts of its source's, so
// they share their layouts.
void MirrorChart::addMarks() {
    for (std::size_t i = 0; i < series_.size(); ++i) {
        if (!series_[i].look.valueSeries) continue;
        const ValueMarks* sourceMarks = source_ ? source_->series_[i].marks : nullptr;
        series_[i].marks = new ValueMarks(
            xAxis, yAxis, ArialOf(9), ColourOf(kMarkBackground),
            sourceMarks != nullptr ? sourceMarks->sharedTexts() : std::make_shared<MarkTexts>());
    }
}

void MirrorChart::rebuild(const ChartDatasets& datasets, const Separators& separators) {
    separators_ = separators;
    for (Series& series : series_) series.data->rebuild(datasets, separators);
    redraw();
    redrawCopies();
}

// A copy redraws once for the whole rebuild, not once per series its source took anew.
void MirrorChart::redrawCopies() {
    for (const QPointer<MirrorChart>& copy : copies_) {
        if (copy) {
            copy->separators_ = separators_;
            copy->redraw();
            copy->redrawCopies();
        }
    }
}

void MirrorChart::setMarksVisible(bool visible) {
    marksVisible_ = visible;
    redraw();
}

void MirrorChart::setValueFormat(const std::string& pattern) {
    for (Series& series : series_) series.valueFormat = pattern;
    redraw();
}

void MirrorChart::redraw() {
    leftTicker_->setSeparators(separators_);
    bottomPatternTicker_->setSeparators(separators_);
    for (std::size_t i = 0; i < series_.size(); ++i) {
        drawPoints(series_[i]);
        drawMarks(i);
    }
    updateBottomTicker();
    restoreFullView();
}

void MirrorChart::drawPoints(Series& series) {
    QVector<double> keys;
    QVector<double> values;
    for (const ChartPoint& point : series.data->points()) {
        keys.push_back(point.x);
        values.push_back(point.y);
    }
    if (series.bars != nullptr) {
        series.bars->setData(keys, values, true);
    } else {
        series.graph->setData(keys, values, true);
    }
}

void MirrorChart::drawMarks(std::size_t index) {
    Series& series = series_[index];
    if (series.marks == nullptr) return;
    if (!marksVisible_) {
        series.marks->clear();
        return;
    }
    if (const ValueMarks* same = sameMarksOfSource(index)) {
        series.marks->setMarks(same->points(), same->texts());
        return;
    }
    const std::vector<ChartPoint>& points = series.data->points();
    QVector<QPointF> positions;
    QStringList texts;
    positions.reserve(static_cast<int>(points.size()));
    texts.reserve(static_cast<int>(points.size()));
    for (const ChartPoint& point : points) {
        positions.push_back(QPointF(point.x, point.y));
        texts.push_back(
            QString::fromStdString(FormatPattern(series.valueFormat, point.y, separators_)));
    }
    series.marks->setMarks(std::move(positions), std::move(texts));
}

// The marks the source shows for the same points, when they read as this series' would.
const ValueMarks* MirrorChart::sameMarksOfSource(std::size_t index) const {
    if (!source_ || source_->separators_ != separators_) return nullptr;
    const Series& theirs = source_->series_[index];
    const bool same = theirs.marks != nullptr && source_->marksVisible_ &&
                      theirs.valueFormat == series_[index].valueFormat &&
                      theirs.marks->texts().size() == int(series_[index].data->points().size());
    return same ? theirs.marks : nullptr;
}

void MirrorChart::updateBottomTicker() {
    const auto labelled = std::find_if(series_.begin(), series_.end(), [](const Series& series) {
        return series.data->carriesLabels();
    });
    if (labelled == series_.end()) {
        xAxis->setTicker(bottomPatternTicker_);
        return;
    }
    bottomTextTicker_->clear();
    for (const ChartPoint& point : labelled->data->points()) {
        const QString label = QString::fromStdString(point.label);
        bottomTextTicker_->addTick(
            point.x, description_.bottomAxis.multiLineLabels ? MultiLineLabel(label) : label);
    }
    xAxis->setTicker(bottomTextTicker_);
}

void MirrorChart::restoreFullView() {
    Extent keys;
    Extent values;
    int barPoints = 0;
    bool markersNeedRoom = false;
    for (const Series& series : series_) {
        for (const ChartPoint& point : series.data->points()) {
            keys.include(point.x);
            values.include(point.y);
        }
        if (series.bars != nullptr) {
            barPoints = std::max(barPoints, static_cast<int>(series.data->points().size()));
        } else if (series.look.roomForMarkers && !series.data->points().empty()) {
            markersNeedRoom = true;
        }
    }
    if (!keys.found) {
        xAxis->setRange(0, 1);
        yAxis->setRange(0, 1);
        replot();
        return;
    }
    QCPRange keyRange = keys.range();
    if (barPoints > 0) {
        // Bars start at zero, and the outer bars need half the room of a point beside them.
        values.include(0);
        const double room = barPoints > 1 ? keyRange.size() / (barPoints - 1) : keyRange.size();
        keyRange = QCPRange(keyRange.lower - room / 2, keyRange.upper + room / 2);
        for (Series& series : series_) {
            if (series.bars != nullptr) series.bars->setWidth(kBarWidthShare * room);
        }
    }
    xAxis->setRange(keyRange);
    yAxis->setRange(values.range());
    // A hidden chart hears of no resize, so its layout would still have the default size.
    setViewport(rect());
    if (markersNeedRoom) {
        // The room is measured on the axis rectangle the unpadded ranges give.
        updateLayout();
        const double padding = kMarkerHalfSize + 1;
        xAxis->setRange(Padded(keyRange, padding, axisRect()->width()));
        yAxis->setRange(Padded(values.range(), padding, axisRect()->height()));
    }
    replot();
}

QStringList MirrorChart::markTexts(int series) const {
    const ValueMarks* marks = series_.at(series).marks;
    return marks != nullptr ? marks->texts() : QStringList();
}

QStringList MirrorChart::bottomLabels() const {
    const QVector<QString> labels = xAxis->tickVectorLabels();
    return QStringList(labels.begin(), labels.end());
}

std::vector<DrawnSeries> MirrorChart::drawnSeries() const {
    std::vector<DrawnSeries> drawn;
    for (const Series& series : series_) {
        DrawnSeries pixels;
        pixels.kind = series.look.kind;
        for (const ChartPoint& point : series.data->points()) {
            pixels.points.push_back({xAxis->coordToPixel(point.x), yAxis->coordToPixel(point.y)});
        }
        pixels.zeroY = yAxis->coordToPixel(0);
        if (series.bars != nullptr) {
            pixels.barHalfWidth =
                std::abs(xAxis->coordToPixel(series.bars->width()) - xAxis->coordToPixel(0)) / 2;
        }
        drawn.push_back(std::move(pixels));
    }
    return drawn;
}

void MirrorChart::readValue(const SeriesHit& hit) {
    const long double value = series_.at(hit.series).data->points().at(hit.point).y;
    setToolTip(QString::fromStdString(FormatString("%.6n", {value}, separators_)));
    emit seriesClicked(hit.series, hit.point);
}

void MirrorChart::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    pressPos_ = pos;
    lastPos_ = pos;
    drag_ = Drag::None;
    if (description_.readsClickedValues) {
        if (const auto hit = HitSeries(drawnSeries(), {double(pos.x()), double(pos.y())})) {
            readValue(*hit);
            if (event->button() == Qt::RightButton) drag_ = Drag::RightPress;
            return;
        }
    }
    if (event->button() == Qt::LeftButton) {
        drag_ = Drag::RubberBand;
        if (!rubberBand_) rubberBand_ = new QRubberBand(QRubberBand::Rectangle, this);
        rubberBand_->setGeometry(QRect(pos, QSize()));
        rubberBand_->show();
    } else if (event->button() == Qt::RightButton) {
        drag_ = Drag::Scroll;
    }
}

void MirrorChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (drag_ == Drag::RubberBand) {
        rubberBand_->setGeometry(QRect(pressPos_, pos).normalized());
    } else if (drag_ == Drag::Scroll) {
        xAxis->moveRange(xAxis->pixelToCoord(lastPos_.x()) - xAxis->pixelToCoord(pos.x()));
        yAxis->moveRange(yAxis->pixelToCoord(lastPos_.y()) - yAxis->pixelToCoord(pos.y()));
        lastPos_ = pos;
        replot();
    }
}

void MirrorChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const Drag drag = std::exchange(drag_, Drag::None);
    if (drag == Drag::RubberBand) {
        rubberBand_->hide();
        switch (RubberBandOutcome(pressPos_.x(), pressPos_.y(), pos.x(), pos.y())) {
            case DragOutcome::ZoomIn:
                zoomInto(QRect(pressPos_, pos));
                break;
            case DragOutcome::FullView:
                restoreFullView();
                break;
            case DragOutcome::Nothing:
                break;
        }
    } else if (description_.hasContextMenu && (drag == Drag::Scroll || drag == Drag::RightPress)) {
        if ((pos - pressPos_).manhattanLength() < kScrollStart) {
            openContextMenu(pos, event->globalPosition().toPoint());
        }
    }
}

void MirrorChart::zoomInto(const QRect& band) {
    xAxis->setRange(xAxis->pixelToCoord(band.left()), xAxis->pixelToCoord(band.right()));
    yAxis->setRange(yAxis->pixelToCoord(band.bottom()), yAxis->pixelToCoord(band.top()));
    replot();
}

// The context menu belongs to whatever holds the chart. It opens when the right button is
// released without a scroll, so the press can still start one; the request the press itself
// raises is dropped.
void MirrorChart::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

// QCustomPlot keeps mouse events, context menus among them, from reaching its parents, so the
// request is handed to the holder directly.
void MirrorChart::openContextMenu(const QPoint& pos, const QPoint& globalPos) {
    QWidget* holder = parentWidget();
    if (holder == nullptr) return;
    QContextMenuEvent menu(QContextMenuEvent::Mouse, mapToParent(pos), globalPos);
    QCoreApplication::sendEvent(holder, &menu);
}

}  // namespace zelvaro
