#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/mirror_fields.h"
#include "data/project.h"
#include "format/separators.h"
#include "ui/main_actions.h"
#include "ui/user_dialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace zelvaro {

class MeasurementGrid;
class MirrorChart;
class ModelSignals;
class NumericField;
class ReductionTableModel;
class ReductionTableView;
class HelpSystem;
class TfrmResultados;
class TfrmSobre;
class ZoneRadiusEditor;
struct ModelChanges;

// What the main window takes from outside; tests pass their own.
struct WindowEnvironment {
    // The message boxes and file dialogs; none: the window system's.
    UserDialogs* dialogs = nullptr;
    // The user's separators, read at start and on every change of the locale; none: the
    // system locale's.
    std::function<Separators()> readSeparators;
    // The clock of new measurement rows; none: the local time.
    MeasurementTable::Clock clock;
    // The settings file; none: the executable's path with ".INI", or the same name in the
    // user's configuration folder where the executable's folder cannot be written.
    QString settingsPath;
    // Whether the system has a printer at all; none: asks the printing system.
    std::function<bool()> hasPrinter;
};

// The main window: a view and controller over the one open project. Its fields, lists and
// grid call the project's commands; what changed comes back once per command through
// ModelSignals and each view redraws from the project.
class TfrmPrincipal : public QMainWindow {
    Q_OBJECT

  public:
    using Environment = WindowEnvironment;

    explicit TfrmPrincipal(WindowEnvironment environment = {}, QWidget* parent = nullptr);
    ~TfrmPrincipal() override;

    Project& project() { return *project_; }
    TfrmResultados& results() { return *results_; }
    const MainActions& mainActions() const { return actions_; }

    // A project file named from outside (the command line, a file manager): opened as
    // "&Abrir" opens the file chosen in its dialog.
    void openFile(const QString& path);

    // "Usar notação científica." and its reverse: every numeric field shows `pattern`.
    void ApplyDisplayFormat(const std::string& pattern);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Layout
    void buildLayout();
    QWidget* buildDataGroup();
    QWidget* buildRadiusGroup();
    QWidget* buildCalculatedGroup();
    QWidget* buildPages();
    NumericField* addField(QWidget* group, MirrorField field, int top);
    void setHelpTopics();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void setHint(QWidget* widget, const QString& hint);

    // Wiring
    void connectFields();
    void connectActions();
    void enableHandledActions();

    // Commands
    void actNovoExecute();
    void actAbreExecute();
    void actSalvarExecute();
    void actReduzirExecute();
    void actLimpaDadosExecute();
    void actInserirExecute();
    void actConfigurarImpressaoExecute();
    void actResultadosExecute();
    void actImprimirExecute();
    void createResultsWindow(std::function<bool()> hasPrinter);
    void CheckBox2Click();
    void CheckBox3Click();
    void Sobre1Click();
    void actAjudaExecute();
    void Ajuda3Click();
    // F1: the topic of the focused control or of its nearest enclosing one that has one.
    void showHelpForFocus();
    // FormCreate's reading of the settings, and FormClose's writing.
    void applySettings();
    void writeSettings();
    // Asks "Deseja salvar?" when the project has changed since it was opened or saved and
    // saves on Yes; false when the user cancelled (or the save failed), so nothing may go on.
    bool settleUnsavedChanges();
    std::optional<QString> chooseSaveFile();
    bool saveTo(const QString& path);
    void loadFrom(const QString& path);
    void reduce();
    void runCommand(const std::function<void()>& command);

    // Refreshing the views
    void refresh(const ModelChanges& changes);
    void refreshFields(const ModelChanges& changes);
    void refreshOriginZoneList();
    void refreshPeakErrorTexts();
    void refreshCharts();
    void refreshTesterType();
    void refreshStatusBar();
    void refreshAllTexts();
    void readSeparators();

    std::function<Separators()> readSeparators_;
    std::unique_ptr<QtUserDialogs> ownDialogs_;
    UserDialogs* dialogs_;
    std::unique_ptr<Project> project_;
    ModelSignals* signals_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QString settingsPath_;
    TfrmResultados* results_ = nullptr;
    TfrmSobre* about_ = nullptr;
    std::unique_ptr<HelpSystem> help_;
    MainActions actions_{};

    std::array<NumericField*, kMirrorFieldCount> fields_{};
    QComboBox* originZones_ = nullptr;
    ZoneRadiusEditor* radiusEditor_ = nullptr;
    QCheckBox* autoRadiiBox_ = nullptr;
    QCheckBox* movingSourceBox_ = nullptr;
    QCheckBox* hintsBox_ = nullptr;
    QCheckBox* scientificBox_ = nullptr;
    QLineEdit* peakWaves_ = nullptr;
    QLineEdit* peakFraction_ = nullptr;
    MeasurementGrid* grid_ = nullptr;
    QTabWidget* pages_ = nullptr;
    std::array<MirrorChart*, 4> charts_{};
    ReductionTableView* variables_ = nullptr;
    QPushButton* reduceButton_ = nullptr;
    QToolButton* resultsToolButton_ = nullptr;
    QLabel* recordPanel_ = nullptr;
    QLabel* parabolaPanel_ = nullptr;

    // DecimalPattern: the fields' pattern once scientific notation is switched off again.
    std::string decimalPattern_;
    // StartDirectory: the first folder of the open and save dialogs.
    QString startDirectory_;
    // The file names the open and save dialogs propose.
    QString openDialogFile_;
    QString saveDialogFile_;
};

}  // namespace zelvaro
