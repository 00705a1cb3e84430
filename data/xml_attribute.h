#pragma once

#include <string>
#include <string_view>

namespace zelvaro {

// Appends an attribute value with the characters a packet writer escapes: < > & ' " CR LF
// TAB and backslash become "&lt;" "&gt;" "&amp;" "&apos;" "&quot;" "&#013;" "&#010;"
// "&#009;" "&#092;".
void appendEscapedAttribute(std::string& out, std::string_view value);

// An attribute value as XML reads it: character and entity references replaced, and each
// literal TAB, CR, LF or CR LF turned into one space. Returns false on a reference that is
// not one of the five entities or a character number.
bool unescapeAttribute(std::string_view raw, std::string& out);

}  // namespace zelvaro
