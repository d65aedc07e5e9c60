// Arbitrary bytes as a typed text, and as the bits of a double, through every
// conversion between numbers and texts and through the angle conversion.
// Each check is a promise of the headers; a broken one aborts the run.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "adjust/angle_conversion.h"
#include "app/number_text.h"
#include "app/run_failure.h"

namespace {

using traverse::FixedText;
using traverse::GeneralText;
using traverse::NumberReading;
using traverse::ReadNumber;
using traverse::RoundHalfEven;
using traverse::RunFailure;
using traverse::TextKind;

[[noreturn]] void Fail(const char* property, std::string_view detail) {
  std::fprintf(stderr, "property broken: %s\n  %.*s\n", property, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

void Require(bool ok, const char* property, std::string_view detail) {
  if (!ok) Fail(property, detail);
}

// Only the doubles whose 15-digit form rounds up past the largest double
// (1.79769313486232E+308) give a text that reads back as beyond the range.
constexpr double kTopOf15Digits = 1.79769313486231e308;

std::string Show(double x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17g", x);
  return buf;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// -?digits.digits{d}, no leading zero before another digit, never a minus on
// an all-zero text.
bool HasFixedShape(const std::string& s, int d) {
  std::size_t i = 0;
  const bool negative = !s.empty() && s[0] == '-';
  if (negative) ++i;
  const std::size_t wholeStart = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  const std::size_t wholeLen = i - wholeStart;
  if (wholeLen == 0 || (wholeLen > 1 && s[wholeStart] == '0')) return false;
  if (i >= s.size() || s[i] != '.') return false;
  ++i;
  const std::size_t fracStart = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i != s.size() || i - fracStart != static_cast<std::size_t>(d)) return false;
  if (negative && s.find_first_not_of("0.", 1) == std::string::npos) return false;
  return true;
}

// What GeneralText promises about its shape: at most 15 significant digits,
// no trailing zero after a point, no "-0", scientific form only outside
// [1e-4, 1e15).
void CheckGeneralText(double x) {
  const std::string g = GeneralText(x);
  const std::string detail = Show(x) + " -> " + g;
  const NumberReading back = ReadNumber(g);
  if (back.kind == TextKind::kOutOfRange) {
    Require(std::fabs(x) > kTopOf15Digits, "GeneralText re-reads within range", detail);
    return;
  }
  Require(back.kind == TextKind::kNumber, "GeneralText re-reads as a number", detail);
  Require(std::fabs(back.value - x) <= 1e-14 * std::fabs(x),
          "GeneralText keeps 15 significant digits", detail);
  Require(g != "-0" && !(x == 0 && g != "0"), "GeneralText writes zero as 0", detail);
  const std::size_t e = g.find('E');
  const std::string mantissa = g.substr(0, e);
  std::size_t digits = 0;
  for (char c : mantissa) digits += IsDigit(c) ? 1 : 0;
  std::size_t leadingZeros = mantissa.find_first_not_of("-0.");
  leadingZeros = leadingZeros == std::string::npos ? 0 : leadingZeros;
  for (std::size_t i = 0; i < leadingZeros; ++i) digits -= IsDigit(mantissa[i]) ? 1 : 0;
  Require(digits <= 15, "GeneralText has at most 15 significant digits", detail);
  if (mantissa.find('.') != std::string::npos) {
    Require(mantissa.back() != '0' && mantissa.back() != '.', "GeneralText drops trailing zeros",
            detail);
  }
  const double magnitude = std::fabs(back.value);
  if (x != 0) {
    const bool plain = e == std::string::npos;
    Require(plain == (magnitude >= 1e-4 && magnitude < 1e15),
            "GeneralText is plain exactly within [1e-4, 1e15)", detail);
  }
}

// FixedText of a finite double: the shape, and a value within half a unit of
// the last decimal of x (plus the 15-digit form it is judged on).
void CheckFixedText(double x, int d) {
  const std::string f = FixedText(x, d);
  const std::string detail = Show(x) + " d=" + std::to_string(d) + " -> " + f;
  Require(HasFixedShape(f, d), "FixedText has the shape -?digits.digits{d}", detail);
  const NumberReading back = ReadNumber(f);
  if (back.kind == TextKind::kOutOfRange) {
    Require(std::fabs(x) > kTopOf15Digits, "FixedText re-reads within range", detail);
    return;
  }
  Require(back.kind == TextKind::kNumber, "FixedText re-reads as a number", detail);
  const double halfUnit = 0.5 * std::pow(10.0, -d);
  Require(std::fabs(back.value - x) <= halfUnit * (1 + 1e-9) + 1e-14 * std::fabs(x),
          "FixedText rounds to the nearest unit of the last decimal", detail);
}

void CheckRoundHalfEven(double x) {
  for (int d = 0; d <= 5; ++d) {
    const double r = RoundHalfEven(x, d);
    const std::string detail = Show(x) + " d=" + std::to_string(d) + " -> " + Show(r);
    Require(std::isfinite(r), "RoundHalfEven of a finite value is finite", detail);
    const double scale = std::pow(10.0, d);
    Require(std::fabs(r - x) <= 0.5 / scale * (1 + 1e-9) + 1e-15 * std::fabs(x),
            "RoundHalfEven moves by at most half a unit", detail);
    if (d >= 2 && d <= 3) CheckFixedText(r, d);  // the displays' pair
  }
}

void CheckText(std::string_view text) {
  const std::string shown(text.substr(0, 200));
  const NumberReading reading = ReadNumber(text);

  // NumberOfText agrees with ReadNumber and names the value on failure.
  try {
    const double v = traverse::NumberOfText(text, "测试值");
    Require(reading.kind == TextKind::kNumber && v == reading.value,
            "NumberOfText returns exactly the value ReadNumber gives", shown);
    Require(std::isfinite(v), "a text that reads as a number gives a finite double", shown);
  } catch (const RunFailure& failure) {
    const std::string_view message = failure.what();
    Require(reading.kind != TextKind::kNumber, "NumberOfText fails only on non-numbers", shown);
    Require(StartsWith(message, reading.kind == TextKind::kOutOfRange ? "溢出" : "类型不匹配"),
            "NumberOfText fails as overflow or type mismatch", shown);
    Require(message.find("测试值") != std::string_view::npos, "the failure names the value",
            shown);
    Require(message.size() < 1000, "the failure quotes at most a short part of the text",
            shown);
  }

  for (int d = 2; d <= 5; ++d) {
    const std::string f = FixedText(text, d);
    if (reading.kind == TextKind::kNumber) {
      Require(f == FixedText(reading.value, d), "FixedText of a number text writes its value",
              shown);
      CheckFixedText(reading.value, d);
    } else {
      Require(f == text, "FixedText writes a text that is no number unchanged", shown);
    }
  }

  if (reading.kind == TextKind::kNumber) {
    CheckGeneralText(reading.value);
    CheckRoundHalfEven(reading.value);
  }

  try {
    const double degrees = traverse::ToDecimalDegrees(text, "测试角");
    Require(reading.kind == TextKind::kNumber, "ToDecimalDegrees converts only numbers", shown);
    Require(std::isfinite(degrees), "ToDecimalDegrees returns a finite double", shown);
    // Minutes and seconds add at most 99/60 + 100/3600 degrees to the whole
    // degrees; beyond that only the rounding of the products.
    const double x = reading.value;
    Require(std::fabs(degrees - std::trunc(x)) <= 1.7 + 1e-14 * std::fabs(x),
            "ToDecimalDegrees stays within the minutes and seconds of the degrees", shown);
  } catch (const RunFailure& failure) {
    const std::string_view message = failure.what();
    Require(message.find("测试角") != std::string_view::npos, "the angle failure names the angle",
            shown);
    // Below 1e300 every product of the conversion is finite.
    Require(reading.kind != TextKind::kNumber || std::fabs(reading.value) >= 1e300,
            "ToDecimalDegrees fails on a number only beyond a double's range", shown);
  }
}

// D.MMSS with minutes and seconds below 60 decodes to D + MM/60 + SS/3600,
// whatever the rounding of the products by 100 and 10000. From 2^17 degrees
// up, 100x can miss its whole number by more than the conversion's fixed
// tolerance (131072.0200 gains 40 seconds), far beyond any angle surveyed.
constexpr std::uint32_t kReliableDegrees = 131072;

void CheckPackedAngle(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return;
  std::uint32_t degrees = 0;
  std::memcpy(&degrees, data, 4);
  degrees %= kReliableDegrees;
  const unsigned minutes = data[4] % 60;
  const unsigned seconds = data[5] % 60;
  const bool negative = (data[4] & 0x80) != 0;
  char text[32];
  std::snprintf(text, sizeof text, "%s%u.%02u%02u", negative ? "-" : "", degrees, minutes, seconds);
  const double got = traverse::ToDecimalDegrees(text, "测试角");
  const double want = (degrees + minutes / 60.0 + seconds / 3600.0) * (negative ? -1 : 1);
  Require(std::fabs(got - want) <= 1e-9, "a packed angle decodes to its degrees, minutes, seconds",
          std::string(text) + " -> " + Show(got) + ", expected " + Show(want));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckText(text);
  CheckPackedAngle(data, size);

  // The same bytes as a double: subnormals, huge magnitudes and every bit
  // pattern that no typed text reaches easily.
  if (size >= sizeof(double)) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    if (std::isfinite(x)) {
      CheckGeneralText(x);
      for (int d = 2; d <= 5; ++d) CheckFixedText(x, d);
      CheckRoundHalfEven(x);
    }
  }
  return 0;
}
