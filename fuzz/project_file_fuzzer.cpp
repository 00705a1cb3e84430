// Opens arbitrary bytes as a project file, as "&Abrir" does. A load either succeeds or ends
// in ProjectFileError with the test back at its defaults (a failed reduction likewise);
// anything else, a crash, a hang or a sanitizer report is a fault.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "core/reduction_errors.h"
#include "data/project.h"
#include "data/project_file_error.h"

namespace {

zelvaro::LocalDateTime fixedClock() {
    return *zelvaro::LocalDateTime::make(2024, 3, 15);
}

bool atDefaults(const zelvaro::Project& project) {
    const zelvaro::MirrorParameters& m = project.mirror().parameters();
    return m.D == 0 && m.R == 0 && m.ZoneCount == 1 &&
           m.Tester == zelvaro::TesterType::FixedSource && project.table().rowCount() == 0 &&
           project.table().schema().zoneCount() == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zelvaro::Project project(zelvaro::Separators::brazilian(), fixedClock);
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        project.loadBytes(bytes);
    } catch (const zelvaro::ProjectFileError&) {
        if (!atDefaults(project)) __builtin_trap();
    } catch (const zelvaro::ReductionFailed&) {
        if (!atDefaults(project)) __builtin_trap();
    }
    return 0;
}
