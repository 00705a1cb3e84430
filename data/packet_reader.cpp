#include "data/packet_reader.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <vector>

#include "core/measurement_columns.h"
#include "data/packet_text.h"
#include "data/packet_values.h"
#include "data/packet_vocabulary.h"
#include "data/xml_scanner.h"

namespace zelvaro {

namespace {

using Token = XmlScanner::Token;

constexpr int kMaxColumns = TableSchema::kMaxZoneCount + TableSchema::kExtraColumns;
// Dense readings make a short ROW element cost a whole record; the records of a packet may
// take this much, or four times the packet's size when that is more.
constexpr std::size_t kRecordBudget = std::size_t{64} << 20;

struct FieldDefinition {
    std::string name;
    std::string type;
    std::string subtype;
};

TableSchema schemaOf(const std::vector<FieldDefinition>& fields) {
    const int zoneCount = static_cast<int>(fields.size()) - TableSchema::kExtraColumns;
    if (zoneCount < 1) throw PacketError("as colunas do pacote não são uma tabela de medidas");
    const TableSchema schema(zoneCount);
    for (int column = 0; column < schema.columnCount(); ++column) {
        const FieldDefinition& field = fields[column];
        const ColumnKind kind = schema.kind(column);
        const bool memo = kind == ColumnKind::Memo;
        if (field.name != schema.name(column) || field.type != packet::fieldType(kind) ||
            (memo && field.subtype != packet::kTextSubtype))
            throw PacketError("coluna inesperada no pacote: " + field.name);
    }
    return schema;
}

std::vector<LogEntry> parseChangeLog(std::string_view text) {
    std::vector<std::uint32_t> numbers;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        std::uint32_t number = 0;
        const auto [end, error] =
            std::from_chars(text.data() + at, text.data() + text.size(), number);
        const std::size_t stop = static_cast<std::size_t>(end - text.data());
        if (error != std::errc() || (stop < text.size() && text[stop] != ' '))
            throw PacketError("CHANGE_LOG contém algo além de números");
        numbers.push_back(number);
        at = stop;
    }
    std::vector<LogEntry> log;
    log.reserve(numbers.size() / 3);
    for (std::size_t i = 0; i + 3 <= numbers.size(); i += 3)
        log.push_back(LogEntry{numbers[i], numbers[i + 1], numbers[i + 2]});
    return log;
}

class PacketParser {
  public:
    PacketParser(std::string_view text, std::size_t packetBytes)
        : scanner_(text), recordBudget_(std::max(kRecordBudget, 4 * packetBytes)) {}

    VersionedRows read();

  private:
    void expectStart(std::string_view name);
    void expectEnd(std::string_view name);
    void closeElement(std::string_view name);
    TableSchema readFields();
    void readParams();
    void readRows();
    void readRow();
    void storeValue(RowRecord& record, int column, std::string_view text);
    void linkVersions();

