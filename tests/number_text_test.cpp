#include "app/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "app/run_failure.h"

namespace traverse {
namespace {

struct ReadRow {
  const char* text;
  TextKind kind;
  double value;  // for kNumber
};

// What reads as a number: the plain decimal forms, blanks around them, the
// full-width forms of a Chinese input method; nothing else.
const ReadRow kReadRows[] = {
    {"12.5", TextKind::kNumber, 12.5},
    {" 12.5 ", TextKind::kNumber, 12.5},
    {"\t12.5\t", TextKind::kNumber, 12.5},
    {"\xE3\x80\x80" "12.5\xE3\x80\x80", TextKind::kNumber, 12.5},  // U+3000 blanks
    {"-0", TextKind::kNumber, 0.0},
    {"0.0", TextKind::kNumber, 0.0},
    {"1e3", TextKind::kNumber, 1000.0},
    {"1E+3", TextKind::kNumber, 1000.0},
    {"+5", TextKind::kNumber, 5.0},
    {".5", TextKind::kNumber, 0.5},
    {"5.", TextKind::kNumber, 5.0},
    {"00", TextKind::kNumber, 0.0},
    {"1e-400", TextKind::kNumber, 0.0},  // underflow is the nearest double
    {"１２３．５", TextKind::kNumber, 123.5},
    {"－１ｅ２", TextKind::kNumber, -100.0},
    {"＋２Ｅ１", TextKind::kNumber, 20.0},
    {"0.1", TextKind::kNumber, 0.1},
    {"1e400", TextKind::kOutOfRange, 0},
    {"-1e400", TextKind::kOutOfRange, 0},
    {"", TextKind::kNotANumber, 0},
    {"   ", TextKind::kNotANumber, 0},
    {"abc", TextKind::kNotANumber, 0},
    {"12a", TextKind::kNotANumber, 0},
    {".", TextKind::kNotANumber, 0},
    {"-", TextKind::kNotANumber, 0},
    {"1e", TextKind::kNotANumber, 0},
    {"e5", TextKind::kNotANumber, 0},
    {"1,000", TextKind::kNotANumber, 0},  // no digit grouping
    {"1,5", TextKind::kNotANumber, 0},    // no decimal comma
    {"0x10", TextKind::kNotANumber, 0},
    {"inf", TextKind::kNotANumber, 0},
    {"nan", TextKind::kNotANumber, 0},
    {"1d3", TextKind::kNotANumber, 0},  // no D exponent
    {"1 2", TextKind::kNotANumber, 0},
    {"--1", TextKind::kNotANumber, 0},
    {"１２\xEF\xBC", TextKind::kNotANumber, 0},  // a cut UTF-8 sequence
    {"\xEF\xBC\x81", TextKind::kNotANumber, 0},  // full-width "!"
    {"1\n", TextKind::kNotANumber, 0},
};

TEST(ReadNumber, TableOfTexts) {
  for (const ReadRow& row : kReadRows) {
    SCOPED_TRACE(std::string("text: [") + row.text + "]");
    const NumberReading r = ReadNumber(row.text);
    EXPECT_EQ(r.kind, row.kind);
    if (row.kind == TextKind::kNumber) EXPECT_EQ(r.value, row.value);
  }
}

TEST(ReadNumber, NearestDoubleOfLongDecimals) {
  // A typed decimal far longer than a double holds still rounds correctly.
  const std::string longText = "0." + std::string(3000, '3');
  EXPECT_EQ(ReadNumber(longText).value, 1.0 / 3.0);
  EXPECT_EQ(ReadNumber("2.675").value, 2.675);
}

TEST(NumberOfText, FailuresNameTheValueAndQuoteTheText) {
  try {
    NumberOfText("12a", "第 2 条观测边长 S2");
    FAIL() << "12a read as a number";
  } catch (const RunFailure& f) {
    const std::string m = f.what();
    EXPECT_NE(m.find("类型不匹配"), std::string::npos) << m;
    EXPECT_NE(m.find("第 2 条观测边长 S2"), std::string::npos) << m;
    EXPECT_NE(m.find("“12a”"), std::string::npos) << m;
  }
  try {
    NumberOfText("1e400", "起始点 A 的纵座标 Xa");
    FAIL() << "1e400 read as a double";
  } catch (const RunFailure& f) {
    const std::string m = f.what();
    EXPECT_NE(m.find("溢出"), std::string::npos) << m;
    EXPECT_NE(m.find("“1e400”"), std::string::npos) << m;
  }
  EXPECT_THROW(NumberOfText("", "Xa"), RunFailure);
}

TEST(NumberOfText, LongTypedTextIsQuotedShort) {
  try {
    NumberOfText(std::string(5000, 'x'), "Xa");
    FAIL();
  } catch (const RunFailure& f) {
    EXPECT_LT(std::string(f.what()).size(), 400u);
  }
}

struct RoundRow {
  double x;
  int d;
  double expected;
};

TEST(RoundHalfEven, ExactHalvesGoToEven) {
  const RoundRow rows[] = {
      {12.125, 2, 12.12},       // exactly representable half
      {0.375, 2, 0.38},
      {0.125, 2, 0.12},
      {1000.0625, 3, 1000.062},
      {-12.125, 2, -12.12},
      {24.999999999636202, 2, 25},  // fb of the worked example
      {2.5, 0, 2},
      {3.5, 0, 4},
      {1e307, 2, 1e307},  // x * 100 leaves the range: nothing to round
      {-1.7e308, 5, -1.7e308},
  };
  for (const RoundRow& row : rows) {
    SCOPED_TRACE(row.x);
    EXPECT_EQ(RoundHalfEven(row.x, row.d), row.expected);
  }
}

struct FixedRow {
  const char* typed;
  int d;
  const char* expected;
};

TEST(FixedText, TypedTexts) {
  const FixedRow rows[] = {
      {"1234.5", 3, "1234.500"},
      {"35.12", 5, "35.12000"},
      {"1234.0625", 3, "1234.063"},  // a half goes away from zero
      {"-8.1", 2, "-8.10"},
      {"0", 2, "0.00"},
      {"1e3", 3, "1000.000"},
      {"2.675", 2, "2.68"},  // the tie is judged on the typed digits
      {"-2.675", 2, "-2.68"},
      {"-0.0001", 3, "0.000"},  // no "-0.000"
      {"-0", 5, "0.00000"},
      {"9.9995", 3, "10.000"},
      {"999.9999999", 3, "1000.000"},
      {".5", 4, "0.5000"},
      {"150.2000", 5, "150.20000"},
      {"150.2000", 4, "150.2000"},
      {"45.302", 4, "45.3020"},
      {"123.4567", 3, "123.457"},
      {"0.0000001", 5, "0.00000"},
      {"0.000005", 5, "0.00001"},
      {"1e20", 2, "100000000000000000000.00"},
      {"１２．５", 3, "12.500"},
      {" 7 ", 3, "7.000"},
      {"abc", 3, "abc"},
      {"", 5, ""},
      {"   ", 3, "   "},
      {"1e400", 3, "1e400"},  // beyond a double: shown as typed
  };
  for (const FixedRow& row : rows) {
    SCOPED_TRACE(std::string("typed: [") + row.typed + "] d=" + std::to_string(row.d));
    EXPECT_EQ(FixedText(std::string(row.typed), row.d), row.expected);
  }
}

TEST(FixedText, ComputedValuesKeepTheirDecimals) {
  EXPECT_EQ(FixedText(RoundHalfEven(18.29999999, 2), 2), "18.30");
  EXPECT_EQ(FixedText(RoundHalfEven(-23.6249, 2), 2), "-23.62");
  EXPECT_EQ(FixedText(RoundHalfEven(1000.0625, 3), 3), "1000.062");
  EXPECT_EQ(FixedText(std::numeric_limits<double>::max(), 2).size(), 309u + 3u);
}

struct GeneralRow {
  double x;
  const char* expected;
};

TEST(GeneralText, PlainAndScientificForms) {
  const GeneralRow rows[] = {
      {1200, "1200"},
      {24.6, "24.6"},
      {6, "6"},
      {13, "13"},
      {300.29999999999995, "300.3"},
      {830.75, "830.75"},
      {40207, "40207"},
      {0, "0"},
      {-0.0, "0"},
      {-36, "-36"},
      {12.12, "12.12"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {999999999999999, "999999999999999"},
      {1e15, "1E+15"},
      {1.23456789012345678e20, "1.23456789012346E+20"},
      {1.5e-5, "1.5E-05"},
      {-2.5e-7, "-2.5E-07"},
      {1e100, "1E+100"},
      {1.0 / 3.0, "0.333333333333333"},
  };
  for (const GeneralRow& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(GeneralText(row.x), row.expected);
  }
}

}  // namespace
}  // namespace traverse
