#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ui/charts/mirror_chart.h"
#include "ui/error_report.h"
#include "ui/results/page_fit.h"
#include "ui/results/results_window.h"
#include "ui/user_dialogs.h"
#include "ui/wait_cursor.h"

namespace zelvaro {

namespace {

// A picture drawn finer than the screen keeps text sharp on paper. Twice is enough: the charts'
// one-pixel lines grow thinner with every step and would fade on paper.
constexpr int kFinestPicture = 2;

// The window as it prints: the title in the strip of the tool bar and a white background.
// Everything is as it was when the page is done, also after an error.
class PrintLook {
  public:
    PrintLook(QWidget& window, QToolBar& toolBar, QLabel& title)
        : window_(window),
          toolBar_(toolBar),
          title_(title),
          palette_(window.palette()),
          toolBarShown_(!toolBar.isHidden()),
          titleShown_(!title.isHidden()) {
        QPalette white = palette_;
        white.setColor(QPalette::Window, Qt::white);
        window_.setPalette(white);
        title_.show();
        toolBar_.hide();
    }
    ~PrintLook() {
        window_.setPalette(palette_);
        title_.setVisible(titleShown_);
        toolBar_.setVisible(toolBarShown_);
    }
    PrintLook(const PrintLook&) = delete;
    PrintLook& operator=(const PrintLook&) = delete;

  private:
    QWidget& window_;
    QToolBar& toolBar_;
    QLabel& title_;
    QPalette palette_;
    bool toolBarShown_;
    bool titleShown_;
};

// Charts draw from pictures of their own; for a finer page they draw them finer for a while.
class FineCharts {
  public:
    FineCharts(const std::array<MirrorChart*, 4>& charts, int scale) : charts_(charts) {
        for (MirrorChart* chart : charts_) setRatio(*chart, scale);
    }
    ~FineCharts() {
        for (MirrorChart* chart : charts_) setRatio(*chart, chart->devicePixelRatioF());
    }
    FineCharts(const FineCharts&) = delete;
    FineCharts& operator=(const FineCharts&) = delete;

  private:
    static void setRatio(MirrorChart& chart, double ratio) {
        if (chart.bufferDevicePixelRatio() == ratio) return;
        chart.setBufferDevicePixelRatio(ratio);
        chart.replot(QCustomPlot::rpImmediateRefresh);
    }
    const std::array<MirrorChart*, 4>& charts_;
};

int PictureScaleFor(const QPaintDevice& page) {
    const double across = double(page.width()) / TfrmResultados::kWidth;
    return std::clamp(static_cast<int>(std::ceil(across)), 1, kFinestPicture);
}

}  // namespace

PrintOutcome TfrmResultados::PrintResults() {
    UserDialogs& dialogs = *sources_.dialogs;
    if (!sources_.hasPrinter()) {
        dialogs.reportError(
            ErrorReportText(QStringLiteral("There is no default printer currently selected")));
        return PrintOutcome::NoPrinter;
    }
    if (!dialogs.choosePrinter(*sources_.printer)) return PrintOutcome::Cancelled;
    const bool printed = RunReportingErrors(dialogs, [this] {
        const WaitCursor wait;
        const PrintLook look(*this, *toolBar_, *title_);
        showResults();
        printPage();
    });
    return printed ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void TfrmResultados::printPage() {
    QPrinter& printer = *sources_.printer;
    printer.setDocName(QString());
    drawPage(printer);
    if (printer.printerState() == QPrinter::Error)
        throw std::runtime_error("A página não pôde ser impressa");
}

void TfrmResultados::drawPage(QPaintDevice& page) {
    const PrintLook look(*this, *toolBar_, *title_);
    const int scale = PictureScaleFor(page);
    QImage picture(QSize(kWidth, kHeight) * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    {
        const FineCharts fine(charts_, scale);
        render(&picture);
    }
    QPainter painter;
    if (!painter.begin(&page)) throw std::runtime_error("A página não pôde ser iniciada");
    const PixelSize size = FitToPage({kWidth, kHeight}, {page.width(), page.height()});
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, static_cast<int>(size.width), static_cast<int>(size.height)),
                      picture);
    if (!painter.end()) throw std::runtime_error("A página não pôde ser terminada");
}

}  // namespace zelvaro
