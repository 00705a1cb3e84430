#include "core/mirror_fields.h"

#include <array>
#include <string>

namespace zelvaro {

namespace {

constexpr std::string_view kFieldPattern = "#,##0.00000;-#,##0.00000";

constexpr std::array<MirrorFieldDescription, kMirrorFieldCount> kDescriptions{{
    {"edtD", "Diâmetro do espelho (D):", "Diâmetro do espelho", kFieldPattern, 0, 0, true},
    {"edtR", "Raio de curvatura (R):", "Raio de curvatura do espelho", kFieldPattern, 0, 0, true},
    {"edtNumZonas", "Número de zonas:", "Número de zonas", "000", 1, 999, true},
    {"edtLambda", "Lâmbda:", "Comprimento de onda da luz", kFieldPattern, 0, 0, true},
    {"edtb", "Coef. de deformação:", "Coeficiente de deformação (-1 para parabolóide)",
     kFieldPattern, 0, 0, true},
    {"edtK", "Constante de correção k:", "Constante de correnção do centro de curvatura",
     kFieldPattern, 0, 0, true},
    {"edtf", "Distância focal (f):", "Distância focal do espelho", kFieldPattern, 0, 0, false},
    {"edtfD", "Relação focal (fD):", "Relação focal", kFieldPattern, 0, 0, false},
    {"edtAt", "Área total do espelho (At):", "Área total do espelho", kFieldPattern, 0, 0, false},
    {"edtAz", "Área das zonas (Az):", "Área de cada zona", kFieldPattern, 0, 0, false},
    {"edtp", "Raio do disco de difração (p):", "Raio do disco de difração", kFieldPattern, 0, 0,
     false},
    {"edtRMS", "Erro RMS:", "Erro RMS (quanto menor, melhor)", kFieldPattern, 0, 0, false},
    {"edtStrehl", "Razão de Strehl:", "Razão de Strehl (quanto mais próximo de 1, melhor)",
     kFieldPattern, 0, 0, false},
}};

}  // namespace

const MirrorFieldDescription& DescriptionOf(MirrorField field) {
    return kDescriptions[static_cast<std::size_t>(field)];
}

std::string DoubledPattern(std::string_view pattern) {
    std::string doubled(pattern);
    doubled += ";-";
    doubled += pattern;
    return doubled;
}

}  // namespace zelvaro
