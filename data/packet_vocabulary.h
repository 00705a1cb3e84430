#pragma once

#include <string_view>

#include "data/table_schema.h"

namespace zelvaro {

// Element and attribute names of the XML data packet.
namespace packet {
inline constexpr std::string_view kDataPacket = "DATAPACKET";
inline constexpr std::string_view kMetadata = "METADATA";
inline constexpr std::string_view kFields = "FIELDS";
inline constexpr std::string_view kField = "FIELD";
inline constexpr std::string_view kParams = "PARAMS";
inline constexpr std::string_view kRowData = "ROWDATA";
inline constexpr std::string_view kRow = "ROW";
inline constexpr std::string_view kAttrName = "attrname";
inline constexpr std::string_view kFieldType = "fieldtype";
inline constexpr std::string_view kSubtype = "SUBTYPE";
inline constexpr std::string_view kTextSubtype = "Text";
inline constexpr std::string_view kChangeLog = "CHANGE_LOG";
inline constexpr std::string_view kRowState = "RowState";

// The fieldtype of a column kind: "dateTime", "r8", "i4", "i2", "bin.hex".
constexpr std::string_view fieldType(ColumnKind kind) {
    switch (kind) {
        case ColumnKind::DateTime:
            return "dateTime";
        case ColumnKind::Float:
            return "r8";
        case ColumnKind::Int32:
            return "i4";
        case ColumnKind::Int16:
            return "i2";
        case ColumnKind::Memo:
            return "bin.hex";
    }
    return {};
}
}  // namespace packet

}  // namespace zelvaro
