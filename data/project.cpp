#include "data/project.h"

#include <exception>
#include <string_view>

#include "core/reduction_errors.h"
#include "data/project_file.h"
#include "data/project_file_error.h"

namespace zelvaro {

Project::Project(Separators separators, MeasurementTable::Clock clock)
    : table_(std::move(clock)), mirror_(table_) {
    table_.setEvents(&mirror_);
    mirror_.setSeparators(std::move(separators));
    mirror_.ResetToDefaults();
    markSaved({});
}

Project::Snapshot Project::snapshot() const {
    // Fixed separators, so that a change of the user's locale is no change of the data.
    return {ProjectHeaderText(mirror_, Separators::english()), table_.revision()};
}

void Project::markSaved(const QString& path) {
    filePath_ = path;
    saved_ = snapshot();
}

bool Project::isModified() const {
    if (table_.hasPendingChange()) return true;
    const Snapshot now = snapshot();
    return now.tableRevision != saved_.tableRevision || now.header != saved_.header;
}

void Project::startNew() {
    mirror_.ResetToDefaults();
    markSaved({});
}

template <typename Load>
void Project::loadResettingOnFailure(Load load) {
    try {
        const Mirror::Command command(mirror_);
        load();
    } catch (const ReductionFailed&) {
        markSaved({});
        throw;
    } catch (const std::exception& error) {
        mirror_.ResetToDefaults();
        markSaved({});
        throw ProjectFileError(error.what());
    }
}

void Project::load(const QString& path) {
    loadResettingOnFailure([&] { LoadProjectFile(mirror_, table_, path); });
    markSaved(path);
}

void Project::loadBytes(const QByteArray& bytes) {
    loadResettingOnFailure([&] {
        LoadProjectText(
            mirror_, table_,
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
    markSaved({});
}

void Project::save(const QString& path) {
    SaveProjectFile(mirror_, table_, path);
    markSaved(path);
}

void Project::reduce() {
    try {
        mirror_.ReduceData();
    } catch (const ReductionFailed&) {
        markSaved({});
        throw;
    }
}

void Project::reduceRow(int position) {
    const Mirror::Command command(mirror_);
    table_.moveTo(position);
    reduce();
}

}  // namespace zelvaro
