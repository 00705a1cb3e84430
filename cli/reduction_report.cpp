#include "cli/reduction_report.h"

#include <vector>

#include "cli/rows_listing.h"
#include "cli/text_table.h"
#include "core/mirror_fields.h"
#include "core/symbol_text.h"
#include "format/format_pattern.h"
#include "format/format_string.h"

namespace zelvaro {

namespace {

// Rows of the table of variables that hold the zone geometry.
constexpr int kFirstGeometryRow = 1;
constexpr int kLastGeometryRow = 3;

// A field's label and its display text, as the main window shows it while it is not focused.
std::vector<std::string> fieldRow(const Mirror& mirror, MirrorField field) {
    const MirrorFieldDescription& description = DescriptionOf(field);
    return {std::string(description.label),
            FormatPattern(std::string(description.displayPattern), mirror.fieldValue(field),
                          mirror.separators())};
}

std::string currentRowLines(const Project& project) {
    const MeasurementTable& table = project.table();
    const Separators& seps = project.mirror().separators();
    const long long key =
        static_cast<long long>(table.number(table.schema().chaveColumn()).value_or(0));
    const long long parabolaZone = static_cast<long long>(table.parabolaZone().value_or(0)) + 1;
    return FormatString(
               "Registro %d/%d",
               {static_cast<long long>(table.position()), static_cast<long long>(table.rowCount())},
               seps) +
           " (Chave " + std::to_string(key) + ")\n" +
           FormatString("Zona da parábola de referência = H%d", {parabolaZone}, seps) + "\n";
}

std::string originZoneText(const Mirror& mirror) {
    const int selection = mirror.originZoneSelection();
    return selection < 0 ? std::string() : mirror.originZoneList()[selection];
}

std::string testerText(const Mirror& mirror) {
    return mirror.movingSource() ? "Fonte móvel" : "Fonte fixa";
}

std::string mirrorLines(const Mirror& mirror) {
    TextTable fields;
    for (const MirrorField field : {MirrorField::D, MirrorField::R, MirrorField::ZoneCount,
                                    MirrorField::Lambda, MirrorField::b, MirrorField::k}) {
        fields.addRow(fieldRow(mirror, field));
    }
    fields.addRow({"Zona de referência:", originZoneText(mirror)});
    fields.addRow({"Testador:", testerText(mirror)});
    fields.addRow({});
    for (const MirrorField field :
         {MirrorField::f, MirrorField::fD, MirrorField::At, MirrorField::Az, MirrorField::p}) {
        fields.addRow(fieldRow(mirror, field));
    }
    return fields.render();
}

std::string resultLines(const Mirror& mirror) {
    TextTable fields;
    fields.addRow(fieldRow(mirror, MirrorField::Rms));
    fields.addRow(fieldRow(mirror, MirrorField::Strehl));
    fields.addRow({"Maior erro na frente de onda:", symbolText(mirror.peakErrorTexts().waves)});
    fields.addRow({"", symbolText(mirror.peakErrorTexts().fraction)});
    return fields.render();
}

std::vector<std::string> columnCaptions(const Mirror& mirror) {
    std::vector<std::string> captions;
    for (const ReductionTableColumn& column : mirror.reductionTableColumns()) {
        captions.push_back(column.caption);
    }
    return captions;
}

std::vector<std::string> withCaption(int row, std::vector<std::string> cells) {
    cells.insert(cells.begin(), std::string(ReductionTableCaption(row)));
    return cells;
}

// The table of variables as the window shows it after the reduction.
std::string variablesTable(const Mirror& mirror) {
    TextTable table;
    table.addRow(columnCaptions(mirror));
    const ReductionTableCells& cells = mirror.reductionTableCells();
    for (int row = 0; row < kReductionTableRowCount; ++row) {
        table.addRow(withCaption(row, cells[static_cast<std::size_t>(row)]));
    }
    return table.render();
}

// The geometry rows of the table of variables, with the window's format.
std::string geometryTable(const Mirror& mirror) {
    const ZoneGeometry& geometry = mirror.geometry();
    const std::vector<double>* arrays[] = {&geometry.Hx, &geometry.Hm, &geometry.Ac};
    TextTable table;
    table.addRow(columnCaptions(mirror));
    for (int row = kFirstGeometryRow; row <= kLastGeometryRow; ++row) {
        const std::string format = ReductionTableRowFormat(row, mirror.fractionalFormat());
        std::vector<std::string> cells;
        for (const double value : *arrays[row - kFirstGeometryRow]) {
            cells.push_back(
                FormatString(format, {static_cast<long double>(value)}, mirror.separators()));
        }
        table.addRow(withCaption(row, std::move(cells)));
    }
    return table.render();
}

}  // namespace

std::string reductionText(const Project& project) {
    const Mirror& mirror = project.mirror();
    if (project.table().rowCount() == 0) {
        return mirrorLines(mirror) + "\n" + geometryTable(mirror) + "\n" + kNoReadings + "\n";
    }
    return currentRowLines(project) + "\n" + mirrorLines(mirror) + "\n" + resultLines(mirror) +
           "\n" + variablesTable(mirror);
}

}  // namespace zelvaro
