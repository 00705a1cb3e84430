// The main window's layout: positions and sizes in pixels at 96 DPI, with anchors.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>

#include "ui/anchor_layout.h"
#include "ui/charts/mirror_chart.h"
#include "ui/fields/numeric_field.h"
#include "ui/grid/measurement_grid.h"
#include "ui/help/help_topic_of.h"
#include "ui/main_window.h"
#include "ui/radii/zone_radius_editor.h"
#include "ui/variables/reduction_table_view.h"

namespace zelvaro {

namespace {

// The client area under the tool bar and above the status bar.
constexpr QSize kClientSize(941, 667);
constexpr int kFieldLeft = 160;
constexpr int kFieldWidth = 91;
constexpr int kRowHeight = 21;
constexpr int kRowPitch = 24;
constexpr int kChartWidth = 406;
constexpr int kChartHeight = 276;
constexpr int kChartPitch = 414;
// The row of the tester's check box in " Dados: ", which moves everything under it down.
constexpr int kMovingSourceRow = 20;
constexpr int kDataGroupHeight = 196 + kMovingSourceRow;

QGroupBox* makeGroup(const char* objectName, const char* title, QSize size) {
    auto* group = new QGroupBox(QString::fromUtf8(title));
    group->setObjectName(QString::fromLatin1(objectName));
    new AnchorLayout(group, size);
    return group;
}

AnchorLayout* anchorsOf(QWidget* widget) {
    return static_cast<AnchorLayout*>(widget->layout());
}

}  // namespace

void TfrmPrincipal::setHint(QWidget* widget, const QString& hint) {
    widget->setProperty("hint", hint);
}

NumericField* TfrmPrincipal::addField(QWidget* group, MirrorField field, int top) {
    const MirrorFieldDescription& description = DescriptionOf(field);
    auto* edit = new NumericField;
    edit->setObjectName(QString::fromUtf8(description.objectName.data(),
                                          static_cast<qsizetype>(description.objectName.size())));
    edit->setDisplayPattern(std::string(description.displayPattern));
    edit->setBounds(description.minValue, description.maxValue);
    edit->setSeparators(project_->mirror().separators());
    edit->setValue(project_->mirror().fieldValue(field));
    if (!description.editable) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    }
    setHint(edit, QString::fromUtf8(description.hint.data(),
                                    static_cast<qsizetype>(description.hint.size())));
    auto* label = new QLabel(QString::fromUtf8(description.label.data(),
                                               static_cast<qsizetype>(description.label.size())));
    label->setBuddy(edit);
    anchorsOf(group)->addWidget(label, QRect(8, top + 3, kFieldLeft - 10, 15));
    anchorsOf(group)->addWidget(edit, QRect(kFieldLeft, top, kFieldWidth, kRowHeight));
    fields_[static_cast<std::size_t>(field)] = edit;
    return edit;
}

QWidget* TfrmPrincipal::buildDataGroup() {
    QGroupBox* group = makeGroup("GroupBox1", " Dados: ", {261, kDataGroupHeight});
    int top = 20;
    for (const MirrorField field : {MirrorField::D, MirrorField::R, MirrorField::ZoneCount,
                                    MirrorField::Lambda, MirrorField::b, MirrorField::k}) {
        addField(group, field, top);
        top += kRowPitch;
    }
    movingSourceBox_ = new QCheckBox(QStringLiteral("Fonte móvel (fonte e faca se movem juntas)."));
    movingSourceBox_->setObjectName(QStringLiteral("chkFonteMovel"));
    setHint(movingSourceBox_,
            QStringLiteral("Marque se a fonte de luz se move junto com a faca: as leituras desse "
                           "testador são a metade das de um testador de fonte fixa"));
    anchorsOf(group)->addWidget(movingSourceBox_, QRect(8, top + 2, 246, 17));
    top += kRowPitch;
    originZones_ = new QComboBox;
    originZones_->setObjectName(QStringLiteral("ComboBox1"));
    originZones_->setEditable(true);
    originZones_->setInsertPolicy(QComboBox::NoInsert);
    setHint(originZones_, QStringLiteral("Zona de referência"));
    // An editable list would otherwise be read out by its current entry only.
    originZones_->setAccessibleName(QStringLiteral("Zona de referência:"));
    auto* label = new QLabel(QStringLiteral("Zona de referência:"));
    label->setBuddy(originZones_);
    anchorsOf(group)->addWidget(label, QRect(8, top + 3, kFieldLeft - 10, 15));
    anchorsOf(group)->addWidget(originZones_, QRect(kFieldLeft, top, kFieldWidth, kRowHeight));
    return group;
}

