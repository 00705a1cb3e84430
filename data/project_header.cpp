#include "data/project_header.h"

#include <string_view>

#include "data/project_keys.h"
#include "data/radius_list.h"
#include "format/format_string.h"

namespace zelvaro {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

void addNumberLine(std::string& text, std::string_view key, long double value,
                   const Separators& seps) {
    text += FormatString("%s=%g", {key, value}, seps);
    text += kLineBreak;
}

void addIntegerLine(std::string& text, std::string_view key, int value, const Separators& seps) {
    text += FormatString("%s=%d", {key, static_cast<long long>(value)}, seps);
    text += kLineBreak;
}

}  // namespace

std::string writeProjectHeader(const ProjectHeader& header, const Separators& seps) {
    std::string text;
    const std::string radii = joinRadiusList(header.Hx, seps);
    text += FormatString("%s=%s", {project_keys::kRadii, std::string_view(radii)}, seps);
    text += kLineBreak;
    addNumberLine(text, project_keys::kDiameter, header.D, seps);
    addNumberLine(text, project_keys::kRadiusOfCurvature, header.R, seps);
    addIntegerLine(text, project_keys::kZoneCount, header.ZoneCount, seps);
    addNumberLine(text, project_keys::kLambda, header.Lambda, seps);
    addNumberLine(text, project_keys::kDeformation, header.b, seps);
    addIntegerLine(text, project_keys::kReductionZone, header.ReductionZoneIndex, seps);
    if (header.Tester == TesterType::MovingSource) {
        addIntegerLine(text, project_keys::kTesterType, project_keys::kMovingSource, seps);
    }
    text += project_keys::kTableMarker;
    text += kLineBreak;
    return text;
}

}  // namespace zelvaro