    XmlScanner scanner_;
    std::size_t recordBudget_;
    std::string scratch_;
    TableSchema schema_;
    std::vector<LogEntry> log_;
    std::vector<RowVersion> versions_;
    // Versions written without a memo attribute, which may inherit one.
    std::vector<bool> memoLeftOut_;
    std::vector<char> seen_;
};

VersionedRows PacketParser::read() {
    expectStart(packet::kDataPacket);
    expectStart(packet::kMetadata);
    expectStart(packet::kFields);
    schema_ = readFields();
    Token token = scanner_.next();
    if (token == Token::StartTag && scanner_.name() == packet::kParams) {
        readParams();
        token = scanner_.next();
    }
    if (token != Token::EndTag || scanner_.name() != packet::kMetadata)
        throw PacketError("METADATA contém mais que FIELDS e PARAMS");
    if (scanner_.next() != Token::StartTag || scanner_.name() != packet::kRowData)
        throw PacketError("o pacote não tem ROWDATA");
    readRows();
    expectEnd(packet::kDataPacket);
    linkVersions();
    return VersionedRows(schema_, std::move(versions_), std::move(log_));
}

void PacketParser::expectStart(std::string_view name) {
    if (scanner_.next() != Token::StartTag || scanner_.name() != name || scanner_.isEmptyElement())
        throw PacketError("falta " + std::string(name) + " no pacote");
}

void PacketParser::expectEnd(std::string_view name) {
    if (scanner_.next() != Token::EndTag || scanner_.name() != name)
        throw PacketError("o elemento " + std::string(name) + " do pacote não está fechado");
}

void PacketParser::closeElement(std::string_view name) {
    if (!scanner_.isEmptyElement()) expectEnd(name);
}

TableSchema PacketParser::readFields() {
    std::vector<FieldDefinition> fields;
    Token token;
    while ((token = scanner_.next()) == Token::StartTag && scanner_.name() == packet::kField) {
        if (fields.size() == kMaxColumns) throw PacketError("o pacote tem colunas demais");
        FieldDefinition field;
        for (const XmlScanner::Attribute& attribute : scanner_.attributes()) {
            const std::string_view value = XmlScanner::value(attribute, scratch_);
            if (attribute.name == packet::kAttrName)
                field.name = value;
            else if (attribute.name == packet::kFieldType)
                field.type = value;
            else if (attribute.name == packet::kSubtype)
                field.subtype = value;
        }
        fields.push_back(std::move(field));
        closeElement(packet::kField);
    }
    if (token != Token::EndTag || scanner_.name() != packet::kFields)
        throw PacketError("FIELDS contém mais que FIELD");
    return schemaOf(fields);
}

void PacketParser::readParams() {
    for (const XmlScanner::Attribute& attribute : scanner_.attributes())
        if (attribute.name == packet::kChangeLog)
            log_ = parseChangeLog(XmlScanner::value(attribute, scratch_));
    closeElement(packet::kParams);
}

void PacketParser::readRows() {
    if (scanner_.isEmptyElement()) return;
    Token token;
    while ((token = scanner_.next()) == Token::StartTag) {
        if (scanner_.name() != packet::kRow) throw PacketError("ROWDATA contém mais que ROW");
        readRow();
        closeElement(packet::kRow);
    }
    if (token != Token::EndTag || scanner_.name() != packet::kRowData)
        throw PacketError("o ROWDATA do pacote não está fechado");
}

void PacketParser::readRow() {
    const std::size_t recordBytes = static_cast<std::size_t>(schema_.zoneCount()) * sizeof(double);
    if ((versions_.size() + 1) * recordBytes > recordBudget_)
        throw PacketError("o pacote tem mais registros do que seu tamanho comporta");
    RowVersion version;
    version.record = RowRecord(schema_.zoneCount());
    seen_.assign(static_cast<std::size_t>(schema_.columnCount()), 0);
    for (const XmlScanner::Attribute& attribute : scanner_.attributes()) {
        if (attribute.name == packet::kRowState) {
            const std::string_view value = XmlScanner::value(attribute, scratch_);
            version.state = readPacketInteger(value, std::numeric_limits<std::int32_t>::min(),
                                              std::numeric_limits<std::int32_t>::max())
                                .value_or(0);
            continue;
        }
        const int column = schema_.indexOf(attribute.name);
        if (column < 0) continue;
        if (seen_[column]++) throw PacketError("um ROW repete uma coluna");
        storeValue(version.record, column, XmlScanner::value(attribute, scratch_));
    }
    memoLeftOut_.push_back(!seen_[schema_.observacoesColumn()]);
    versions_.push_back(std::move(version));
}

void PacketParser::storeValue(RowRecord& record, int column, std::string_view text) {
    switch (schema_.kind(column)) {
        case ColumnKind::DateTime:
            record.medidas = readPacketDateTime(text);
            break;
        case ColumnKind::Float: {
            const std::optional<double> value = readPacketFloat(text);
            if (schema_.isZoneColumn(column))
                record.readings[column - 1] = value.value_or(RowRecord::kEmptyReading);
            else
                record.constanteK = value;
            break;
        }
        case ColumnKind::Int32:
            record.chave = readPacketInteger(text, std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max());
            break;
        case ColumnKind::Int16: {
            const std::optional<std::int32_t> value =
                readPacketInteger(text, std::numeric_limits<std::int16_t>::min(),
                                  std::numeric_limits<std::int16_t>::max());
            if (value) record.zonaReferencia = static_cast<std::int16_t>(*value);
            break;
        }
        case ColumnKind::Memo: {
            // Lenient: line breaks, spaces and junk in the Base64 are skipped, not refused.
            QByteArray bytes = QByteArray::fromBase64(
                QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())));
            // A memo may end in a zero byte that is no part of its text.
            if (bytes.endsWith('\0')) bytes.chop(1);
            if (!bytes.isEmpty()) record.observacoes = bytes.toStdString();
            break;
        }
    }
}

// Links each version to the one it replaces, through the first log entry naming it, and
// gives a modified version written without notes the notes of the version it replaces.
void PacketParser::linkVersions() {
    const std::size_t count = versions_.size();
    for (const LogEntry& entry : log_) {
        const bool valid = entry.version >= 1 && entry.version <= count && entry.replaced >= 1 &&
                           entry.replaced < entry.version;
        if (valid && versions_[entry.version - 1].replaces == 0)
            versions_[entry.version - 1].replaces = entry.replaced;
    }
    for (std::size_t i = 0; i < count; ++i) {
        RowVersion& version = versions_[i];
        const bool inherits =
            (version.state & row_state::kModified) && memoLeftOut_[i] && version.replaces != 0;
        if (inherits)
            version.record.observacoes = versions_[version.replaces - 1].record.observacoes;
    }
}

}  // namespace

std::optional<VersionedRows> readPacket(QByteArrayView bytes) {
    if (bytes.isEmpty()) return std::nullopt;
    const PacketText text(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
    PacketParser parser(text.utf8(), static_cast<std::size_t>(bytes.size()));
    return parser.read();
}

}  // namespace zelvaro
