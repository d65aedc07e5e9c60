#pragma once
// Packed sexagesimal DDD.MMSS to decimal degrees.

#include <string_view>

namespace traverse {

// The typed angle `typed` (DDD.MMSS: whole degrees, two digits of minutes, two
// of seconds, further decimals as fractions of a second) in decimal degrees:
//   d = trunc(x), h = 100x, t = 10000x,
//   m = W(h) - 100d, s = t - 100 W(h), result = (d + m/60) + s/3600,
// where W(h) is the whole number within 1e-9 of h if there is one, else h
// truncated toward zero. The snap undoes a product 100x that the
// multiplication left just short of the whole number the typed digits give
// (270.1500 -> 27014.999999999996); it works alike for both signs. From
// 131072 (2^17) degrees up the rounding of 100x can exceed the tolerance, and
// a whole minute may decode as one minute less and 100 seconds; no surveyed
// angle comes near.
// Minutes and seconds of 60 and more, angles beyond 360 and negative angles
// convert by the same steps; nothing is brought into range.
// Throws RunFailure naming `what`: type mismatch for a text that is not a
// number, overflow where the products leave a double's range.
double ToDecimalDegrees(std::string_view typed, std::string_view what);

}  // namespace traverse
