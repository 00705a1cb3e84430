#include "cli/text_table.h"

#include <gtest/gtest.h>

namespace zelvaro {
namespace {

TEST(TextTable, AlignsByCharactersNotBytes) {
    TextTable table;
    table.addRow({"Lâmbda:", "0,00056"});
    table.addRow({"Erro RMS:", "λ/80,39"});
    table.addRow({});
    table.addRow({"Zona de referência:", ""});
    EXPECT_EQ(table.render(),
              "Lâmbda:              0,00056\n"
              "Erro RMS:            λ/80,39\n"
              "\n"
              "Zona de referência:\n");
}

TEST(TextTable, AlignsChosenColumnsLeft) {
    TextTable table;
    table.alignLeft(2);
    table.addRow({"Chave", "Zona1", "Observacoes"});
    table.addRow({"1", "0,25", "céu"});
    EXPECT_EQ(table.render(),
              "Chave  Zona1  Observacoes\n"
              "1       0,25  céu\n");
}

}  // namespace
}  // namespace zelvaro
