#pragma once
// The only conversions between numbers and texts in the program.
//
// A text reads as a number when, with blanks (space, tab, U+3000) around it
// ignored, it is an optional sign, digits with an optional fraction after "."
// (".5" and "5." included) and an optional exponent ("e" or "E", optional sign,
// digits). The full-width twins that a Chinese input method types (０-９ ．
// －＋ｅＥ) read like their ASCII forms. Nothing else reads as a number: no digit
// grouping, decimal comma, hexadecimal, inf or nan.

#include <string>
#include <string_view>

namespace traverse {

enum class TextKind {
  kNumber,      // reads as a number within the range of a double
  kOutOfRange,  // reads as a number beyond the range of a double ("1e400")
  kNotANumber,  // anything else, the empty text included
};

struct NumberReading {
  TextKind kind = TextKind::kNotANumber;
  double value = 0.0;  // the nearest double; meaningful for kNumber only
};

// Never fails: says what the text is and, for a number, its value.
NumberReading ReadNumber(std::string_view text);

// The value of a typed text at its numeric use. `what` names the value for the
// message ("起始点 A 的纵座标 Xa"). Throws RunFailure: type mismatch for a text
// that does not read as a number, overflow for one beyond a double's range.
double NumberOfText(std::string_view text, std::string_view what);

// x * 10^d rounded to a whole number, exact halves to even, then / 10^d, in
// double arithmetic. d is 0..5. Where x * 10^d is beyond a double's range, x
// has no fractional digits to round and is returned as it is.
double RoundHalfEven(double x, int d);

// x with exactly d decimals (d = 2..5) and at least one digit before the point.
// A tie is judged on the 15-significant-digit decimal form of x and rounds away
// from zero (typed 2.675 at d = 2 gives 2.68). A value that rounds to zero has
// no minus sign. x must be finite.
std::string FixedText(double x, int d);

// A typed text in the pattern of d decimals: a text that reads as a number is
// written as its value; any other text (also one beyond a double's range) is
// returned unchanged, the empty text giving the empty text.
std::string FixedText(std::string_view typed, int d);

// x in plain decimal notation with at most 15 significant digits, trailing
// zeros dropped, no point for a whole number, never "-0". From 10^15 up and
// below 10^-4 (zero aside): scientific form, e.g. 1E+15, 1.23456789012346E+20,
// 1.5E-05. x must be finite.
std::string GeneralText(double x);

}  // namespace traverse
