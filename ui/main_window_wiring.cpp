// What each control and command of the main window runs.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "ui/about/about_window.h"
#include "ui/charts/mirror_chart.h"
#include "ui/fields/numeric_field.h"
#include "ui/grid/measurement_grid.h"
#include "ui/help/help_location.h"
#include "ui/help/help_system.h"
#include "ui/help/help_topic_of.h"
#include "ui/main_window.h"
#include "ui/variables/reduction_table_view.h"
#include "ui/variables/variables_help_topic.h"

namespace zelvaro {

void TfrmPrincipal::connectFields() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto field = static_cast<MirrorField>(i);
        if (!DescriptionOf(field).editable) continue;
        connect(fields_[i], &NumericField::valueEdited, this, [this, field](long double value) {
            runCommand([&] { project_->mirror().setField(field, value); });
        });
    }
    // edtKExit: k goes into the current measurement row.
    connect(fields_[static_cast<std::size_t>(MirrorField::k)], &NumericField::left, this,
            [this] { runCommand([this] { project_->mirror().leaveK(); }); });
    // edtNumZonasKeyPress: the zone count is frozen while readings exist.
    fields_[static_cast<std::size_t>(MirrorField::ZoneCount)]->setCharacterKeyRefusal(
        [this] { return project_->table().rowCount() > 0; });
    connect(originZones_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        runCommand([&] { project_->mirror().setReductionZoneIndex(index); });
    });
    connect(autoRadiiBox_, &QCheckBox::toggled, this,
            [this](bool on) { project_->mirror().setAutoRadii(on); });
    connect(movingSourceBox_, &QCheckBox::toggled, this, [this](bool moving) {
        runCommand([&] { project_->mirror().setMovingSource(moving); });
    });
    connect(hintsBox_, &QCheckBox::toggled, this, &TfrmPrincipal::CheckBox2Click);
    connect(scientificBox_, &QCheckBox::toggled, this, &TfrmPrincipal::CheckBox3Click);
}

void TfrmPrincipal::connectActions() {
    const auto on = [this](MainAction action, auto handler) {
        connect(actionOf(actions_, action), &QAction::triggered, this, handler);
    };
    MeasurementTable& table = project_->table();
    on(MainAction::Novo, [this] { actNovoExecute(); });
    on(MainAction::Abre, [this] { actAbreExecute(); });
    on(MainAction::Salvar, [this] { actSalvarExecute(); });
    on(MainAction::Sair, [this] { close(); });
    on(MainAction::Reduzir, [this] { actReduzirExecute(); });
    const std::pair<MainAction, void (MeasurementTable::*)()> rowCommands[] = {
        {MainAction::Primeiro, &MeasurementTable::first},
        {MainAction::Anterior, &MeasurementTable::prior},
        {MainAction::Proximo, &MeasurementTable::next},
        {MainAction::Ultimo, &MeasurementTable::last},
        {MainAction::Editar, &MeasurementTable::edit},
    };
    // A reading still being typed goes along with every command on the rows.
    for (const auto& [action, command] : rowCommands) {
        on(action, [this, &table, command = command] {
            runCommand([&] {
                grid_->finishEditing();
                (table.*command)();
            });
        });
    }
    on(MainAction::Inserir, [this] { actInserirExecute(); });
    on(MainAction::LimpaDados, [this] { actLimpaDadosExecute(); });
    on(MainAction::ConfigurarImpressao, [this] { actConfigurarImpressaoExecute(); });
    on(MainAction::Resultados, [this] { actResultadosExecute(); });
    on(MainAction::Imprimir, [this] { actImprimirExecute(); });
    on(MainAction::Ajuda, [this] { actAjudaExecute(); });

    QAction* reduce = actionOf(actions_, MainAction::Reduzir);
    reduceButton_->setText(reduce->text());
    reduceButton_->setIcon(reduce->icon());
    reduceButton_->setToolTip(reduce->toolTip());
    reduceButton_->setDefault(true);
    connect(reduceButton_, &QPushButton::clicked, reduce, &QAction::trigger);
    connect(reduce, &QAction::enabledChanged, reduceButton_, &QWidget::setEnabled);
}

void TfrmPrincipal::enableHandledActions() {
    // "&Configuração..." has no handler and stays greyed.
    for (const MainAction action :
         {MainAction::Novo, MainAction::Salvar, MainAction::Abre, MainAction::Sair,
          MainAction::Reduzir, MainAction::Primeiro, MainAction::Anterior, MainAction::Proximo,
          MainAction::Ultimo, MainAction::Imprimir, MainAction::ConfigurarImpressao,
          MainAction::Resultados, MainAction::LimpaDados, MainAction::Editar, MainAction::Inserir,
          MainAction::Ajuda}) {
        actionOf(actions_, action)->setEnabled(true);
    }
    reduceButton_->setEnabled(true);
}

void TfrmPrincipal::CheckBox2Click() {
    // Hints are suppressed in eventFilter while the box is unticked; here they are written.
    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QVariant hint = widget->property("hint");
        if (hint.isValid()) widget->setToolTip(hint.toString());
    }
}

void TfrmPrincipal::CheckBox3Click() {
    ApplyDisplayFormat(scientificBox_->isChecked() ? std::string(kScientificPattern)
                                                   : decimalPattern_);
}

void TfrmPrincipal::actAjudaExecute() {
    // From the first "Ajuda..." on, the help file is the bare name, found where the help looks.
    help_->setHelpFile(HelpFileName());
    help_->showContents();
}

void TfrmPrincipal::Ajuda3Click() {
    help_->setHelpFile(HelpFileName());
    help_->showTopic(24);
}

void TfrmPrincipal::showHelpForFocus() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return;
    // ListView1KeyDown: the table of variables shows the topic of its selected row.
    if (focused == variables_) {
        variables_->setProperty(kHelpTopicProperty, VariablesHelpTopic(variables_->selectedRow()));
    }
    help_->showTopic(HelpTopicOf(focused));
}

void TfrmPrincipal::Sobre1Click() {
    about_->centreOn(this);
    about_->exec();
}

void TfrmPrincipal::ApplyDisplayFormat(const std::string& pattern) {
    const std::string doubled = DoubledPattern(pattern);
    for (NumericField* field : fields_) field->setDisplayPattern(doubled);
    // A chart takes the pattern as the value format of its series' marks, one section.
    for (MirrorChart* chart : charts_) chart->setValueFormat(pattern);
}

}  // namespace zelvaro
