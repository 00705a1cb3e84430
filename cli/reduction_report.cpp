#include "cli/reduction_report.h"

#include <vector>

#include "cli/rows_listing.h"
#include "cli/symbol_text.h"
#include "cli/text_table.h"
#include "core/measurement_columns.h"
#include "format/format_pattern.h"
#include "format/format_string.h"

namespace zelvaro {

namespace {

constexpr const char* kFieldPattern = "#,##0.00000;-#,##0.00000";
constexpr const char* kZoneCountPattern = "000";
// Rows of the table of variables that hold the zone geometry.
constexpr int kFirstGeometryRow = 1;
constexpr int kLastGeometryRow = 3;

std::string fieldText(long double value, const Separators& seps) {
    return FormatPattern(kFieldPattern, value, seps);
}

std::string currentRowLines(const TestSession& session) {
    const MeasurementTable& table = session.table();
    const Separators& seps = session.test().separators();
    const long long key = static_cast<long long>(table.number(kChaveField).value_or(0));
    const long long parabolaZone =
        static_cast<long long>(table.number(kZonaReferenciaField).value_or(0)) + 1;
    return FormatString(
               "Registro %d/%d",
               {static_cast<long long>(table.position()), static_cast<long long>(table.rowCount())},
               seps) +
           " (Chave " + std::to_string(key) + ")\n" +
           FormatString("Zona da parábola de referência = H%d", {parabolaZone}, seps) + "\n";
}

std::string originZoneText(const OpenTest& test) {
    const int selection = test.originZoneSelection();
    return selection < 0 ? std::string() : test.originZoneList()[selection];
}

std::string mirrorLines(const OpenTest& test) {
    const MirrorParameters& m = test.parameters();
    const Separators& seps = test.separators();
    TextTable fields;
    fields.addRow({"Diâmetro do espelho (D):", fieldText(m.D, seps)});
    fields.addRow({"Raio de curvatura (R):", fieldText(m.R, seps)});
    fields.addRow({"Número de zonas:", FormatPattern(kZoneCountPattern, m.ZoneCount, seps)});
    fields.addRow({"Lâmbda:", fieldText(m.Lambda, seps)});
    fields.addRow({"Coef. de deformação:", fieldText(m.b, seps)});
    fields.addRow({"Constante de correção k:", fieldText(m.k, seps)});
    fields.addRow({"Zona de referência:", originZoneText(test)});
    fields.addRow({});
    fields.addRow({"Distância focal (f):", fieldText(m.f, seps)});
    fields.addRow({"Relação focal (fD):", fieldText(m.fD, seps)});
    fields.addRow({"Área total do espelho (At):", fieldText(m.At, seps)});
    fields.addRow({"Área das zonas (Az):", fieldText(m.Az, seps)});
    fields.addRow({"Raio do disco de difração (p):", fieldText(m.p, seps)});
    return fields.render();
}

std::string resultLines(const OpenTest& test) {
    const Separators& seps = test.separators();
    TextTable fields;
    fields.addRow({"Erro RMS:", fieldText(test.result().Rms, seps)});
    fields.addRow({"Razão de Strehl:", fieldText(test.result().Strehl, seps)});
    fields.addRow({"Maior erro na frente de onda:", symbolText(test.peakErrorTexts().waves)});
    fields.addRow({"", symbolText(test.peakErrorTexts().fraction)});
    return fields.render();
}

std::vector<std::string> columnCaptions(const OpenTest& test) {
    std::vector<std::string> captions;
    for (const ReductionTableColumn& column : test.reductionTableColumns()) {
        captions.push_back(column.caption);
    }
    return captions;
}

std::vector<std::string> withCaption(int row, std::vector<std::string> cells) {
    cells.insert(cells.begin(), std::string(ReductionTableCaption(row)));
    return cells;
}

// The table of variables as the window shows it after the reduction.
std::string variablesTable(const OpenTest& test) {
    TextTable table;
    table.addRow(columnCaptions(test));
    const ReductionTableCells& cells = test.reductionTableCells();
    for (int row = 0; row < kReductionTableRowCount; ++row) {
        table.addRow(withCaption(row, cells[static_cast<std::size_t>(row)]));
    }
    return table.render();
}

// The geometry rows of the table of variables, with the window's format.
std::string geometryTable(const OpenTest& test) {
    const ZoneGeometry& geometry = test.geometry();
    const std::vector<double>* arrays[] = {&geometry.Hx, &geometry.Hm, &geometry.Ac};
    TextTable table;
    table.addRow(columnCaptions(test));
    for (int row = kFirstGeometryRow; row <= kLastGeometryRow; ++row) {
        const std::string format = ReductionTableRowFormat(row, test.fractionalFormat());
        std::vector<std::string> cells;
        for (const double value : *arrays[row - kFirstGeometryRow]) {
            cells.push_back(
                FormatString(format, {static_cast<long double>(value)}, test.separators()));
        }
        table.addRow(withCaption(row, std::move(cells)));
    }
    return table.render();
}

}  // namespace

std::string reductionText(const TestSession& session) {
    const OpenTest& test = session.test();
    if (session.table().rowCount() == 0) {
        return mirrorLines(test) + "\n" + geometryTable(test) + "\n" + kNoReadings + "\n";
    }
    return currentRowLines(session) + "\n" + mirrorLines(test) + "\n" + resultLines(test) + "\n" +
           variablesTable(test);
}

}  // namespace zelvaro
