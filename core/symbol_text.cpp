#include "core/symbol_text.h"

#include <string_view>

#include "core/peak_error_texts.h"

namespace zelvaro {

std::string symbolText(const std::string& text) {
    const std::string_view emptySet = kEmptySetCharacter;
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == 'l') {
            shown += "λ";
        } else if (text.compare(i, emptySet.size(), emptySet) == 0) {
            shown += "∅";
            i += emptySet.size() - 1;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

}  // namespace zelvaro
