#include "data/packet_writer.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "data/packet_values.h"
#include "data/packet_vocabulary.h"
#include "data/xml_attribute.h"

namespace zelvaro {

namespace {

constexpr std::string_view kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>  "
    "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
constexpr std::string_view kTail = "</ROWDATA></DATAPACKET>";
// Written characters of an average reading, for the first guess of the packet's size.
constexpr qsizetype kAverageReadingChars = 30;

// Builds the packet piece by piece. Each piece is put together in a reused text and then
// appended to the packet at once: many small appends to a QByteArray cost more than the
// values' formatting.
class PacketWriter {
  public:
    explicit PacketWriter(const VersionedRows& rows);

    QByteArray write();

  private:
    void writeFields();
    void writeParams();
    void writeRow(const RowVersion& version, bool withState);
    void writeValue(int column, const char* begin, const char* end);
    void writeMemo(const RowVersion& version);
    void flush();

    const VersionedRows& rows_;
    const TableSchema& schema_;
    // ' Zona1="' and so on, one per column.
    std::vector<std::string> openings_;
    std::string piece_;
    QByteArray out_;
};

PacketWriter::PacketWriter(const VersionedRows& rows) : rows_(rows), schema_(rows.schema()) {
    for (int column = 0; column < schema_.columnCount(); ++column)
        openings_.push_back(" " + schema_.name(column) + "=\"");
}

QByteArray PacketWriter::write() {
    out_.reserve(static_cast<qsizetype>(rows_.versions().size()) *
                     (schema_.zoneCount() * kAverageReadingChars + 200) +
                 kAverageReadingChars * schema_.columnCount() + 256);
    piece_ = kHead;
    writeFields();
    piece_ += "</FIELDS>";
    writeParams();
    piece_ += "</METADATA><ROWDATA>";
    flush();
    const bool logged = !rows_.changeLog().empty();
    for (const RowVersion& version : rows_.versions()) {
        if (!logged && !row_state::isCurrent(version.state)) continue;
        writeRow(version, logged);
        flush();
    }
    piece_ = kTail;
    flush();
    return std::move(out_);
}

void PacketWriter::flush() {
    out_.append(piece_.data(), static_cast<qsizetype>(piece_.size()));
    piece_.clear();
}

void PacketWriter::writeFields() {
    for (int column = 0; column < schema_.columnCount(); ++column) {
        piece_ += "<FIELD attrname=\"";
        appendEscapedAttribute(piece_, schema_.name(column));
        piece_ += "\" fieldtype=\"";
        piece_ += packet::fieldType(schema_.kind(column));
        if (schema_.kind(column) == ColumnKind::Memo) {
            piece_ += "\" SUBTYPE=\"";
            piece_ += packet::kTextSubtype;
        }
        piece_ += "\"/>";
    }
}

void PacketWriter::writeParams() {
    if (rows_.changeLog().empty()) {
        piece_ += "<PARAMS/>";
        return;
    }
    std::string log;
    char number[kPacketValueChars];
    for (const LogEntry& entry : rows_.changeLog()) {
        for (const std::uint32_t part : {entry.version, entry.replaced, entry.kind}) {
            if (!log.empty()) log += ' ';
            log.append(number, std::to_chars(number, number + sizeof number, part).ptr);
        }
    }
    piece_ += "<PARAMS CHANGE_LOG=\"";
    appendEscapedAttribute(piece_, log);
    piece_ += "\"/>";
}

void PacketWriter::writeRow(const RowVersion& version, bool withState) {
    const RowRecord& record = version.record;
    char text[kPacketValueChars];
    piece_ += "<ROW";
    if (withState && version.state != 0) {
        piece_ += " RowState=\"";
        piece_.append(text, writePacketInteger(text, version.state));
        piece_ += '"';
    }
    if (record.medidas)
        writeValue(TableSchema::medidasColumn(), text, writePacketDateTime(text, *record.medidas));
    for (int zone = 0; zone < schema_.zoneCount(); ++zone)
        if (const std::optional<double> reading = record.reading(zone))
            writeValue(TableSchema::zoneColumn(zone), text, writePacketFloat(text, *reading));
    if (record.chave)
        writeValue(schema_.chaveColumn(), text, writePacketInteger(text, *record.chave));
    if (record.constanteK)
        writeValue(schema_.constanteKColumn(), text, writePacketFloat(text, *record.constanteK));
    if (record.zonaReferencia)
        writeValue(schema_.zonaReferenciaColumn(), text,
                   writePacketInteger(text, *record.zonaReferencia));
    writeMemo(version);
    piece_ += "/>";
}

void PacketWriter::writeValue(int column, const char* begin, const char* end) {
    piece_ += openings_[column];
    appendEscapedAttribute(piece_, std::string_view(begin, static_cast<std::size_t>(end - begin)));
    piece_ += '"';
}

void PacketWriter::writeMemo(const RowVersion& version) {
    const std::optional<std::string>& memo = version.record.observacoes;
    const std::optional<std::string>* replaced = nullptr;
    if ((version.state & row_state::kModified) && version.replaces != 0)
        replaced = &rows_.versions()[version.replaces - 1].record.observacoes;
    if (replaced && *replaced == memo) return;
    if (!memo && !replaced) return;
    QByteArray bytes = memo ? QByteArray::fromStdString(*memo) : QByteArray();
    // A reader drops one terminating zero byte: a note that ends in one gets another.
    if (bytes.endsWith('\0')) bytes.append('\0');
    const QByteArray text = bytes.toBase64();
    writeValue(schema_.observacoesColumn(), text.constData(), text.constData() + text.size());
}

}  // namespace

QByteArray writePacket(const VersionedRows& rows) {
    return PacketWriter(rows).write();
}

}  // namespace zelvaro
