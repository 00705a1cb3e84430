#pragma once

#include <QString>

#include "core/open_test.h"
#include "data/measurement_table.h"
#include "format/separators.h"

namespace zelvaro {

// The one open test: the measurement table and the mirror model wired to it (the table's
// events drive the model's k and parabola zone), reset to the defaults on construction. The
// main window is a view and controller over it, and zelvaro-cli drives it without a window,
// so both load, reduce and format alike.
class TestSession {
  public:
    explicit TestSession(Separators separators = Separators{},
                         MeasurementTable::Clock clock = &LocalDateTime::now);
    TestSession(const TestSession&) = delete;
    TestSession& operator=(const TestSession&) = delete;

    OpenTest& test() { return test_; }
    const OpenTest& test() const { return test_; }
    MeasurementTable& table() { return table_; }
    const MeasurementTable& table() const { return table_; }

    // "&Abrir": LoadProjectFile, which ends by reducing the last row when there are rows.
    // A failed load resets the test to its defaults and throws ProjectFileError (the window
    // shows "Erro ao carregar arquivo"); the file on disk is never changed. When the file
    // was read but the reduction failed, ReductionFailed passes through and the test is at
    // its defaults, as after any failed reduction.
    void load(const QString& path);
    // The same from the bytes of a file already read.
    void loadBytes(const QByteArray& bytes);
    // "&Salvar": SaveProjectFile. Throws ProjectFileError with the system's message and
    // leaves the old file as it was.
    void save(const QString& path);

    // Makes the row at a 0-based position in key order current (k and the parabola zone
    // follow it) and reduces it; throws ReductionFailed as ReduceData does.
    void reduceRow(int position);

  private:
    template <typename Load>
    void loadResettingOnFailure(Load load);

    MeasurementTable table_;
    OpenTest test_;
};

}  // namespace zelvaro
