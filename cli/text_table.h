#pragma once

#include <string>
#include <vector>

namespace zelvaro {

// Rows of cells printed in aligned columns, two spaces apart: the first column to the left,
// the others to the right unless told otherwise. Widths count characters, not UTF-8 bytes.
class TextTable {
  public:
    void addRow(std::vector<std::string> cells);
    void alignLeft(std::size_t column);
    // One line per row, each ended by "\n"; no trailing blanks.
    std::string render() const;

  private:
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::size_t> leftAligned_ = {0};
};

// The number of characters of a UTF-8 text.
std::size_t displayWidth(const std::string& utf8);

}  // namespace zelvaro
