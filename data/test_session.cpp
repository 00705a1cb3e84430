#include "data/test_session.h"

#include <exception>
#include <string_view>

#include "core/reduction_errors.h"
#include "data/project_file.h"
#include "data/project_file_error.h"

namespace zelvaro {

TestSession::TestSession(Separators separators, MeasurementTable::Clock clock)
    : table_(std::move(clock)), test_(table_) {
    table_.setEvents(&test_);
    test_.setSeparators(std::move(separators));
    test_.ResetToDefaults();
}

template <typename Load>
void TestSession::loadResettingOnFailure(Load load) {
    try {
        load();
    } catch (const ReductionFailed&) {
        throw;
    } catch (const std::exception& error) {
        test_.ResetToDefaults();
        throw ProjectFileError(error.what());
    }
}

void TestSession::load(const QString& path) {
    loadResettingOnFailure([&] { LoadProjectFile(test_, table_, path); });
}

void TestSession::loadBytes(const QByteArray& bytes) {
    loadResettingOnFailure([&] {
        test_.ResizeZoneArrays();
        LoadProjectText(
            test_, table_,
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

void TestSession::save(const QString& path) {
    SaveProjectFile(test_, table_, path);
}

void TestSession::reduceRow(int position) {
    table_.moveTo(position);
    test_.ReduceData();
}

}  // namespace zelvaro
