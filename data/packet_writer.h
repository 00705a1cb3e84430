#pragma once

#include <QByteArray>

#include "data/versioned_rows.h"

namespace zelvaro {

// The data packet of a measurement table: one line of ASCII, the column list, the change
// log, then every row version in version order with its RowState; with an empty log only
// the shown rows, without RowState. An empty cell is left out, and so are the notes of a
// modified version that equal those of the version it replaces. Notes cleared by an edit are
// written empty (Observacoes=""), since leaving them out would bring the old notes back when
// the packet is read.
QByteArray writePacket(const VersionedRows& rows);

}  // namespace zelvaro
