#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "data/local_date_time.h"
#include "data/project.h"

namespace zelvaro {

// 15 March 2024, 14:03:07.123: the clock of every project in these tests.
inline LocalDateTime fixedClock() {
    return *LocalDateTime::make(2024, 3, 15, ((14 * 60 + 3) * 60 + 7) * 1000 + 123);
}

// The data packet of a table with `zones` zone columns, a PARAMS element and the ROW
// elements given.
inline std::string packetText(int zones, const std::string& params = "<PARAMS/>",
                              const std::string& rows = "") {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  "
        "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
        "<FIELD attrname=\"Medidas\" fieldtype=\"dateTime\"/>";
    for (int z = 1; z <= zones; ++z) {
        text += "<FIELD attrname=\"Zona" + std::to_string(z) + "\" fieldtype=\"r8\"/>";
    }
    text +=
        "<FIELD attrname=\"Chave\" fieldtype=\"i4\"/><FIELD attrname=\"ConstanteK\" "
        "fieldtype=\"r8\"/><FIELD attrname=\"ZonaReferencia\" fieldtype=\"i2\"/>"
        "<FIELD attrname=\"Observacoes\" fieldtype=\"bin.hex\" SUBTYPE=\"Text\"/></FIELDS>" +
        params + "</METADATA><ROWDATA>" + rows + "</ROWDATA></DATAPACKET>";
    return text;
}

// A temporary folder and helpers to write, read and open project files in it.
class ProjectFiles {
  public:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QString write(const char* name, const std::string& bytes) const {
        const QString file = path(name);
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
        return file;
    }

    static std::string read(const QString& file) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) return {};
        return in.readAll().toStdString();
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace zelvaro
