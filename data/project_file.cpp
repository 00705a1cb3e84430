#include "data/project_file.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/mirror.h"
#include "data/file_bytes.h"
#include "data/header_number.h"
#include "data/measurement_table.h"
#include "data/project_file_error.h"
#include "data/project_header.h"
#include "data/project_keys.h"
#include "data/project_text.h"
#include "data/radius_list.h"

namespace zelvaro {

namespace {

// Positions of the header values in headerKeys().
enum HeaderValue {
    kRadii,
    kDiameter,
    kRadiusOfCurvature,
    kZoneCount,
    kLambda,
    kDeformation,
    kReductionZone,
    kTesterType
};

const std::vector<std::string_view>& headerKeys() {
    static const std::vector<std::string_view> keys = {
        project_keys::kRadii,         project_keys::kDiameter,  project_keys::kRadiusOfCurvature,
        project_keys::kZoneCount,     project_keys::kLambda,    project_keys::kDeformation,
        project_keys::kReductionZone, project_keys::kTesterType};
    return keys;
}

ProjectHeader headerOf(const Mirror& mirror) {
    const MirrorParameters& m = mirror.parameters();
    ProjectHeader header;
    header.Hx = mirror.geometry().Hx;
    header.D = m.D;
    header.R = m.R;
    header.ZoneCount = m.ZoneCount;
    header.Lambda = m.Lambda;
    header.b = m.b;
    header.ReductionZoneIndex = m.ReductionZoneIndex;
    header.Tester = m.Tester;
    return header;
}

// An empty or unconvertible header number reads as 0.
long double numberOr0(std::string_view text, const Separators& seps) {
    return parseHeaderNumber(text, seps).value_or(0.0L);
}

// Only the moving source's value names one; a missing key, 0, any other number and text that
// is no whole number read as the fixed source every older file was made with.
TesterType testerOf(std::string_view text) {
    return parseHeaderInteger(text, 0) == project_keys::kMovingSource ? TesterType::MovingSource
                                                                      : TesterType::FixedSource;
}

std::vector<double> readRadii(std::string_view list, int zoneCount, const Separators& seps) {
    const std::vector<std::string> items = splitRadiusList(list, zoneCount);
    if (items.size() < static_cast<std::size_t>(zoneCount)) {
        throw ProjectFileError("a lista de raios tem " + std::to_string(items.size()) +
                               " itens para " + std::to_string(zoneCount) + " zonas");
    }
    std::vector<double> radii;
    radii.reserve(items.size());
    for (const std::string& item : items) {
        const auto value = parseHeaderNumber(item, seps);
        // A radius is stored as a double: a larger one does not fit.
        if (!value || std::fabs(*value) > std::numeric_limits<double>::max()) {
            throw ProjectFileError("raio inválido: \"" + item + "\"");
        }
        radii.push_back(static_cast<double>(*value));
    }
    return radii;
}

void loadTable(MeasurementTable& table, std::string_view packet, int zoneCount) {
    table.loadPacket(QByteArrayView(packet.data(), static_cast<qsizetype>(packet.size())));
    // The model and the grid both count on one reading column per zone.
    if (table.schema().zoneCount() != zoneCount) {
        throw ProjectFileError("a tabela tem " + std::to_string(table.schema().zoneCount()) +
                               " zonas e o cabeçalho " + std::to_string(zoneCount));
    }
    table.last();
}

}  // namespace

void SaveProjectFile(Mirror& mirror, MeasurementTable& table, const QString& path) {
    const QByteArray packet = table.savePacket();
    const std::string header = writeProjectHeader(headerOf(mirror), mirror.separators());
    replaceFileBytes(path, {header, std::string_view(packet.constData(),
                                                     static_cast<std::size_t>(packet.size()))});
}

std::string ProjectHeaderText(const Mirror& mirror, const Separators& seps) {
    return writeProjectHeader(headerOf(mirror), seps);
}

void LoadProjectFile(Mirror& mirror, MeasurementTable& table, const QString& path) {
    const QByteArray bytes = readFileBytes(path);
    LoadProjectText(mirror, table,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void LoadProjectText(Mirror& mirror, MeasurementTable& table, std::string_view text) {
    const Separators& seps = mirror.separators();
    const std::vector<std::string_view> values = findHeaderValues(text, headerKeys());
    MirrorHeader header;
    header.D = numberOr0(values[kDiameter], seps);
    header.R = numberOr0(values[kRadiusOfCurvature], seps);
    header.zoneCount = parseHeaderInteger(values[kZoneCount], 0);
    header.Lambda = numberOr0(values[kLambda], seps);
    header.b = numberOr0(values[kDeformation], seps);
    header.reductionZoneIndex = parseHeaderInteger(values[kReductionZone], 0);
    header.tester = testerOf(values[kTesterType]);
    mirror.loadHeader(header);
    const int zoneCount = mirror.parameters().ZoneCount;
    mirror.setZoneRadii(readRadii(values[kRadii], zoneCount, seps));
    const std::string_view packet = cutOutPacket(text);
    if (!packet.empty()) loadTable(table, packet, zoneCount);
    if (table.rowCount() > 0) mirror.ReduceData();
}

}  // namespace zelvaro