QWidget* TfrmPrincipal::buildRadiusGroup() {
    QGroupBox* group =
        makeGroup("GroupBox2", " Raios Externos das Zonas: ", {266, kDataGroupHeight});
    radiusEditor_ = new ZoneRadiusEditor(project_->mirror(), *dialogs_);
    radiusEditor_->setObjectName(QStringLiteral("ValueListEditor1"));
    radiusEditor_->setAccessibleName(QStringLiteral("Raios das Zonas (Hx)"));
    setHint(radiusEditor_, QStringLiteral("Selecione a zona que servirá de parâmetro para a "
                                          "construção do gráfico de referência"));
    anchorsOf(group)->addWidget(radiusEditor_, QRect(10, 18, 246, 150 + kMovingSourceRow),
                                kAnchorTopWidth);
    autoRadiiBox_ = new QCheckBox(QStringLiteral("Auto-definir raios externos das zonas."));
    autoRadiiBox_->setObjectName(QStringLiteral("CheckBox1"));
    autoRadiiBox_->setChecked(true);
    autoRadiiBox_->setFocusPolicy(Qt::ClickFocus);
    anchorsOf(group)->addWidget(autoRadiiBox_, QRect(10, 172 + kMovingSourceRow, 246, 17));
    return group;
}

QWidget* TfrmPrincipal::buildCalculatedGroup() {
    QGroupBox* group = makeGroup("GroupBox3", " Calculados: ", {261, 256});
    int top = 20;
    for (const MirrorField field :
         {MirrorField::f, MirrorField::fD, MirrorField::At, MirrorField::Az, MirrorField::p,
          MirrorField::Rms, MirrorField::Strehl}) {
        addField(group, field, top);
        top += kRowPitch;
    }
    auto* label = new QLabel(QStringLiteral("Maior erro na frente de onda:"));
    anchorsOf(group)->addWidget(label, QRect(8, top + 2, 240, 15));
    const auto makePeakText = [this](const char* name) {
        auto* box = new QLineEdit;
        box->setObjectName(QString::fromLatin1(name));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFocusPolicy(Qt::ClickFocus);
        box->setAccessibleName(QStringLiteral("Maior erro na frente de onda"));
        setHint(box, QStringLiteral("Maior erro na frente de onda"));
        return box;
    };
    peakWaves_ = makePeakText("Memo2");
    peakFraction_ = makePeakText("Memo3");
    label->setBuddy(peakWaves_);
    auto* either = new QLabel(QStringLiteral("ou"));
    either->setAlignment(Qt::AlignCenter);
    top += 20;
    anchorsOf(group)->addWidget(peakWaves_, QRect(8, top, 110, kRowHeight));
    anchorsOf(group)->addWidget(either, QRect(118, top + 3, 25, 15));
    anchorsOf(group)->addWidget(peakFraction_, QRect(143, top, 110, kRowHeight));
    return group;
}

QWidget* TfrmPrincipal::buildPages() {
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setFocusPolicy(Qt::NoFocus);
    pages_->tabBar()->setFocusPolicy(Qt::NoFocus);

    auto* charts = new QWidget;
    charts->setObjectName(QStringLiteral("TabSheet1"));
    auto* scrollBox = new QScrollArea;
    scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox->setFrameShape(QFrame::NoFrame);
    auto* strip = new QWidget;
    strip->setFixedSize(3 * kChartPitch + kChartWidth, kChartHeight);
    for (std::size_t chart = 0; chart < charts_.size(); ++chart) {
        charts_[chart] = new MirrorChart(MainWindowCharts()[chart], strip);
        charts_[chart]->setGeometry(static_cast<int>(chart) * kChartPitch, 0, kChartWidth,
                                    kChartHeight);
    }
    scrollBox->setWidget(strip);
    auto* chartsLayout = new AnchorLayout(charts, {798, 317});
    chartsLayout->addWidget(scrollBox, QRect(0, 0, 798, 317), kAnchorAll);
    pages_->addTab(charts, QStringLiteral("&1 - Gráficos"));

    auto* table = new QWidget;
    table->setObjectName(QStringLiteral("TabSheet2"));
    variables_ = new ReductionTableView(project_->mirror());
    variables_->setObjectName(QStringLiteral("ListView1"));
    variables_->setAccessibleName(QStringLiteral("Redução dos dados"));
    setHint(variables_, QStringLiteral("Redução dos dados"));
    auto* tableLayout = new AnchorLayout(table, {798, 317});
    tableLayout->addWidget(variables_, QRect(0, 0, 798, 317), kAnchorAll);
    pages_->addTab(table, QStringLiteral("&2 - Tabela"));
    pages_->setCurrentIndex(0);
    return pages_;
}

