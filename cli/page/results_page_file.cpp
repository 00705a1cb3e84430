#include "cli/page/results_page_file.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <array>
#include <memory>

#include "data/project.h"
#include "ui/charts/chart_description.h"
#include "ui/charts/mirror_chart.h"
#include "ui/model_signals.h"
#include "ui/results/results_window.h"
#include "ui/user_dialogs.h"

namespace zelvaro {

namespace {

// Margins of a printed page, where most printers cannot print anyway.
constexpr qreal kPageMarginMillimetres = 10;

// Answers nothing: a page written to a file asks no questions, and errors go up as such.
class NoDialogs : public QtUserDialogs {
  public:
    void reportError(const QString& text) override { throw PageFileError(text.toStdString()); }
};

// The main window's charts, as the results window follows them, without the main window.
struct MainCharts {
    std::array<std::unique_ptr<MirrorChart>, 4> owned;
    std::array<MirrorChart*, 4> charts{};

    explicit MainCharts(const Mirror& mirror) {
        for (std::size_t i = 0; i < owned.size(); ++i) {
            owned[i] = std::make_unique<MirrorChart>(MainWindowCharts()[i]);
            const ChartPlacement& at = MainWindowCharts()[i].placement;
            owned[i]->resize(at.width, at.height);
            owned[i]->rebuild(mirror.chartDatasets(), mirror.separators());
            charts[i] = owned[i].get();
        }
    }
};

void WritePng(TfrmResultados& results, const QString& path) {
    QImage page(TfrmResultados::kWidth, TfrmResultados::kHeight, QImage::Format_RGB32);
    results.drawPage(page);
    QImageWriter writer(path, "png");
    if (!writer.write(page)) throw PageFileError(writer.errorString().toStdString());
}

void WritePdf(TfrmResultados& results, const QString& path) {
    QPdfWriter pdf(path);
    pdf.setCreator(QStringLiteral("Zelvaro"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                            kPageMarginMillimetres, kPageMarginMillimetres),
                                  QPageLayout::Millimeter));
    results.drawPage(pdf);
}

}  // namespace

void WriteResultsPage(Project& project, const QString& path) {
    const QString kind = QFileInfo(path).suffix().toLower();
    if (kind != QLatin1String("png") && kind != QLatin1String("pdf"))
        throw PageFileError("a página é escrita em .png ou .pdf");
    ModelSignals modelSignals(project);
    const MainCharts main(project.mirror());
    NoDialogs dialogs;
    QPrinter printer;
    ResultsWindowSources sources;
    sources.project = &project;
    sources.modelSignals = &modelSignals;
    sources.charts = main.charts;
    sources.displayPattern = [](MirrorField field) {
        return std::string(DescriptionOf(field).displayPattern);
    };
    sources.dialogs = &dialogs;
    sources.printer = &printer;
    sources.hasPrinter = [] { return false; };
    TfrmResultados results(std::move(sources));
    // Shown, so that it takes its fields from the project as on the screen.
    results.show();
    if (kind == QLatin1String("png"))
        WritePng(results, path);
    else
        WritePdf(results, path);
}

}  // namespace zelvaro
