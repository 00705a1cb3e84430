#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "data/row_record.h"
#include "data/table_schema.h"

namespace zelvaro {

// Row versions and change log of the measurement table.
//
// Every posted row is a version, numbered 1, 2, 3 ... in order of creation, and versions are
// never removed: the table keeps its whole history, saves it and extends it after a load.
// - Posting a new row adds a version with state kInserted and the log entry (v, 0, 4).
// - Posting an edit that changed any byte adds a version with the complete new record and
//   state kModified (plus kInserted when the replaced version had it), marks the replaced
//   version kSuperseded and logs (new, replaced, 8). An edit that changed nothing adds
//   nothing.
// - The rows shown are the versions with none of kSuperseded, kDeleted and kEmptySlot,
//   ordered by the index idxChave: ascending Chave, an empty key first, equal keys in the
//   order they came in. An edited row keeps its place unless its key changed.
// Only emptying or rebuilding the table discards versions and log; numbering starts again.
namespace row_state {
inline constexpr std::int32_t kSuperseded = 1;
inline constexpr std::int32_t kDeleted = 2;
inline constexpr std::int32_t kInserted = 4;
inline constexpr std::int32_t kModified = 8;
inline constexpr std::int32_t kEmptySlot = 32;

inline bool isCurrent(std::int32_t state) {
    return (state & (kSuperseded | kDeleted | kEmptySlot)) == 0;
}
}  // namespace row_state

// One change: the new version, the version it replaces (0 for none) and the kind (4 inserted,
// 8 modified, 2 deleted), all 1-based version numbers as the packet writes them.
struct LogEntry {
    std::uint32_t version = 0;
    std::uint32_t replaced = 0;
    std::uint32_t kind = 0;

    friend bool operator==(const LogEntry& a, const LogEntry& b) {
        return a.version == b.version && a.replaced == b.replaced && a.kind == b.kind;
    }
};

struct RowVersion {
    std::int32_t state = 0;
    // 1-based number of the version this one modifies, 0 for none.
    std::uint32_t replaces = 0;
    RowRecord record;
};

class VersionedRows {
  public:
    // No columns, no rows: a table never built.
    VersionedRows() = default;
    explicit VersionedRows(const TableSchema& schema) : schema_(schema) {}
    // Versions and log as loaded; each version's `replaces` already set, records sized for the
    // schema.
    VersionedRows(const TableSchema& schema, std::vector<RowVersion> versions,
                  std::vector<LogEntry> log);

    const TableSchema& schema() const { return schema_; }
    const std::vector<RowVersion>& versions() const { return versions_; }
    const std::vector<LogEntry>& changeLog() const { return log_; }

    int rowCount() const { return static_cast<int>(index_.size()); }
    // The shown row at a 0-based position in key order.
    const RowRecord& row(int position) const { return versions_[index_[position]].record; }

    // Stores a posted new row; returns its position in key order.
    int insert(RowRecord record);
    // Stores a posted edit of the row at `position`; returns the row's position afterwards,
    // or no value when the record holds the same bytes as the stored one.
    std::optional<int> modify(int position, RowRecord record);

  private:
    // Where a row with this key goes: after every row whose key is not greater.
    std::vector<std::uint32_t>::iterator keyPosition(const std::optional<std::int32_t>& chave);
    // Puts a version into the index at `where`; returns its position.
    int indexAt(std::vector<std::uint32_t>::iterator where, std::uint32_t version);
    std::uint32_t append(std::int32_t state, std::uint32_t replaces, RowRecord record);

    TableSchema schema_;
    std::vector<RowVersion> versions_;
    std::vector<LogEntry> log_;
    // idxChave: 0-based indices into versions_ of the shown rows, in key order.
    std::vector<std::uint32_t> index_;
};

}  // namespace zelvaro
