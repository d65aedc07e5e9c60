#pragma once
// A plausible traverse of any size for the benchmarks: stations with angles
// near a straight line and sides of 150 to 350 m, so that every run ends with
// its last result instead of a failure.

#include <cstddef>
#include <string>

#include "adjust/traverse_record.h"

namespace traverse::bench {

// The typed texts of station k (point k, k = 0..n; side k, k = 1..n).
std::string PointNameOf(std::size_t k);
std::string TurnAngleOf(std::size_t k);  // DDD.MMSS, 170 to 189 degrees
std::string SideOf(std::size_t k);       // metres, three decimals

// A record as the entry operations leave it for n sides: constants, arrays,
// start data and every typed angle and side; TurnAngle holds the decimal
// degrees.
TraverseRecord PreparedRecord(std::size_t n);

// The answers of one run with n sides, every value confirmed at once and every
// listing prompt answered with OK; one answer per line.
std::string AnswerScript(std::size_t n);

}  // namespace traverse::bench
