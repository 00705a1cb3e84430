#include "cli/text_table.h"

#include <algorithm>

namespace zelvaro {

std::size_t displayWidth(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void TextTable::addRow(std::vector<std::string> cells) {
    rows_.push_back(std::move(cells));
}

void TextTable::alignLeft(std::size_t column) {
    leftAligned_.push_back(column);
}

std::string TextTable::render() const {
    std::vector<std::size_t> widths;
    for (const auto& row : rows_) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    }
    std::string text;
    for (const auto& row : rows_) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - displayWidth(row[c]), ' ');
            if (c > 0) line += "  ";
            const bool left =
                std::find(leftAligned_.begin(), leftAligned_.end(), c) != leftAligned_.end();
            line += left ? row[c] + padding : padding + row[c];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace zelvaro
