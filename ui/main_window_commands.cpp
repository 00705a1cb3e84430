// The commands of the main window: new, open, save, reduce, the table's commands and the
// question that keeps typed data from being lost.
#include <QAction>
#include <QFileInfo>
#include <QPrinter>

#include "core/reduction_errors.h"
#include "data/project_file_error.h"
#include "ui/error_report.h"
#include "ui/fields/numeric_field.h"
#include "ui/grid/measurement_grid.h"
#include "ui/main_window.h"
#include "ui/results/results_window.h"
#include "ui/wait_cursor.h"

namespace zelvaro {

namespace {

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

bool TfrmPrincipal::settleUnsavedChanges() {
    grid_->finishEditing();
    if (!project_->isModified()) return true;
    switch (dialogs_->askYesNoCancel(QStringLiteral("Deseja salvar?"))) {
        case UserDialogs::Answer::Cancel:
            return false;
        case UserDialogs::Answer::No:
            return true;
        case UserDialogs::Answer::Yes:
            break;
    }
    QString path = project_->filePath();
    if (path.isEmpty()) {
        const std::optional<QString> chosen = chooseSaveFile();
        if (!chosen) return false;
        path = *chosen;
    }
    return saveTo(path);
}

std::optional<QString> TfrmPrincipal::chooseSaveFile() {
    return dialogs_->saveFileName(startDirectory_, saveDialogFile_);
}

bool TfrmPrincipal::saveTo(const QString& path) {
    saveDialogFile_ = path;
    bool saved = false;
    {
        const WaitCursor wait;
        saved = RunReportingErrors(*dialogs_, [&] { project_->save(path); });
    }
    if (saved) setWindowTitle(QStringLiteral("Zelvaro - %1").arg(fileNameOf(path)));
    return saved;
}

void TfrmPrincipal::actNovoExecute() {
    if (settleUnsavedChanges()) {
        runCommand([this] { project_->startNew(); });
        openDialogFile_.clear();
        saveDialogFile_.clear();
        setWindowTitle(QStringLiteral("Zelvaro"));
    }
    fields_[static_cast<std::size_t>(MirrorField::D)]->setFocus();
}

void TfrmPrincipal::actAbreExecute() {
    if (!settleUnsavedChanges()) return;
    const std::optional<QString> chosen = dialogs_->openFileName(startDirectory_, openDialogFile_);
    if (!chosen) return;
    openDialogFile_ = *chosen;
    saveDialogFile_ = *chosen;
    loadFrom(*chosen);
}

void TfrmPrincipal::openFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    openDialogFile_ = absolute;
    saveDialogFile_ = absolute;
    loadFrom(absolute);
}

void TfrmPrincipal::loadFrom(const QString& path) {
    enum class Outcome { Opened, ReductionFailed, Failed } outcome = Outcome::Opened;
    QString reductionMessage;
    {
        const WaitCursor wait;
        try {
            project_->load(path);
        } catch (const ReductionFailed& error) {
            outcome = Outcome::ReductionFailed;
            reductionMessage = QString::fromUtf8(error.what());
        } catch (const std::exception&) {
            outcome = Outcome::Failed;
        }
    }
    if (outcome == Outcome::Failed) {
        // Nothing may ever be written to a file that failed to load.
        openDialogFile_.clear();
        saveDialogFile_.clear();
        dialogs_->inform(QStringLiteral("Erro ao carregar arquivo"));
        return;
    }
    setWindowTitle(QStringLiteral("Zelvaro - [%1]").arg(fileNameOf(path)));
    if (outcome == Outcome::ReductionFailed) dialogs_->reportError(reductionMessage);
}

void TfrmPrincipal::actSalvarExecute() {
    grid_->finishEditing();
    const std::optional<QString> chosen = chooseSaveFile();
    if (chosen) saveTo(*chosen);
}

void TfrmPrincipal::actReduzirExecute() {
    grid_->finishEditing();
    reduce();
}

void TfrmPrincipal::reduce() {
    QString failure;
    {
        const WaitCursor wait;
        try {
            project_->reduce();
        } catch (const ReductionFailed& error) {
            failure = QString::fromUtf8(error.what());
        } catch (const std::exception& error) {
            failure = ErrorReportText(QString::fromUtf8(error.what()));
        }
    }
    if (!failure.isEmpty()) dialogs_->reportError(failure);
}

void TfrmPrincipal::actLimpaDadosExecute() {
    grid_->finishEditing();
    if (dialogs_->askYesNo(QStringLiteral("Deseja apagar todos os dados?"))) {
        runCommand([this] { project_->table().clear(); });
    }
}

void TfrmPrincipal::actInserirExecute() {
    grid_->finishEditing();
    runCommand([this] { project_->table().append(); });
    grid_->moveToFirstReadingColumn();
    // The readings of the new run are typed next.
    grid_->setFocus();
}

void TfrmPrincipal::actConfigurarImpressaoExecute() {
    dialogs_->printerSetup(*printer_);
}

// Reduces only when the measurement table changed since the last reduction; a failed
// reduction is reported and the window shows the reset mirror.
void TfrmPrincipal::actResultadosExecute() {
    grid_->finishEditing();
    if (!project_->mirror().isReduced()) reduce();
    results_->showResults();
}

// The results window goes again once the page is printed or the print dialog cancelled; it
// stays when there is no printer or the page failed.
void TfrmPrincipal::actImprimirExecute() {
    const PrintOutcome outcome = results_->PrintResults();
    if (outcome == PrintOutcome::Printed || outcome == PrintOutcome::Cancelled) results_->close();
}

}  // namespace zelvaro
