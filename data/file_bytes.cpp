#include "data/file_bytes.h"

#include <QFile>
#include <QSaveFile>

#include "data/project_file_error.h"

namespace zelvaro {

QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ProjectFileError(file.errorString().toStdString());
    // A pipe or device could deliver without end.
    if (file.isSequential()) throw ProjectFileError("não é um arquivo comum");
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw ProjectFileError(file.errorString().toStdString());
    }
    return bytes;
}

void replaceFileBytes(const QString& path, std::initializer_list<std::string_view> parts) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw ProjectFileError(file.errorString().toStdString());
    for (const std::string_view part : parts) {
        const auto size = static_cast<qint64>(part.size());
        if (file.write(part.data(), size) != size) {
            const std::string reason = file.errorString().toStdString();
            file.cancelWriting();
            throw ProjectFileError(reason);
        }
    }
    if (!file.commit()) throw ProjectFileError(file.errorString().toStdString());
}

}  // namespace zelvaro
