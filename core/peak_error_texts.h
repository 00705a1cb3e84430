#pragma once

#include <string>

#include "format/separators.h"

namespace zelvaro {

// The two texts of the largest wavefront error, meant for the Symbol typeface, where the
// letter l shows as λ and Æ (U+00C6, the character 0xC6 of that font) as the empty-set sign:
// the error in waves ("0,01244l") and the wavelength divided by a number ("l/80,39"), or Æ
// when the error is 0. UTF-8.
struct PeakErrorTexts {
    std::string waves;
    std::string fraction;

    bool operator==(const PeakErrorTexts& other) const {
        return waves == other.waves && fraction == other.fraction;
    }
};

// The character that the Symbol typeface shows as ∅.
inline constexpr const char* kEmptySetCharacter = "\u00C6";

PeakErrorTexts FormatPeakError(double peakError, const Separators& separators);

}  // namespace zelvaro
