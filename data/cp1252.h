#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace zelvaro {

// Windows-1252, the 8-bit code page of the notes in a data packet. Ours rather than Qt's ICU
// codec for it: that one writes 0x1A for a character outside the code page, this one "?".
// Decoding maps every byte: the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same number, so bytes survive a decode
// and encode unchanged.
QString fromCp1252(std::string_view bytes);
std::string toCp1252(QStringView text);

}  // namespace zelvaro
