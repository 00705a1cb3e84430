#include "core/peak_error_texts.h"

#include "format/format_string.h"

namespace zelvaro {

PeakErrorTexts FormatPeakError(double peakError, const Separators& separators) {
    const long double waves = peakError;
    PeakErrorTexts texts;
    texts.waves = FormatString("%.5nl", {waves}, separators);
    texts.fraction = peakError != 0 ? FormatString("l/%n", {1 / waves}, separators)
                                    : std::string(kEmptySetCharacter);
    return texts;
}

}  // namespace zelvaro
