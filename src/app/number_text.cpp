#include "app/number_text.h"

#include <locale.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/run_failure.h"

namespace traverse {
namespace {

// The process locale may use a decimal comma (QApplication adopts the user's);
// typed numbers always use ".".
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

bool StartsWith(std::string_view s, std::size_t i, std::string_view prefix) {
  return s.compare(i, prefix.size(), prefix) == 0;
}

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";  // U+3000

// Length of the blank at position i, or 0.
std::size_t BlankAt(std::string_view s, std::size_t i) {
  if (s[i] == ' ' || s[i] == '\t') return 1;
  if (StartsWith(s, i, kIdeographicSpace)) return kIdeographicSpace.size();
  return 0;
}

std::string_view TrimBlanks(std::string_view s) {
  std::size_t b = 0;
  while (b < s.size()) {
    std::size_t n = BlankAt(s, b);
    if (n == 0) break;
    b += n;
  }
  std::size_t e = s.size();
  while (e > b) {
    if (s[e - 1] == ' ' || s[e - 1] == '\t') {
      --e;
    } else if (e - b >= kIdeographicSpace.size() &&
               StartsWith(s, e - kIdeographicSpace.size(), kIdeographicSpace)) {
      e -= kIdeographicSpace.size();
    } else {
      break;
    }
  }
  return s.substr(b, e - b);
}

// Maps the full-width forms to ASCII; returns false on any character that
// cannot be part of a number.
bool ToAsciiNumberChars(std::string_view s, std::string& out) {
  out.clear();
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    // Full-width forms U+FF01..U+FF5E are EF BC xx / EF BD xx and sit 0xFEE0
    // above their ASCII twins.
    if (c == 0xEF && i + 2 < s.size()) {
      const unsigned char c1 = static_cast<unsigned char>(s[i + 1]);
      const unsigned char c2 = static_cast<unsigned char>(s[i + 2]);
      int code = -1;
      if (c1 == 0xBC && c2 >= 0x80 && c2 <= 0xBF) code = 0xFF00 + (c2 - 0x80);
      if (c1 == 0xBD && c2 >= 0x80 && c2 <= 0xBF) code = 0xFF40 + (c2 - 0x80);
      const int ascii = code - 0xFEE0;
      if ((ascii >= '0' && ascii <= '9') || ascii == '.' || ascii == '-' || ascii == '+' ||
          ascii == 'e' || ascii == 'E') {
        out += static_cast<char>(ascii);
        i += 3;
        continue;
      }
    }
    return false;
  }
  return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// sign? (digits ("." digits?)? | "." digits) ([eE] sign? digits)?
bool IsDecimalNumber(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++mantissaDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};

// |x| as 15 significant decimal digits and the decimal exponent of the first.
struct Decimal15 {
  std::string digits;  // exactly 15
  int exponent = 0;
};

Decimal15 ToDecimal15(double x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
  Decimal15 d;
  d.digits.reserve(15);
  const char* p = buf;
  for (; *p != 'e'; ++p) {
    if (*p != '.') d.digits += *p;
  }
  d.exponent = std::atoi(p + 1);
  return d;
}

}  // namespace

NumberReading ReadNumber(std::string_view text) {
  NumberReading reading;
  std::string ascii;
  if (!ToAsciiNumberChars(TrimBlanks(text), ascii) || !IsDecimalNumber(ascii)) return reading;
  const double value = strtod_l(ascii.c_str(), nullptr, CLocale());
  // Underflow gives the nearest double (zero or subnormal), which is right;
  // only a value beyond the largest double is out of range.
  reading.kind = std::isinf(value) ? TextKind::kOutOfRange : TextKind::kNumber;
  reading.value = value;
  return reading;
}

double NumberOfText(std::string_view text, std::string_view what) {
  const NumberReading reading = ReadNumber(text);
  switch (reading.kind) {
    case TextKind::kNumber:
      return reading.value;
    case TextKind::kOutOfRange:
      throw TypedOverflow(what, text);
    case TextKind::kNotANumber:
      break;
  }
  throw TypeMismatch(what, text);
}

double RoundHalfEven(double x, int d) {
  const double scale = kPowersOfTen[d];
  const double y = x * scale;
  if (!std::isfinite(y)) return x;
  const double lower = std::floor(y);
  const double rest = y - lower;  // exact: y and floor(y) are within one unit
  double whole = lower;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(lower, 2.0) != 0.0)) whole = lower + 1.0;
  return whole / scale;
}

std::string FixedText(double x, int d) {
  const Decimal15 dec = ToDecimal15(x);
  const int pointPos = dec.exponent + 1;  // digits before the point
  std::string whole;
  std::string frac;
  if (pointPos <= 0) {
    whole = "0";
    frac = std::string(static_cast<std::size_t>(-pointPos), '0') + dec.digits;
  } else if (pointPos >= static_cast<int>(dec.digits.size())) {
    whole = dec.digits + std::string(static_cast<std::size_t>(pointPos) - dec.digits.size(), '0');
  } else {
    whole = dec.digits.substr(0, static_cast<std::size_t>(pointPos));
    frac = dec.digits.substr(static_cast<std::size_t>(pointPos));
  }
  const std::size_t decimals = static_cast<std::size_t>(d);
  bool roundUp = false;
  if (frac.size() > decimals) {
    roundUp = frac[decimals] >= '5';  // a tie of the 15-digit form goes away from zero
    frac.resize(decimals);
  } else {
    frac.append(decimals - frac.size(), '0');
  }
  std::string number = whole + frac;
  if (roundUp) {
    std::size_t i = number.size();
    while (i > 0 && number[i - 1] == '9') number[--i] = '0';
    if (i == 0) {
      number.insert(number.begin(), '1');  // 9.99 -> 10.00: one more whole digit
    } else {
      ++number[i - 1];
    }
  }
  const std::size_t wholeLen = number.size() - decimals;
  std::size_t firstNonZero = 0;
  while (firstNonZero + 1 < wholeLen && number[firstNonZero] == '0') ++firstNonZero;
  const bool allZero = number.find_first_not_of('0') == std::string::npos;
  std::string out;
  if (x < 0 && !allZero) out += '-';
  out.append(number, firstNonZero, wholeLen - firstNonZero);
  if (decimals > 0) {
    out += '.';
    out.append(number, wholeLen, decimals);
  }
  return out;
}

std::string FixedText(std::string_view typed, int d) {
  const NumberReading reading = ReadNumber(typed);
  if (reading.kind == TextKind::kNumber) return FixedText(reading.value, d);
  return std::string(typed);
}

std::string GeneralText(double x) {
  if (x == 0.0) return "0";
  Decimal15 dec = ToDecimal15(x);
  std::string sig = dec.digits;
  sig.erase(sig.find_last_not_of('0') + 1);  // the first digit is never 0
  std::string out = x < 0 ? "-" : "";
  const int e = dec.exponent;
  if (e >= -4 && e <= 14) {
    if (e < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-e - 1), '0');
      out += sig;
    } else if (static_cast<int>(sig.size()) <= e + 1) {
      out += sig;
      out.append(static_cast<std::size_t>(e + 1) - sig.size(), '0');
    } else {
      out.append(sig, 0, static_cast<std::size_t>(e + 1));
      out += '.';
      out.append(sig, static_cast<std::size_t>(e + 1), std::string::npos);
    }
    return out;
  }
  out += sig[0];
  if (sig.size() > 1) {
    out += '.';
    out.append(sig, 1, std::string::npos);
  }
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "E%c%02d", e < 0 ? '-' : '+', e < 0 ? -e : e);
  return out + exponent;
}

}  // namespace traverse
