#include "ui/main_actions.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
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
    // A freedesktop icon name, and our own picture where the icon theme has none.
    const char* themeIcon;
    const char* bundledIcon;
};

// In the order of the action list.
const ActionDescription kActions[] = {
    {MainAction::Novo, "actNovo", "&Novo", "Novo", "Arquivo", "Ctrl+N", "document-new",
     "blank-page.svg"},
    {MainAction::Salvar, "actSalvar", "&Salvar", "Salva dados", "Arquivo", "Ctrl+S",
     "document-save", "floppy-disk.svg"},
    {MainAction::Abre, "actAbre", "&Abrir", "Abre arquivo", "Arquivo", "Ctrl+O", "document-open",
     "open-folder.svg"},
    {MainAction::Sair, "actSair", "Sa&ir", "Sai do programa", "Arquivo", "Ctrl+Q",
     "application-exit", "door-exit.svg"},
    {MainAction::Configuracao, "actConfiguracao", "&Configuração...", "Configuração do programa",
     "Arquivo", "", "document-properties", "page-lines.svg"},
    {MainAction::Reduzir, "actReduzir", "&Reduzir", "Reduzir os dados", "", "", "dialog-ok-apply",
     "green-tick.svg"},
    {MainAction::Ajuda, "actAjuda", "Ajuda...", "", "Ajuda", "", "help-contents", "help-book.svg"},
    {MainAction::Primeiro, "actPrimeiro", "Primeiro Registro", "", "Navegacao", "", "go-first",
     "first.svg"},
    {MainAction::Anterior, "actAnterior", "Registro Anterior", "", "Navegacao", "", "go-previous",
     "previous.svg"},
    {MainAction::Proximo, "actProximo", "Próximo Registro", "", "Navegacao", "", "go-next",
     "next.svg"},
    {MainAction::Ultimo, "actUltimo", "Último Registro", "", "Navegacao", "", "go-last",
     "last.svg"},
    {MainAction::Imprimir, "actImprimir", "Im&primir", "Imprime resultados", "Arquivo", "Ctrl+P",
     "document-print", "printer.svg"},
    {MainAction::ConfigurarImpressao, "actConfigurarImpressao", "Con&figurar Impressão",
     "Configura impressão", "Arquivo", "Ctrl+C", "document-page-setup", "printer-setup.svg"},
    {MainAction::Resultados, "actResultados", "&Resultados", "Mostra resultados", "Resultados",
     "Ctrl+G", "x-office-spreadsheet", "page-chart.svg"},
    {MainAction::LimpaDados, "actLimpaDados", "Limpar Dados", "", "Navegacao", "", "edit-clear",
     "red-cross.svg"},
    {MainAction::SalvarComo, "actSalvarComo", "Salvar Como...", "", "Arquivo", "",
     "document-save-as", "floppy-disk.svg"},
    {MainAction::Editar, "actEditar", "&Editar Registro", "", "Navegacao", "", "document-edit",
     "edit-text.svg"},
    {MainAction::Inserir, "actInserir", "&Inserir Registro", "", "Navegacao", "", "list-add",
     "insert.svg"},
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
    action->setIcon(QIcon::fromTheme(
        QString::fromLatin1(description.themeIcon),
        QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(description.bundledIcon))));
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
