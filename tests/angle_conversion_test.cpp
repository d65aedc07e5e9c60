#include "adjust/angle_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "app/run_failure.h"

namespace traverse {
namespace {

struct AngleRow {
  const char* typed;
  double degrees;
};

TEST(ToDecimalDegrees, WorkedValuesBitForBit) {
  const AngleRow rows[] = {
      // The worked table of the conversion.
      {"123.4530", 123.75833333333334},
      {"90.0000", 90},
      {"90", 90},
      {"0.5959", 0.9997222222222222},
      {"45.3000", 45.5},
      {"123.45305", 123.75847222222222},
      {"359.5959", 359.9997222222221},
      {"0.0001", 0.0002777777777777778},
      {"180.0000", 180},
      {"10.7500", 11.25},  // minutes are not tested against 60
      {"12.3075", 12.520833333333329},
      {"365.3000", 365.5},  // nothing is brought into range
      {"45.3015", 45.50416666666667},
      // The worked example of the azimuths.
      {"186.4530", 186.75833333333333},
      {"150.2000", 150.33333333333334},
      {"200.1015", 200.17083333333326},
      {"170.4530", 170.75833333333333},
      {"160.0010", 160.00277777777777},
  };
  for (const AngleRow& row : rows) {
    SCOPED_TRACE(row.typed);
    EXPECT_EQ(ToDecimalDegrees(row.typed, "angle"), row.degrees);
  }
}

// 100x falls just short of the whole number above |x| = 163.84, where adding a
// tiny epsilon no longer changes it; 270.1500 decoded as 270°15'40".
TEST(ToDecimalDegrees, WholeMinutesAboveTheEpsilonReach) {
  EXPECT_EQ(ToDecimalDegrees("270.1500", "angle"), 270.25);
  EXPECT_NEAR(ToDecimalDegrees("256.0100", "angle"), 256 + 1.0 / 60, 1e-12);
  EXPECT_NEAR(ToDecimalDegrees("327.5900", "angle"), 327 + 59.0 / 60, 1e-12);
}

// The epsilons pushed toward +infinity while truncation goes toward zero.
TEST(ToDecimalDegrees, NegativeAnglesDecodeLikePositiveOnes) {
  EXPECT_EQ(ToDecimalDegrees("-10.3000", "angle"), -10.5);
  EXPECT_EQ(ToDecimalDegrees("-0.3000", "angle"), -0.5);
  EXPECT_NEAR(ToDecimalDegrees("-123.4530", "angle"), -123.75833333333334, 1e-12);
}

TEST(ToDecimalDegrees, EveryPackedAngleOfAFullCircle) {
  char text[32];
  int worst = 0;
  for (int d = 0; d < 360; ++d) {
    for (int mm = 0; mm < 60; ++mm) {
      for (int ss = 0; ss < 60; ++ss) {
        std::snprintf(text, sizeof text, "%d.%02d%02d", d, mm, ss);
        const double expected = d + mm / 60.0 + ss / 3600.0;
        const double got = ToDecimalDegrees(text, "angle");
        if (std::fabs(got - expected) > 1e-12) {
          ADD_FAILURE() << text << " -> " << got << ", expected " << expected;
          if (++worst > 10) return;
        }
      }
    }
  }
}

TEST(ToDecimalDegrees, FailuresAtTheConversion) {
  EXPECT_THROW(ToDecimalDegrees("", "Ta"), RunFailure);
  EXPECT_THROW(ToDecimalDegrees("12a", "Ta"), RunFailure);
  EXPECT_THROW(ToDecimalDegrees("1e400", "Ta"), RunFailure);
  EXPECT_THROW(ToDecimalDegrees("1e306", "Ta"), RunFailure);  // 10000x overflows
  EXPECT_TRUE(std::isfinite(ToDecimalDegrees("1e15", "Ta")));
}

}  // namespace
}  // namespace traverse
