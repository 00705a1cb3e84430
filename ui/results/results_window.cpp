#include "ui/results/results_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

#include "data/project.h"
#include "ui/charts/chart_description.h"
#include "ui/charts/mirror_chart.h"
#include "ui/fields/numeric_field.h"
#include "ui/model_signals.h"
#include "ui/results/note_box.h"

namespace zelvaro {

namespace {

constexpr int kPanelLabelX = 10;
constexpr int kPanelFieldX = 160;
constexpr int kComputedLabelX = 345;
constexpr int kComputedFieldX = 495;
constexpr int kFieldWidth = 91;
constexpr int kFieldHeight = 21;

QFont ArialOf(int points, bool bold = false) {
    QFont font(QStringLiteral("Arial"), points);
    font.setBold(bold);
    return font;
}

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y, bool bold = false) {
    auto* label = new QLabel(text, parent);
    if (bold) label->setFont(ArialOf(8, true));
    label->adjustSize();
    label->move(x, y);
    return label;
}

QLineEdit* AddTextBox(QWidget* parent, const char* name, const QRect& at) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setGeometry(at);
    return box;
}

}  // namespace

TfrmResultados::TfrmResultados(ResultsWindowSources sources, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      sources_(std::move(sources)) {
    setObjectName(QStringLiteral("frmResultados"));
    setWindowTitle(QStringLiteral("Resultados"));
    setFont(ArialOf(8));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, look.color(QPalette::Button));
    setPalette(look);

    buildToolBar();
    title_ = new QLabel(QStringLiteral("Resultados"), this);
    title_->setObjectName(QStringLiteral("Label12"));
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title_->setFont(ArialOf(12, true));
    title_->setGeometry(10, 10, 826, 19);
    title_->hide();
    buildCharts();
    buildValuesPanel();

    AddLabel(this, QStringLiteral("Observações:"), 620, 595, true);
    note_ = new NoteBox(sources_.project->table(), *sources_.dialogs, this);
    note_->setObjectName(QStringLiteral("DBMemo1"));
    note_->setAccessibleName(QStringLiteral("Observações:"));
    note_->setGeometry(620, 610, 211, 194);
    note_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(sources_.modelSignals, &ModelSignals::changed, note_,
            [this](const ModelChanges& changes) {
                if (changes.tableReset || changes.tableData) note_->showCurrentRow();
            });
}

TfrmResultados::~TfrmResultados() = default;

void TfrmResultados::buildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setGeometry(0, 0, kWidth, 29);
    toolBar_->setFocusPolicy(Qt::NoFocus);
    QAction* print = toolBar_->addAction(sources_.printIcon, QStringLiteral("Imprime"));
    print->setObjectName(QStringLiteral("ToolButton1"));
    connect(print, &QAction::triggered, this, [this] { PrintResults(); });
    auto* gap = new QWidget;
    gap->setFixedWidth(8);
    toolBar_->addWidget(gap);
    QAction* close = toolBar_->addAction(sources_.closeIcon, QStringLiteral("Fecha formulário"));
    close->setObjectName(QStringLiteral("ToolButton2"));
    connect(close, &QAction::triggered, this, &QWidget::close);
    for (QWidget* button : toolBar_->findChildren<QWidget*>()) button->setFocusPolicy(Qt::NoFocus);
}

void TfrmResultados::buildCharts() {
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        const ChartDescription& description = ResultsWindowCharts()[i];
        charts_[i] = new MirrorChart(description, *sources_.charts[i], this);
        const ChartPlacement& at = description.placement;
        charts_[i]->setGeometry(at.x, at.y, at.width, at.height);
        charts_[i]->setFocusPolicy(Qt::NoFocus);
    }
}

// Nothing in the panel takes the focus or input, yet it reads as clearly as when enabled.
QWidget* TfrmResultados::buildValuesPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(15, 598, 596, 206);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setAttribute(Qt::WA_TransparentForMouseEvents);

    AddLabel(panel, QStringLiteral("Dados:"), 10, 5, true);
    movingSource_ = AddLabel(panel, QStringLiteral("Fonte móvel"), kPanelFieldX, 5, true);
    movingSource_->setObjectName(QStringLiteral("lblFonteMovel"));
    movingSource_->hide();
    addField(panel, MirrorField::D, "Diâmetro do espelho (D):", kPanelLabelX, 31, 27);
    addField(panel, MirrorField::R, "Raio de curvatura (R):", kPanelLabelX, 56, 52);
    addField(panel, MirrorField::ZoneCount, "Número de zonas:", kPanelLabelX, 81, 77);
    addField(panel, MirrorField::Lambda, "Comprimento de onda da luz:", kPanelLabelX, 105, 102);
    addField(panel, MirrorField::b, "Coef. de deformação:", kPanelLabelX, 131, 127);
    addField(panel, MirrorField::k, "Constante de correção k:", kPanelLabelX, 156, 153);
    QLabel* originLabel = AddLabel(panel, QStringLiteral("Zona de referência:"), 10, 181);
    originZone_ = AddTextBox(panel, "Edit1", QRect(kPanelFieldX, 178, kFieldWidth, 20));
    originLabel->setBuddy(originZone_);

    AddLabel(panel, QStringLiteral("Calculados:"), kComputedLabelX, 5, true);
    addField(panel, MirrorField::f, "Distância focal (f):", kComputedLabelX, 31, 27);
    addField(panel, MirrorField::fD, "Relação focal (fD):", kComputedLabelX, 56, 52);
    addField(panel, MirrorField::p, "Raio do disco de difração (p):", kComputedLabelX, 81, 77);
    addField(panel, MirrorField::Rms, "Erro RMS:", kComputedLabelX, 106, 102);
    addField(panel, MirrorField::Strehl, "Razão de Strehl:", kComputedLabelX, 131, 127);
    QLabel* peakLabel =
        AddLabel(panel, QStringLiteral("Maior erro na frente de onda:"), kComputedLabelX, 161);
    peakWaves_ = AddTextBox(panel, "Memo2", QRect(345, 178, 110, 20));
    peakFraction_ = AddTextBox(panel, "Memo3", QRect(476, 178, 110, 20));
    peakLabel->setBuddy(peakWaves_);
    for (QLineEdit* box : {peakWaves_, peakFraction_}) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setAccessibleName(QStringLiteral("Maior erro na frente de onda"));
    }
    auto* either = new QLabel(QStringLiteral("ou"), panel);
    either->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    either->setGeometry(455, 182, 21, 13);

    for (QWidget* child : panel->findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
    return panel;
}

NumericField* TfrmResultados::addField(QWidget* panel, MirrorField field, const char* label, int x,
                                       int labelY, int fieldY) {
    auto* edit = new NumericField(panel);
    const MirrorFieldDescription& description = DescriptionOf(field);
    edit->setObjectName(QString::fromUtf8(description.objectName.data(),
                                          static_cast<qsizetype>(description.objectName.size())));
    if (field == MirrorField::ZoneCount) edit->setBounds(1, 999);
    edit->setReadOnly(true);
    edit->setGeometry(x == kPanelLabelX ? kPanelFieldX : kComputedFieldX, fieldY, kFieldWidth,
                      kFieldHeight);
    QLabel* caption = AddLabel(panel, QString::fromUtf8(label), x, labelY);
    caption->setBuddy(edit);
    fields_[static_cast<std::size_t>(field)] = edit;
    return edit;
}

}  // namespace zelvaro
