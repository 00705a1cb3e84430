#pragma once

#include <QString>
#include <array>

class QAction;
class QWidget;

namespace zelvaro {

// The commands of the main window (ActionList1).
enum class MainAction {
    Novo,
    Salvar,
    Abre,
    Sair,
    Configuracao,
    Reduzir,
    Ajuda,
    Primeiro,
    Anterior,
    Proximo,
    Ultimo,
    Imprimir,
    ConfigurarImpressao,
    Resultados,
    LimpaDados,
    SalvarComo,
    Editar,
    Inserir,
};
inline constexpr int kMainActionCount = static_cast<int>(MainAction::Inserir) + 1;

using MainActions = std::array<QAction*, kMainActionCount>;

// Every action with its object name, caption, hint, category, shortcut and icon, owned by
// `window`. Each starts disabled: the window enables those it gives a handler, so that a
// command without one is greyed wherever it shows.
MainActions CreateMainActions(QWidget* window);

inline QAction* actionOf(const MainActions& actions, MainAction action) {
    return actions[static_cast<std::size_t>(action)];
}

// The category an action was created with ("Arquivo", "Navegacao", ...).
QString CategoryOf(const QAction* action);

}  // namespace zelvaro
