#include "data/versioned_rows.h"

#include <algorithm>

namespace zelvaro {

VersionedRows::VersionedRows(const TableSchema& schema, std::vector<RowVersion> versions,
                             std::vector<LogEntry> log)
    : schema_(schema), versions_(std::move(versions)), log_(std::move(log)) {
    for (std::uint32_t i = 0; i < versions_.size(); ++i)
        if (row_state::isCurrent(versions_[i].state)) index_.push_back(i);
    std::stable_sort(index_.begin(), index_.end(), [this](std::uint32_t a, std::uint32_t b) {
        return versions_[a].record.chave < versions_[b].record.chave;
    });
}

std::vector<std::uint32_t>::iterator VersionedRows::keyPosition(
    const std::optional<std::int32_t>& chave) {
    return std::upper_bound(index_.begin(), index_.end(), chave,
                            [this](const std::optional<std::int32_t>& key, std::uint32_t v) {
                                return key < versions_[v].record.chave;
                            });
}

std::uint32_t VersionedRows::append(std::int32_t state, std::uint32_t replaces, RowRecord record) {
    versions_.push_back(RowVersion{state, replaces, std::move(record)});
    return static_cast<std::uint32_t>(versions_.size() - 1);
}

int VersionedRows::indexAt(std::vector<std::uint32_t>::iterator where, std::uint32_t version) {
    const auto inserted = index_.insert(where, version);
    return static_cast<int>(inserted - index_.begin());
}

int VersionedRows::insert(RowRecord record) {
    const auto where = keyPosition(record.chave);
    const std::uint32_t added = append(row_state::kInserted, 0, std::move(record));
    log_.push_back(LogEntry{added + 1, 0, row_state::kInserted});
    return indexAt(where, added);
}

std::optional<int> VersionedRows::modify(int position, RowRecord record) {
    const std::uint32_t old = index_[position];
    if (versions_[old].record.sameBytes(record)) return std::nullopt;
    const bool keyKept = versions_[old].record.chave == record.chave;
    const std::int32_t state = row_state::kModified | (versions_[old].state & row_state::kInserted);
    versions_[old].state |= row_state::kSuperseded;
    const std::uint32_t added = append(state, old + 1, std::move(record));
    log_.push_back(LogEntry{added + 1, old + 1, row_state::kModified});
    if (keyKept) {
        index_[position] = added;
        return position;
    }
    index_.erase(index_.begin() + position);
    return indexAt(keyPosition(versions_[added].record.chave), added);
}

}  // namespace zelvaro
