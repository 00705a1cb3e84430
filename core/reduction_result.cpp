#include "core/reduction_result.h"

namespace zelvaro {

void ClearReductionArrays(ReductionResult& result, int zoneCount) {
    for (std::vector<double>* array :
         {&result.Residual, &result.Reduction, &result.AdjustedReduction, &result.TAf,
          &result.Tolerance, &result.TAfOverP, &result.SlopeError, &result.Wavefront,
          &result.ParabolaWavefront, &result.WavefrontError}) {
        array->assign(zoneCount, 0.0);
    }
    result.ParabolaConstant = 0;
}

}  // namespace zelvaro
