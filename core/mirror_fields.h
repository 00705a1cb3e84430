#pragma once

#include <string_view>

namespace zelvaro {

// The numeric fields of the main window, each showing one scalar of the mirror model.
enum class MirrorField { D, R, ZoneCount, Lambda, b, k, f, fD, At, Az, p, Rms, Strehl };
inline constexpr int kMirrorFieldCount = 13;

// A field as the window lays it out: its object name, the label beside it, its hint, the
// display pattern it starts with, its bounds (equal bounds mean none) and whether it is typed.
struct MirrorFieldDescription {
    std::string_view objectName;
    std::string_view label;
    std::string_view hint;
    std::string_view displayPattern;
    long double minValue;
    long double maxValue;
    bool editable;
};

const MirrorFieldDescription& DescriptionOf(MirrorField field);

// The pattern every field shows with "Usar notação científica." ticked.
inline constexpr std::string_view kScientificPattern = "#.##0E+00";
// The decimal pattern the fields take when scientific notation is switched off again.
inline constexpr std::string_view kDefaultDecimalPattern = "#,##0.00000";

// A stored pattern as a field gets it: the pattern, ";-" and the pattern again.
std::string DoubledPattern(std::string_view pattern);

}  // namespace zelvaro