void TfrmPrincipal::setHelpTopics() {
    const std::pair<const char*, int> topics[] = {
        {"ValueListEditor1", 1}, {"edtb", 3},      {"edtLambda", 4}, {"edtK", 4},
        {"edtStrehl", 6},        {"edtRMS", 7},    {"edtp", 8},      {"DBChart1", 9},
        {"DBChart2", 10},        {"DBChart3", 11}, {"DBChart4", 12}, {"ListView1", 13},
        {"chkFonteMovel", 30},
    };
    for (const auto& [name, topic] : topics) {
        if (auto* widget = findChild<QWidget*>(QString::fromLatin1(name))) {
            widget->setProperty(kHelpTopicProperty, topic);
        }
    }
}

void TfrmPrincipal::buildLayout() {
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* clientLayout = new AnchorLayout(client, kClientSize);

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* panelLayout = new AnchorLayout(panel, {826, 659 + kMovingSourceRow});
    panelLayout->addWidget(buildDataGroup(), QRect(10, 5, 261, kDataGroupHeight));
    panelLayout->addWidget(buildRadiusGroup(), QRect(280, 5, 266, kDataGroupHeight),
                           kAnchorTopWidth);
    panelLayout->addWidget(buildCalculatedGroup(), QRect(555, 5, 261, 256), kAnchorTopRight);

    grid_ = new MeasurementGrid(*project_, *dialogs_);
    grid_->setObjectName(QStringLiteral("RxDBGrid1"));
    grid_->setAccessibleName(QStringLiteral("Entrada de medidas"));
    setHint(grid_, QStringLiteral("Entrada de medidas"));
    panelLayout->addWidget(grid_, QRect(9, 207 + kMovingSourceRow, 536, 94), kAnchorTopWidth);

    scientificBox_ = new QCheckBox(QStringLiteral("Usar notação científica."));
    scientificBox_->setObjectName(QStringLiteral("CheckBox3"));
    scientificBox_->setFocusPolicy(Qt::ClickFocus);
    panelLayout->addWidget(scientificBox_, QRect(565, 265, 200, 17), kAnchorTopRight);
    hintsBox_ = new QCheckBox(QStringLiteral("Mostrar dicas."));
    hintsBox_->setObjectName(QStringLiteral("CheckBox2"));
    hintsBox_->setFocusPolicy(Qt::ClickFocus);
    panelLayout->addWidget(hintsBox_, QRect(565, 284, 200, 17), kAnchorTopRight);

    panelLayout->addWidget(buildPages(), QRect(10, 305 + kMovingSourceRow, 806, 345), kAnchorAll);
    clientLayout->addWidget(panel, QRect(5, 6, 826, 659 + kMovingSourceRow), kAnchorAll);

    reduceButton_ = new QPushButton;
    reduceButton_->setObjectName(QStringLiteral("btnReduzir"));
    clientLayout->addWidget(reduceButton_, QRect(835, 6, 101, 25), kAnchorTopRight);

    setCentralWidget(client);
    // Grid rows one text line high, as the window's small font asks.
    for (QTableView* view :
         {static_cast<QTableView*>(radiusEditor_), static_cast<QTableView*>(grid_)}) {
        view->verticalHeader()->setMinimumSectionSize(1);
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    }
    setHelpTopics();
    setTabOrder(fields_[0], fields_[1]);
    for (std::size_t i = 1; i < 6; ++i) setTabOrder(fields_[i - 1], fields_[i]);
    setTabOrder(fields_[5], movingSourceBox_);
    setTabOrder(movingSourceBox_, originZones_);
}

}  // namespace zelvaro
