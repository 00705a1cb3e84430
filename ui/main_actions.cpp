#include "ui/main_actions.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QStyle>
#include <QWidget>

namespace zelvaro {

namespace {

constexpr const char* kCategoryProperty = "category";

struct ActionDescription {
    MainAction id;
    const char* objectName;
    const char* caption;
    const char* hint;
    const char* category;
    const char* shortcut;
    // A freedesktop icon name, and the style's icon where the theme has none.
    const char* themeIcon;
    QStyle::StandardPixmap fallbackIcon;
};

// In the order of the action list.
const ActionDescription kActions[] = {
    {MainAction::Novo, "actNovo", "&Novo", "Novo", "Arquivo", "Ctrl+N", "document-new",
     QStyle::SP_FileIcon},
    {MainAction::Salvar, "actSalvar", "&Salvar", "Salva dados", "Arquivo", "Ctrl+S",
     "document-save", QStyle::SP_DialogSaveButton},
    {MainAction::Abre, "actAbre", "&Abrir", "Abre arquivo", "Arquivo", "Ctrl+O", "document-open",
     QStyle::SP_DirOpenIcon},
    {MainAction::Sair, "actSair", "Sa&ir", "Sai do programa", "Arquivo", "Ctrl+Q",
     "application-exit", QStyle::SP_DialogCloseButton},
    {MainAction::Configuracao, "actConfiguracao", "&Configuração...", "Configuração do programa",
     "Arquivo", "", "document-properties", QStyle::SP_FileDialogContentsView},
    {MainAction::Reduzir, "actReduzir", "&Reduzir", "Reduzir os dados", "", "", "dialog-ok-apply",
     QStyle::SP_DialogApplyButton},
    {MainAction::Ajuda, "actAjuda", "Ajuda...", "", "Ajuda", "", "help-contents",
     QStyle::SP_DialogHelpButton},
    {MainAction::Primeiro, "actPrimeiro", "Primeiro Registro", "", "Navegacao", "", "go-first",
     QStyle::SP_MediaSkipBackward},
    {MainAction::Anterior, "actAnterior", "Registro Anterior", "", "Navegacao", "", "go-previous",
     QStyle::SP_ArrowLeft},
    {MainAction::Proximo, "actProximo", "Próximo Registro", "", "Navegacao", "", "go-next",
     QStyle::SP_ArrowRight},
    {MainAction::Ultimo, "actUltimo", "Último Registro", "", "Navegacao", "", "go-last",
     QStyle::SP_MediaSkipForward},
    {MainAction::Imprimir, "actImprimir", "Im&primir", "Imprime resultados", "Arquivo", "Ctrl+P",
     "document-print", QStyle::SP_DriveNetIcon},
    {MainAction::ConfigurarImpressao, "actConfigurarImpressao", "Con&figurar Impressão",
     "Configura impressão", "Arquivo", "Ctrl+C", "document-page-setup", QStyle::SP_ComputerIcon},
    {MainAction::Resultados, "actResultados", "&Resultados", "Mostra resultados", "Resultados",
     "Ctrl+G", "x-office-spreadsheet", QStyle::SP_FileDialogDetailedView},
    {MainAction::LimpaDados, "actLimpaDados", "Limpar Dados", "", "Navegacao", "", "edit-clear",
     QStyle::SP_DialogDiscardButton},
    {MainAction::SalvarComo, "actSalvarComo", "Salvar Como...", "", "Arquivo", "",
     "document-save-as", QStyle::SP_DialogSaveButton},
    {MainAction::Editar, "actEditar", "&Editar Registro", "", "Navegacao", "", "document-edit",
     QStyle::SP_FileDialogInfoView},
    {MainAction::Inserir, "actInserir", "&Inserir Registro", "", "Navegacao", "", "list-add",
     QStyle::SP_FileDialogNewFolder},
};

QAction* createAction(const ActionDescription& description, QWidget* window) {
    auto* action = new QAction(QString::fromUtf8(description.caption), window);
    action->setObjectName(QString::fromUtf8(description.objectName));
    const QString hint = QString::fromUtf8(description.hint);
    action->setToolTip(hint.isEmpty() ? action->text().remove(QLatin1Char('&')) : hint);
    action->setStatusTip(hint);
    action->setProperty(kCategoryProperty, QString::fromUtf8(description.category));
    action->setShortcut(QKeySequence(QString::fromLatin1(description.shortcut)));
    // Shortcuts work wherever the focus is in the window, also inside a field.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setIcon(
        QIcon::fromTheme(QString::fromLatin1(description.themeIcon),
                         QApplication::style()->standardIcon(description.fallbackIcon)));
    action->setEnabled(false);
    window->addAction(action);
    return action;
}

}  // namespace

MainActions CreateMainActions(QWidget* window) {
    MainActions actions{};
    for (const ActionDescription& description : kActions) {
        actions[static_cast<std::size_t>(description.id)] = createAction(description, window);
    }
    return actions;
}

QString CategoryOf(const QAction* action) {
    return action->property(kCategoryProperty).toString();
}

}  // namespace zelvaro
