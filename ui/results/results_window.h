#pragma once

#include <QIcon>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "core/mirror_fields.h"

class QLabel;
class QLineEdit;
class QPrinter;
class QToolBar;

namespace zelvaro {

class MirrorChart;
class ModelSignals;
class NoteBox;
class NumericField;
class Project;
class UserDialogs;

// What the results window is shown over.
struct ResultsWindowSources {
    Project* project = nullptr;
    ModelSignals* modelSignals = nullptr;
    // The main window's four charts, which the window's charts follow.
    std::array<MirrorChart*, 4> charts{};
    // The display pattern a main-window field shows now.
    std::function<std::string(MirrorField)> displayPattern;
    UserDialogs* dialogs = nullptr;
    // The printer the printer set-up configures, shared with the main window.
    QPrinter* printer = nullptr;
    // False when the system has no printer at all.
    std::function<bool()> hasPrinter;
    QIcon printIcon;
    QIcon closeIcon;
};

// How a print command ended.
enum class PrintOutcome { Printed, Cancelled, NoPrinter, Failed };

// The results window (frmResultados): the four charts, the mirror's data, what the reduction
// computed and the note of the current measuring run, on one printable page. Its fields are a
// snapshot of the main window taken each time it is shown; only its charts follow the main
// window's, and only the note can be edited.
class TfrmResultados : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 846;
    static constexpr int kHeight = 821;

    explicit TfrmResultados(ResultsWindowSources sources, QWidget* parent = nullptr);
    ~TfrmResultados() override;

    // Visible and in front. Coming from hidden, the fields are taken anew from the main window.
    void showResults();
    // Asks for the printer and prints the page. Errors are reported here.
    PrintOutcome PrintResults();
    // The page as it prints: the title shown, no tool bar, a white background.
    void drawPage(QPaintDevice& page);

    const std::array<MirrorChart*, 4>& charts() const { return charts_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildToolBar();
    void buildCharts();
    QWidget* buildValuesPanel();
    NumericField* addField(QWidget* panel, MirrorField field, const char* label, int x, int labelY,
                           int fieldY);
    void FormShow();
    void copySeriesFormats();
    void copyFields();
    void showTitle();
    void printPage();

    ResultsWindowSources sources_;
    QToolBar* toolBar_ = nullptr;
    QLabel* title_ = nullptr;
    std::array<MirrorChart*, 4> charts_{};
    std::array<NumericField*, kMirrorFieldCount> fields_{};
    QLineEdit* originZone_ = nullptr;
    QLabel* movingSource_ = nullptr;
    QLineEdit* peakWaves_ = nullptr;
    QLineEdit* peakFraction_ = nullptr;
    NoteBox* note_ = nullptr;
    bool shownBefore_ = false;
};

}  // namespace zelvaro
