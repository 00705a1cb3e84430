#include "cli/json_report.h"

#include <utility>

#include "cli/json_writer.h"
#include "cli/row_texts.h"
#include "core/measurement_columns.h"
#include "core/symbol_text.h"

namespace zelvaro {

namespace {

void writeParameters(JsonWriter& json, const MirrorParameters& m) {
    const std::pair<const char*, long double> numbers[] = {
        {"D", m.D}, {"R", m.R},   {"Lambda", m.Lambda}, {"b", m.b},   {"k", m.k},
        {"f", m.f}, {"fD", m.fD}, {"At", m.At},         {"Az", m.Az}, {"p", m.p}};
    for (const auto& [name, value] : numbers) {
        json.key(name);
        json.number(static_cast<double>(value));
    }
    json.key("ZoneCount");
    json.integer(m.ZoneCount);
    json.key("ReductionZoneIndex");
    json.integer(m.ReductionZoneIndex);
    json.key("ParabolaZoneIndex");
    json.integer(m.ParabolaZoneIndex);
    json.key("MovingSource");
    json.boolean(m.Tester == TesterType::MovingSource);
}

void writeArray(JsonWriter& json, const char* name, const std::vector<double>& values) {
    json.key(name);
    json.numbers(values);
}

void writeGeometry(JsonWriter& json, const ZoneGeometry& geometry) {
    writeArray(json, "Hx", geometry.Hx);
    writeArray(json, "Hm", geometry.Hm);
    writeArray(json, "Ac", geometry.Ac);
}

void writeReduction(JsonWriter& json, const Mirror& mirror) {
    const ReductionResult& r = mirror.result();
    writeArray(json, "Readings", mirror.readings());
    const std::pair<const char*, const std::vector<double>*> arrays[] = {
        {"Residual", &r.Residual},
        {"Reduction", &r.Reduction},
        {"AdjustedReduction", &r.AdjustedReduction},
        {"TAf", &r.TAf},
        {"Tolerance", &r.Tolerance},
        {"TAfOverP", &r.TAfOverP},
        {"SlopeError", &r.SlopeError},
        {"Wavefront", &r.Wavefront},
        {"ParabolaWavefront", &r.ParabolaWavefront},
        {"WavefrontError", &r.WavefrontError}};
    for (const auto& [name, values] : arrays) writeArray(json, name, *values);
    json.key("Rms");
    json.number(static_cast<double>(r.Rms));
    json.key("Strehl");
    json.number(static_cast<double>(r.Strehl));
    json.key("PeakError");
    json.number(r.PeakError);
    json.key("PeakErrorWaves");
    json.string(symbolText(mirror.peakErrorTexts().waves));
    json.key("PeakErrorFraction");
    json.string(symbolText(mirror.peakErrorTexts().fraction));
}

void writeNoReduction(JsonWriter& json) {
    for (const char* name :
         {"Readings", "Residual", "Reduction", "AdjustedReduction", "TAf", "Tolerance", "TAfOverP",
          "SlopeError", "Wavefront", "ParabolaWavefront", "WavefrontError", "Rms", "Strehl",
          "PeakError", "PeakErrorWaves", "PeakErrorFraction"}) {
        json.key(name);
        json.null();
    }
}

void writeRow(JsonWriter& json, const RowRecord& record, const TableSchema& schema) {
    json.beginObject();
    for (int column = 0; column < schema.columnCount(); ++column) {
        json.key(schema.name(column));
        switch (schema.kind(column)) {
            case ColumnKind::DateTime:
                if (record.medidas) {
                    json.string(isoDateTime(*record.medidas));
                } else {
                    json.null();
                }
                break;
            case ColumnKind::Float:
                json.optionalNumber(record.number(schema, column));
                break;
            case ColumnKind::Int32:
            case ColumnKind::Int16:
                if (const auto value = record.number(schema, column)) {
                    json.integer(static_cast<long long>(*value));
                } else {
                    json.null();
                }
                break;
            case ColumnKind::Memo:
                if (record.observacoes) {
                    json.string(notesText(record));
                } else {
                    json.null();
                }
                break;
        }
    }
    json.endObject();
}

void writeRows(JsonWriter& json, const VersionedRows& rows) {
    json.key("Rows");
    json.beginArray();
    for (int position = 0; position < rows.rowCount(); ++position) {
        writeRow(json, rows.row(position), rows.schema());
    }
    json.endArray();
}

}  // namespace

std::string reductionJson(const Project& project) {
    const Mirror& mirror = project.mirror();
    const MeasurementTable& table = project.table();
    JsonWriter json;
    json.beginObject();
    writeParameters(json, mirror.parameters());
    writeGeometry(json, mirror.geometry());
    const bool hasRows = table.rowCount() > 0;
    if (hasRows) {
        writeReduction(json, mirror);
    } else {
        writeNoReduction(json);
    }
    json.key(kChaveField);
    if (hasRows) {
        json.optionalNumber(table.number(table.schema().chaveColumn()));
    } else {
        json.null();
    }
    writeRows(json, table.versions());
    json.endObject();
    return json.text() + "\n";
}

}  // namespace zelvaro
