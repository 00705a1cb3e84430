#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "core/mirror.h"
#include "data/measurement_table.h"
#include "format/separators.h"

namespace zelvaro {

// The one open test: the measurement table and the mirror model wired to it (the table's
// events drive the model's k and parabola zone), reset to the defaults on construction, and
// the file it was last opened from or saved to. The main window is a view and controller
// over it, and zelvaro-cli drives it without a window, so both load, reduce and format alike.
//
// A failed load or a failed reduction leaves the mirror at its defaults and forgets the file,
// so nothing ever writes that reset state over the file the user had.
class Project {
  public:
    explicit Project(Separators separators = Separators{},
                     MeasurementTable::Clock clock = &LocalDateTime::now);
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    Mirror& mirror() { return mirror_; }
    const Mirror& mirror() const { return mirror_; }
    MeasurementTable& table() { return table_; }
    const MeasurementTable& table() const { return table_; }

    // The file last opened or saved; empty after the start, "&Novo" and every failure.
    const QString& filePath() const { return filePath_; }
    // True when a save would write something other than what was last opened or saved (or,
    // with no file, other than the defaults): changed mirror data, radii or rows, also a row
    // being typed.
    bool isModified() const;

    // "&Novo": everything back to the defaults, no file.
    void startNew();
    // "&Abrir": LoadProjectFile as one command, which ends by reducing the last row when there
    // are rows. A failed load resets the mirror to its defaults and throws ProjectFileError
    // (the window shows "Erro ao carregar arquivo"); the file on disk is never changed. When
    // the file was read but the reduction failed, ReductionFailed passes through and the
    // mirror is at its defaults, as after any failed reduction.
    void load(const QString& path);
    // The same from the bytes of a file already read.
    void loadBytes(const QByteArray& bytes);
    // "&Salvar": SaveProjectFile. Throws ProjectFileError with the system's message and
    // leaves the old file as it was.
    void save(const QString& path);

    // "&Reduzir": ReduceData; a failure resets the mirror and throws ReductionFailed.
    void reduce();
    // Makes the row at a 0-based position in key order current (k and the parabola zone
    // follow it) and reduces it; throws ReductionFailed as ReduceData does.
    void reduceRow(int position);

  private:
    struct Snapshot {
        std::string header;
        std::uint64_t tableRevision = 0;
    };

    template <typename Load>
    void loadResettingOnFailure(Load load);
    Snapshot snapshot() const;
    void markSaved(const QString& path);

    MeasurementTable table_;
    Mirror mirror_;
    QString filePath_;
    Snapshot saved_;
};

}  // namespace zelvaro
