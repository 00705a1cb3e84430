#pragma once

namespace zelvaro {

// Radius of the diffraction disk, 1.22·Lambda·fD.
long double CalcDiffractionRadius(long double Lambda, long double fD);

// Outer radius of zone i+1 when every zone has the area Az: √((i+1)·Az/π).
long double CalcAutoRadius(int i, long double Az);

}  // namespace zelvaro
