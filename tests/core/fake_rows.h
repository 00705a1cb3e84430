#pragma once

#include <charconv>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/measurement_rows.h"

namespace zelvaro::testing {

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
    std::optional<double> number(std::string_view column) const override {
        if (!hasColumn(column)) throw MissingColumnError(std::string(column));
        const Row* row = state_ != State::Browse ? &pending_
                         : current >= 0          ? &rows[current]
                                                 : nullptr;
        if (row == nullptr) return std::nullopt;
        const auto cell = row->find(column);
        if (cell == row->end()) return std::nullopt;
        return cell->second;
    }
    void setNumber(std::string_view column, std::optional<double> value) override {
        if (state_ == State::Browse) throw std::logic_error("not editing");
        if (value) {
            pending_[std::string(column)] = *value;
        } else {
            pending_.erase(std::string(column));
        }
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

    bool hasColumn(std::string_view column) const {
        if (column == "ConstanteK" || column == "ZonaReferencia") return true;
        constexpr std::string_view prefix = "Zona";
        if (column.substr(0, prefix.size()) != prefix) return false;
        const std::string_view number = column.substr(prefix.size());
        int zone = 0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), zone);
        return error == std::errc() && end == number.data() + number.size() && zone >= 1 &&
               zone <= zoneColumns;
    }
    void changed() {
        if (events != nullptr) events->measurementDataChanged();
    }

    State state_ = State::Browse;
    Row pending_;
};

}  // namespace zelvaro::testing
