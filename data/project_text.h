#pragma once

#include <string_view>
#include <vector>

namespace zelvaro {

// Looks up header values in the text of a project file, in one pass over its lines (CR LF,
// a lone CR and a lone LF each end a line). The value of a key is the rest of the first line
// whose text before its first "=" equals the key, letter case ignored; not trimmed; empty
// when no line has the key. Element i of the result belongs to keys[i]; the views point
// into `text`.
std::vector<std::string_view> findHeaderValues(std::string_view text,
                                               const std::vector<std::string_view>& keys);

// The XML data packet inside the text of a project file: from the first "<?xml" through the
// end of the first "</DATAPACKET>"; what follows is ignored. Empty when there is neither
// (a file without a table). Throws ProjectFileError when "</DATAPACKET>" has no "<?xml"
// before it, or when "<?xml" begins a packet that no "</DATAPACKET>" ends.
std::string_view cutOutPacket(std::string_view text);

}  // namespace zelvaro
