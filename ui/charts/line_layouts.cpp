#include "ui/charts/line_layouts.h"

#include <QPainter>
#include <algorithm>

namespace zelvaro {

namespace {

// Beyond this many texts the kept lines are dropped, so ever new texts (ticks while zooming)
// do not grow them without end.
constexpr int kKeptTexts = 4096;
// The line width drawText lays a line out with when it is not to wrap.
constexpr double kUnboundedWidth = 0x01000000;

}  // namespace

bool LineLayouts::IsPlainLine(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') ||
               c == QLatin1Char('&') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
}

const LineLayouts::Line& LineLayouts::of(const QString& text, const QPainter& painter) {
    use(painter.font(), painter);
    return of(text);
}

void LineLayouts::use(const QFont& font, const QPainter& painter) {
    device_ = painter.device();
    const QSize dpi(device_->logicalDpiX(), device_->logicalDpiY());
    if (font != font_ || dpi != dpi_ || painter.layoutDirection() != direction_) {
        lines_.clear();
        font_ = font;
        dpi_ = dpi;
        direction_ = painter.layoutDirection();
    }
}

const LineLayouts::Line& LineLayouts::of(const QString& text) {
    if (lines_.size() >= kKeptTexts) lines_.clear();
    auto found = lines_.constFind(text);
    if (found != lines_.constEnd()) return *found;
    auto layout = std::make_shared<QTextLayout>(text, font_, device_);
    QTextOption option;
    option.setTextDirection(direction_);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(kUnboundedWidth);
    line.setPosition(QPointF(0, 0));
    layout->endLayout();
    const double width = QFontMetricsF(font_, device_).horizontalAdvance(text);
    return *lines_.insert(text, Line{std::move(layout), width});
}

}  // namespace zelvaro
