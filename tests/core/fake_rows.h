#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/measurement_rows.h"

namespace zelvaro::fixtures {

// A measurement table reduced to what the model sees: rows of named numbers, a current
// row, browse/edit/insert, and the table's notices to the model.
class FakeRows : public MeasurementRows {
  public:
    using Row = std::map<std::string, double, std::less<>>;

    MeasurementEvents* events = nullptr;
    std::vector<Row> rows;
    int current = -1;
    int zoneColumns = 0;
    int rebuilds = 0;

    void rebuild(int zoneCount) override {
        ++rebuilds;
        zoneColumns = zoneCount;
        rows.clear();
        current = -1;
        state_ = State::Browse;
        changed();
    }
    int rowCount() const override { return static_cast<int>(rows.size()); }
    bool isBrowsing() const override { return state_ == State::Browse; }
    void edit() override {
        if (state_ != State::Browse) return;
        if (rows.empty()) return insert();
        pending_ = rows[current];
        state_ = State::Edit;
        changed();
    }
    void insert() {
        pending_ = {};
        state_ = State::Insert;
        pending_["ZonaReferencia"] = events->newRowDefaults();
        changed();
    }
    void post() override {
        if (state_ == State::Browse) return;
        if (state_ == State::Insert) {
            rows.push_back(pending_);
            current = static_cast<int>(rows.size()) - 1;
        } else {
            rows[current] = pending_;
        }
        state_ = State::Browse;
        changed();
    }
    std::optional<double> reading(int zoneNumber) const override {
        if (zoneNumber < 1 || zoneNumber > zoneColumns) {
            throw MissingColumnError("Zona" + std::to_string(zoneNumber));
        }
        return cell("Zona" + std::to_string(zoneNumber));
    }
    std::optional<double> constantK() const override { return cell("ConstanteK"); }
    std::optional<double> parabolaZone() const override { return cell("ZonaReferencia"); }
    void setConstantK(double k) override { store("ConstanteK", k); }
    void setParabolaZone(int zoneIndex) override { store("ZonaReferencia", zoneIndex); }
    // Empties a cell of the row being edited.
    void clearCell(const std::string& column) {
        if (state_ == State::Browse) throw std::logic_error("not editing");
        pending_.erase(column);
        changed();
    }
    void store(const std::string& column, double value) {
        if (state_ == State::Browse) throw std::logic_error("not editing");
        pending_[column] = value;
        changed();
    }

    // A posted row, made current, as a loaded file leaves it.
    void addRow(Row row) {
        rows.push_back(std::move(row));
        moveTo(static_cast<int>(rows.size()) - 1);
    }
    void moveTo(int index) {
        current = index;
        changed();
    }

  private:
    enum class State { Browse, Edit, Insert };

    std::optional<double> cell(const std::string& column) const {
        const Row* row = state_ != State::Browse ? &pending_
                         : current >= 0          ? &rows[current]
                                                 : nullptr;
        if (row == nullptr) return std::nullopt;
        const auto found = row->find(column);
        if (found == row->end()) return std::nullopt;
        return found->second;
    }
    void changed() {
        if (events != nullptr) events->measurementDataChanged();
    }

    State state_ = State::Browse;
    Row pending_;
};

}  // namespace zelvaro::fixtures
