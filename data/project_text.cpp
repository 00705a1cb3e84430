#include "data/project_text.h"

#include <algorithm>

#include "data/project_file_error.h"

namespace zelvaro {

namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Keys hold no "=", so the text before the line's first "=" equals the key exactly when the
// line starts with the key followed by "=".
bool lineHasKey(std::string_view line, std::string_view key) {
    if (line.size() <= key.size() || line[key.size()] != '=') return false;
    return std::equal(key.begin(), key.end(), line.begin(),
                      [](char a, char b) { return asciiLower(a) == asciiLower(b); });
}

// The line starting at `pos`; `pos` moves to the start of the next line.
std::string_view nextLine(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    const auto end = std::find_if(text.begin() + start, text.end(), isLineBreak);
    pos = static_cast<std::size_t>(end - text.begin());
    const std::string_view line = text.substr(start, pos - start);
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
    return line;
}

}  // namespace

std::vector<std::string_view> findHeaderValues(std::string_view text,
                                               const std::vector<std::string_view>& keys) {
    std::vector<std::string_view> values(keys.size());
    std::vector<bool> found(keys.size(), false);
    std::size_t missing = keys.size();
    std::size_t pos = 0;
    while (missing > 0 && pos < text.size()) {
        const std::string_view line = nextLine(text, pos);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (found[i] || !lineHasKey(line, keys[i])) continue;
            values[i] = line.substr(keys[i].size() + 1);
            found[i] = true;
            --missing;
        }
    }
    return values;
}

std::string_view cutOutPacket(std::string_view text) {
    static constexpr std::string_view kStart = "<?xml";
    static constexpr std::string_view kEnd = "</DATAPACKET>";
    const std::size_t end = text.find(kEnd);
    if (end == std::string_view::npos) {
        // A packet that begins and never ends is a file cut short, not a test without rows:
        // opening it as empty would hide the loss.
        if (text.find(kStart) != std::string_view::npos) {
            throw ProjectFileError("a tabela de dados termina antes de \"</DATAPACKET>\"");
        }
        return {};
    }
    const std::size_t start = text.substr(0, end).find(kStart);
    if (start == std::string_view::npos) {
        throw ProjectFileError("a seção da tabela não começa com \"<?xml\"");
    }
    return text.substr(start, end + kEnd.size() - start);
}

}  // namespace zelvaro
