#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShowEvent>

#include "core/symbol_text.h"
#include "data/project.h"
#include "format/format_string.h"
#include "ui/charts/mirror_chart.h"
#include "ui/error_report.h"
#include "ui/fields/numeric_field.h"
#include "ui/results/note_box.h"
#include "ui/results/results_window.h"

namespace zelvaro {

namespace {

constexpr MirrorField kCopiedFields[] = {
    MirrorField::D, MirrorField::R,   MirrorField::ZoneCount, MirrorField::Lambda,
    MirrorField::b, MirrorField::f,   MirrorField::fD,        MirrorField::p,
    MirrorField::k, MirrorField::Rms, MirrorField::Strehl,
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void TfrmResultados::showResults() {
    if (!shownBefore_) {
        shownBefore_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

// The snapshot is taken on the way from hidden to visible only; the window system's own
// showing (after a minimise) is no new show.
void TfrmResultados::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QWidget::showEvent(event);
}

void TfrmResultados::FormShow() {
    copySeriesFormats();
    copyFields();
    const Mirror& mirror = sources_.project->mirror();
    originZone_->setText(
        Text(FormatString("Zona %d", {static_cast<long long>(mirror.originZoneSelection() + 1)},
                          mirror.separators())));
    movingSource_->setVisible(mirror.movingSource());
    note_->showCurrentRow();
    const PeakErrorTexts& peak = mirror.peakErrorTexts();
    peakWaves_->setText(Text(symbolText(peak.waves)));
    peakFraction_->setText(Text(symbolText(peak.fraction)));
    showTitle();
}

// The series of one chart share their number format, at the start as after every change of
// the display notation.
void TfrmResultados::copySeriesFormats() {
    for (std::size_t chart = 0; chart < charts_.size(); ++chart)
        charts_[chart]->setValueFormat(sources_.charts[chart]->valueFormat(0));
}

void TfrmResultados::copyFields() {
    const Mirror& mirror = sources_.project->mirror();
    for (const MirrorField field : kCopiedFields) {
        NumericField* edit = fields_[static_cast<std::size_t>(field)];
        edit->setSeparators(mirror.separators());
        edit->setDisplayPattern(sources_.displayPattern(field));
        edit->setValue(mirror.fieldValue(field));
    }
}

void TfrmResultados::showTitle() {
    const auto valueOf = [this](MirrorField field) {
        return fields_[static_cast<std::size_t>(field)]->value();
    };
    const QString title = Text(FormatString("Resultados - [espelho %nmm - f/%.2n]",
                                            {valueOf(MirrorField::D), valueOf(MirrorField::fD)},
                                            sources_.project->mirror().separators()));
    title_->setText(title);
    setWindowTitle(title);
}

// A note typed here is stored before the window goes; when the row cannot be stored, the
// window stays so that nothing typed is lost.
void TfrmResultados::closeEvent(QCloseEvent* event) {
    MeasurementTable& table = sources_.project->table();
    const bool stored =
        table.isBrowsing() || RunReportingErrors(*sources_.dialogs, [&] { table.post(); });
    if (stored)
        event->accept();
    else
        event->ignore();
}

}  // namespace zelvaro
