#pragma once

#include <QByteArrayView>
#include <optional>

#include "data/packet_error.h"
#include "data/versioned_rows.h"

namespace zelvaro {

// Reads a data packet of the measurement table: its columns, every row version and the
// change log. No value for zero bytes (the table stays as it was). Throws PacketError for a
// packet that is rejected: not starting with "<", not well-formed where it is read, without
// metadata, or whose columns are not Medidas, Zona1 .. ZonaN, Chave, ConstanteK,
// ZonaReferencia and Observacoes with their types for some N from 1 to 999, or holding more
// row versions than its size can account for.
//
// Values that cannot be read are empty cells, never errors. Attributes the table does not
// know are ignored; log entries that name no earlier version are kept but link nothing.
std::optional<VersionedRows> readPacket(QByteArrayView bytes);

}  // namespace zelvaro
