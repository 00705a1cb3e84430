#pragma once

#include <string_view>

namespace zelvaro {

// What "zelvaro-cli --help" prints.
inline constexpr std::string_view kUsageText =
    "Uso:\n"
    "  zelvaro-cli reduce ARQUIVO.pbl [--row N] [--json]\n"
    "      Abre o arquivo de projeto como o comando Abrir da janela (mesmas regras, mesma\n"
    "      ordem), reduz o registro N (1 é o primeiro na ordem das chaves; sem --row, o\n"
    "      último, como depois de abrir) e mostra os dados do espelho, os valores\n"
    "      derivados, os resultados e a tabela de variáveis. Se a redução do último\n"
    "      registro falhar ao abrir, o teste volta aos valores iniciais, como na janela.\n"
    "      --json  um objeto JSON com os dados, as matrizes por zona, os resultados e os\n"
    "              registros atuais, em vez do relatório.\n"
    "\n"
    "  zelvaro-cli rows ARQUIVO.pbl [--csv]\n"
    "      Lista os registros atuais na ordem das chaves.\n"
    "      --csv   uma linha de cabeçalho com os nomes dos campos, \";\" entre os campos e o\n"
    "              separador decimal das configurações regionais.\n"
    "\n"
    "  zelvaro-cli import LEITURAS.csv --diameter D --radius R [--zones N] [--lambda L]\n"
    "                     [--b B] [--reduction-zone Z] [--moving-source] --out ARQUIVO.pbl\n"
    "      Cria um arquivo de projeto com zonas de áreas iguais a partir de um CSV no\n"
    "      formato de \"rows --csv\": as colunas Zona1 a ZonaN são obrigatórias, Medidas,\n"
    "      ConstanteK, ZonaReferencia e Observacoes opcionais (Chave é dada pela ordem\n"
    "      das linhas). Cada linha entra como um novo registro, como na janela, e o\n"
    "      arquivo guarda o histórico de alterações.\n"
    "      --diameter D, --radius R  diâmetro e raio de curvatura, em mm\n"
    "      --zones N                 número de zonas, 1 a 999 (padrão: as colunas Zona)\n"
    "      --lambda L                comprimento de onda, em mm (padrão 0,00056)\n"
    "      --b B                     coeficiente de deformação (padrão -1)\n"
    "      --reduction-zone Z        zona de referência, 1 a N (padrão 1)\n"
    "      --moving-source           testador de fonte móvel: a fonte de luz acompanha a\n"
    "                                lâmina e as leituras são a metade das de fonte fixa\n"
    "                                (padrão: fonte fixa)\n"
    "\n"
    "  zelvaro-cli page ARQUIVO.pbl --out SAIDA.png|SAIDA.pdf [--row N]\n"
    "      Desenha a página de resultados do registro (o mesmo de reduce) como a janela\n"
    "      Resultados a mostra e imprime: em PNG, a figura da janela (846 x 821 pixels);\n"
    "      em PDF, uma página A4 em pé com a figura ajustada como na impressora. Não\n"
    "      precisa de tela.\n"
    "\n"
    "  zelvaro-cli --help\n"
    "      Mostra este texto.\n"
    "\n"
    "Os números seguem os separadores das configurações regionais (LC_ALL, LC_NUMERIC,\n"
    "LANG); nos argumentos, tanto \",\" quanto \".\" servem de separador decimal.\n"
    "\n"
    "Código de saída:\n"
    "  0  sucesso\n"
    "  1  uso incorreto\n"
    "  2  arquivo não carregado (\"Erro ao carregar arquivo\" e o motivo) ou não gravado\n"
    "     (\"Erro ao salvar arquivo\")\n"
    "  3  falha na redução (\"Erro durante os cálculos!\")\n";

}  // namespace zelvaro
