// How the main window's views follow the project: once per command, from what it changed.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "core/symbol_text.h"
#include "format/format_string.h"
#include "ui/charts/mirror_chart.h"
#include "ui/fields/numeric_field.h"
#include "ui/grid/measurement_grid.h"
#include "ui/grid/measurement_model.h"
#include "ui/main_window.h"
#include "ui/model_signals.h"
#include "ui/radii/zone_radius_editor.h"
#include "ui/variables/reduction_table_view.h"

namespace zelvaro {

void TfrmPrincipal::refresh(const ModelChanges& changes) {
    if (changes.has(MirrorChange::Separators)) {
        refreshAllTexts();
        return;
    }
    refreshFields(changes);
    if (changes.has(MirrorChange::ZoneRadiusList)) radiusEditor_->refill();
    if (changes.has(MirrorChange::TesterType)) refreshTesterType();
    if (changes.has(MirrorChange::OriginZoneList) ||
        changes.has(MirrorChange::ReductionZoneIndex)) {
        refreshOriginZoneList();
    }
    if (changes.has(MirrorChange::ReductionTableColumns)) {
        variables_->rebuildColumns();
    } else if (changes.has(MirrorChange::ReductionTableCells)) {
        variables_->refreshCells();
    }
    if (changes.has(MirrorChange::PeakErrorTexts)) refreshPeakErrorTexts();
    if (changes.has(MirrorChange::ChartDatasetsClosed) ||
        changes.has(MirrorChange::ChartDatasetsFilled)) {
        refreshCharts();
    }
    if (changes.tableReset) grid_->measurementModel().reset();
    if (changes.tableReset || changes.tableData || changes.has(MirrorChange::ParabolaZoneIndex)) {
        refreshStatusBar();
    }
}

void TfrmPrincipal::refreshFields(const ModelChanges& changes) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto field = static_cast<MirrorField>(i);
        if (changes.mirror.test(i)) fields_[i]->setValue(project_->mirror().fieldValue(field));
    }
}

void TfrmPrincipal::refreshOriginZoneList() {
    const Mirror& mirror = project_->mirror();
    QStringList items;
    for (const std::string& item : mirror.originZoneList()) items << QString::fromStdString(item);
    const QSignalBlocker blocker(originZones_);
    if (originZones_->count() != items.size() ||
        (!items.isEmpty() && originZones_->itemText(items.size() - 1) != items.last())) {
        originZones_->clear();
        originZones_->addItems(items);
    }
    originZones_->setCurrentIndex(mirror.originZoneSelection());
}

void TfrmPrincipal::refreshTesterType() {
    const QSignalBlocker blocker(movingSourceBox_);
    movingSourceBox_->setChecked(project_->mirror().movingSource());
}

void TfrmPrincipal::refreshCharts() {
    const Mirror& mirror = project_->mirror();
    for (MirrorChart* chart : charts_) chart->rebuild(mirror.chartDatasets(), mirror.separators());
}

void TfrmPrincipal::refreshPeakErrorTexts() {
    const PeakErrorTexts& texts = project_->mirror().peakErrorTexts();
    peakWaves_->setText(QString::fromStdString(symbolText(texts.waves)));
    peakFraction_->setText(QString::fromStdString(symbolText(texts.fraction)));
}

void TfrmPrincipal::refreshStatusBar() {
    const MeasurementTable& table = project_->table();
    const Separators& seps = project_->mirror().separators();
    recordPanel_->setText(QString::fromStdString(FormatString(
        "Registro %d/%d",
        {static_cast<long long>(table.position()), static_cast<long long>(table.rowCount())},
        seps)));
    const auto parabolaZone = static_cast<long long>(table.parabolaZone().value_or(0));
    parabolaPanel_->setText(QString::fromStdString(
        FormatString("Zona da parábola de referência = H%d", {parabolaZone + 1}, seps)));
    const QAction* results = actionOf(actions_, MainAction::Resultados);
    resultsToolButton_->setEnabled(results->isEnabled() && table.rowCount() > 0);
}

void TfrmPrincipal::refreshAllTexts() {
    const Mirror& mirror = project_->mirror();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setSeparators(mirror.separators());
        fields_[i]->setValue(mirror.fieldValue(static_cast<MirrorField>(i)));
    }
    radiusEditor_->refill();
    refreshOriginZoneList();
    variables_->rebuildColumns();
    refreshPeakErrorTexts();
    refreshCharts();
    grid_->measurementModel().refreshTexts();
    refreshStatusBar();
}

}  // namespace zelvaro
