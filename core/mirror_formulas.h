#pragma once

namespace zelvaro {

// Knife-edge reading a conic of coefficient b gives at radius h: −b·(h²/R + h⁴/(2R³));
// 0 when R is 0.
long double CalcIdealAberration(long double b, long double h, long double R);

// Radius of the diffraction disk, 1.22·Lambda·fD.
long double CalcDiffractionRadius(long double Lambda, long double fD);

// Outer radius of zone i+1 when every zone has the area Az: √((i+1)·Az/π).
long double CalcAutoRadius(int i, long double Az);

}  // namespace zelvaro
