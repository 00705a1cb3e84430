#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <string_view>

namespace zelvaro {

// The whole content of a regular file. Throws ProjectFileError with the system's message.
QByteArray readFileBytes(const QString& path);

// Writes `parts` one after another to a temporary file beside `path` and only then replaces
// `path` with it, so a failure half-way leaves the old file as it was. Throws
// ProjectFileError with the system's message.
void replaceFileBytes(const QString& path, std::initializer_list<std::string_view> parts);

}  // namespace zelvaro
