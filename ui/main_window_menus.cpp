// The main menu, the tool bar, the pop-up menus and the status bar.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/charts/mirror_chart.h"
#include "ui/grid/measurement_grid.h"
#include "ui/main_window.h"

namespace zelvaro {

void TfrmPrincipal::buildMenus() {
    const auto act = [this](MainAction action) { return actionOf(actions_, action); };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    file->setObjectName(QStringLiteral("Arquivo1"));
    file->addAction(act(MainAction::Novo));
    file->addSeparator();
    file->addAction(act(MainAction::Salvar));
    file->addAction(act(MainAction::Abre));
    file->addSeparator();
    file->addAction(act(MainAction::ConfigurarImpressao));
    file->addAction(act(MainAction::Imprimir));
    file->addSeparator();
    file->addAction(act(MainAction::Configuracao));
    file->addSeparator();
    file->addAction(act(MainAction::Sair));

    QMenu* charts = menuBar()->addMenu(QStringLiteral("&Gráficos"));
    charts->setObjectName(QStringLiteral("Graficos1"));
    charts->addAction(act(MainAction::Resultados));

    QMenu* help = menuBar()->addMenu(QStringLiteral("A&juda"));
    help->setObjectName(QStringLiteral("Ajuda1"));
    help->addAction(act(MainAction::Ajuda));
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&Sobre..."));
    about->setObjectName(QStringLiteral("Sobre1"));
    connect(about, &QAction::triggered, this, &TfrmPrincipal::Sobre1Click);

    auto* chartMenu = new QMenu(this);
    chartMenu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* marks = chartMenu->addAction(QStringLiteral("Mostrar Marcas"));
    marks->setObjectName(QStringLiteral("MostrarMarcas1"));
    marks->setCheckable(true);
    marks->setChecked(true);
    connect(marks, &QAction::toggled, this, [this](bool visible) {
        for (MirrorChart* chart : charts_) chart->setMarksVisible(visible);
    });
    QAction* chartHelp =
        chartMenu->addAction(act(MainAction::Ajuda)->icon(), QStringLiteral("Ajuda..."));
    chartHelp->setObjectName(QStringLiteral("Ajuda3"));
    connect(chartHelp, &QAction::triggered, this, &TfrmPrincipal::Ajuda3Click);
    if (auto* scrollBox = findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))) {
        scrollBox->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(scrollBox, &QWidget::customContextMenuRequested, this,
                [scrollBox, chartMenu](const QPoint& at) {
                    chartMenu->popup(scrollBox->mapToGlobal(at));
                });
    }

    QAction* const separator = nullptr;
    grid_->setPopupActions({act(MainAction::Inserir), act(MainAction::Editar), separator,
                            act(MainAction::Primeiro), act(MainAction::Anterior),
                            act(MainAction::Proximo), act(MainAction::Ultimo), separator,
                            act(MainAction::LimpaDados)});
}

void TfrmPrincipal::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize({16, 16});
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto add = [this, bar](MainAction action) {
        QAction* command = actionOf(actions_, action);
        bar->addAction(command);
        return qobject_cast<QToolButton*>(bar->widgetForAction(command));
    };
    add(MainAction::Novo);
    add(MainAction::Abre);
    add(MainAction::Salvar);
    bar->addSeparator();
    resultsToolButton_ = add(MainAction::Resultados);
    resultsToolButton_->setObjectName(QStringLiteral("ToolButton10"));
    bar->addSeparator();
    add(MainAction::ConfigurarImpressao);
    add(MainAction::Imprimir);
    bar->addSeparator();
    add(MainAction::Sair);
}

void TfrmPrincipal::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    const auto panel = [bar](const char* name, const char* text, int width) {
        auto* label = new QLabel(QString::fromUtf8(text));
        label->setObjectName(QString::fromLatin1(name));
        // The second panel's text is longer than its 150 pixels: it grows rather than cut it.
        label->setMinimumWidth(width);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addWidget(label);
        return label;
    };
    recordPanel_ = panel("StatusPanel0", "Registro", 100);
    parabolaPanel_ = panel("StatusPanel1", "Zona referência", 150);
}

}  // namespace zelvaro
