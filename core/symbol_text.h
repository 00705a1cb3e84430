#pragma once

#include <string>

namespace zelvaro {

// A text meant for the Symbol typeface as the user reads it: the letter l is λ and Æ (the
// typeface's empty-set character) is ∅. UTF-8.
std::string symbolText(const std::string& text);

}  // namespace zelvaro
