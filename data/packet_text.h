#pragma once

#include <string>
#include <string_view>

namespace zelvaro {

// The text of a data packet, as UTF-8. A UTF-8 byte-order mark is skipped and the text taken
// as UTF-8; otherwise it is UTF-8 when its XML declaration says encoding="UTF-8" (in any
// letter case) and its bytes are valid UTF-8, and Windows-1252 in every other case. Throws
// PacketError unless the text starts with "<".
class PacketText {
  public:
    explicit PacketText(std::string_view bytes);
    // utf8() may point into the object itself.
    PacketText(const PacketText&) = delete;
    PacketText& operator=(const PacketText&) = delete;

    std::string_view utf8() const { return text_; }

  private:
    std::string transcoded_;
    std::string_view text_;
};

// The value of the encoding pseudo-attribute of a leading XML declaration, empty when there
// is none.
std::string_view declaredEncoding(std::string_view text);

}  // namespace zelvaro
