#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

#include "data/locale_separators.h"
#include "ui/about/about_window.h"
#include "ui/app_icon.h"
#include "ui/error_report.h"
#include "ui/fields/numeric_field.h"
#include "ui/grid/measurement_grid.h"
#include "ui/grid/measurement_model.h"
#include "ui/help/help_system.h"
#include "ui/model_signals.h"
#include "ui/radii/zone_radius_editor.h"
#include "ui/results/results_window.h"
#include "ui/settings.h"
#include "ui/variables/reduction_table_view.h"

namespace zelvaro {

namespace {

// The client area under the menu: tool bar, panel and status bar.
constexpr int kClientWidth = 941;
// With the row of the tester's check box.
constexpr int kClientHeight = 735;

Separators systemSeparators() {
    return separatorsOf(QLocale::system());
}

}  // namespace

TfrmPrincipal::TfrmPrincipal(Environment environment, QWidget* parent)
    : QMainWindow(parent),
      readSeparators_(environment.readSeparators ? environment.readSeparators
                                                 : std::function<Separators()>(systemSeparators)),
      ownDialogs_(environment.dialogs ? nullptr : std::make_unique<QtUserDialogs>(this)),
      dialogs_(environment.dialogs ? environment.dialogs : ownDialogs_.get()),
      project_(std::make_unique<Project>(
          readSeparators_(),
          environment.clock ? environment.clock : MeasurementTable::Clock(&LocalDateTime::now))),
      printer_(std::make_unique<QPrinter>()),
      decimalPattern_(kDefaultDecimalPattern) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Zelvaro"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setWindowIcon(ZelvaroIcon());
    actions_ = CreateMainActions(this);
    buildLayout();
    buildToolBar();
    buildMenus();
    buildStatusBar();
    signals_ = new ModelSignals(*project_, this);
    connect(signals_, &ModelSignals::changed, this, &TfrmPrincipal::refresh);
    connect(signals_, &ModelSignals::rowChanged, &grid_->measurementModel(),
            &MeasurementModel::apply);
    connectFields();
    connectActions();
    enableHandledActions();
    settingsPath_ =
        environment.settingsPath.isEmpty()
            ? SettingsFilePath(QCoreApplication::applicationFilePath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            : environment.settingsPath;
    applySettings();
    createResultsWindow(std::move(environment.hasPrinter));
    about_ = new TfrmSobre(this);
    help_ = std::make_unique<HelpSystem>(this, *dialogs_);
    refreshAllTexts();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    qApp->installEventFilter(this);
}

void TfrmPrincipal::createResultsWindow(std::function<bool()> hasPrinter) {
    ResultsWindowSources sources;
    sources.project = project_.get();
    sources.modelSignals = signals_;
    sources.charts = charts_;
    sources.displayPattern = [this](MirrorField field) {
        return fields_[static_cast<std::size_t>(field)]->displayPattern();
    };
    sources.dialogs = dialogs_;
    sources.printer = printer_.get();
    sources.hasPrinter = hasPrinter ? std::move(hasPrinter) : [] {
        return !QPrinterInfo::availablePrinterNames().isEmpty();
    };
    sources.printIcon = actionOf(actions_, MainAction::Imprimir)->icon();
    sources.closeIcon = actionOf(actions_, MainAction::Sair)->icon();
    results_ = new TfrmResultados(std::move(sources), this);
}

TfrmPrincipal::~TfrmPrincipal() {
    qApp->removeEventFilter(this);
    help_.reset();
    // The views go before the project they show.
    delete results_;
    delete centralWidget();
    delete signals_;
}

void TfrmPrincipal::closeEvent(QCloseEvent* event) {
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
}

void TfrmPrincipal::applySettings() {
    const Settings settings =
        Settings::read(settingsPath_, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    decimalPattern_ = settings.decimalPattern.toStdString();
    startDirectory_ = settings.startDirectory;
    project_->mirror().setFractionalFormat(settings.fractionalFormat.toStdString());
    // Setting a box to another state runs its click handler, as a click would.
    autoRadiiBox_->setChecked(settings.autoRadii);
    hintsBox_->setChecked(settings.showHints);
    scientificBox_->setChecked(settings.scientific);
}

void TfrmPrincipal::writeSettings() {
    Settings settings;
    settings.decimalPattern = QString::fromStdString(decimalPattern_);
    // The folder of the file last chosen to open, empty when none was since the start or "Novo".
    settings.startDirectory = openDialogFile_.isEmpty()
                                  ? QString()
                                  : QFileInfo(openDialogFile_).absolutePath() + QLatin1Char('/');
    settings.fractionalFormat = QString::fromStdString(project_->mirror().fractionalFormat());
    settings.autoRadii = autoRadiiBox_->isChecked();
    settings.showHints = hintsBox_->isChecked();
    settings.scientific = scientificBox_->isChecked();
    runCommand([&] { settings.write(settingsPath_); });
}

void TfrmPrincipal::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) readSeparators();
    QMainWindow::changeEvent(event);
}

void TfrmPrincipal::readSeparators() {
    runCommand([this] { project_->mirror().setSeparators(readSeparators_()); });
}

void TfrmPrincipal::keyPressEvent(QKeyEvent* event) {
    // Enter in a control that does not use it runs the default button, "&Reduzir".
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (QAction* reduce = actionOf(actions_, MainAction::Reduzir); reduce->isEnabled()) {
            reduce->trigger();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool TfrmPrincipal::eventFilter(QObject* watched, QEvent* event) {
    // "Mostrar dicas." unticked: no control of the window shows its hint.
    if (event->type() == QEvent::ToolTip && !hintsBox_->isChecked()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && widget == QApplication::focusWidget()) {
            showHelpForFocus();
            return true;
        }
    }
    // The window's shortcuts win over a control's own: Ctrl+C in a field opens the printer
    // set-up instead of copying. A shortcut override left unaccepted lets the shortcut run.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QKeySequence pressed(key->keyCombination());
            for (const QAction* action : actions_) {
                if (action->isEnabled() && !action->shortcut().isEmpty() &&
                    action->shortcut() == pressed) {
                    event->ignore();
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmPrincipal::runCommand(const std::function<void()>& command) {
    RunReportingErrors(*dialogs_, command);
}

}  // namespace zelvaro
