#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "adjust/angle_conversion.h"
#include "adjust/azimuth.h"
#include "adjust/coordinates.h"
#include "adjust/traverse_record.h"
#include "app/run_failure.h"

namespace traverse {
namespace {

// A record with every observation typed, ready for the arithmetic.
struct Traverse {
  std::string xa = "1000", ya = "2000", xb = "258.486", yb = "1644.722";
  std::string ta = "45.3000", tb = "186.4530";
  std::vector<std::string> angles = {"150.2000", "200.1015", "170.4530", "160.0010"};
  std::vector<std::string> sides = {"300", "250.5", "280.25"};
};

TraverseRecord Prepare(const Traverse& t) {
  if (t.angles.size() != t.sides.size() + 1) throw std::logic_error("one angle more than sides");
  TraverseRecord r;
  SetConstants(r);
  r.PointCount = t.sides.size();
  r.N = std::to_string(r.PointCount);
  CreateArrays(r);
  r.Xa = t.xa;
  r.Ya = t.ya;
  r.Xb = t.xb;
  r.Yb = t.yb;
  r.Ta = ToDecimalDegrees(t.ta, "Ta");
  r.Tb = ToDecimalDegrees(t.tb, "Tb");
  for (std::size_t k = 0; k < t.angles.size(); ++k) r.TurnAngleTyped[k] = t.angles[k];
  for (std::size_t k = 0; k < t.sides.size(); ++k) r.SideLength[k + 1] = t.sides[k];
  return r;
}

// The run's arithmetic in its order, the displays left out.
void FirstPass(TraverseRecord& r) {
  StartCoordinates(r);
  SetStartAzimuth(r);
  for (std::size_t k = 1; k <= r.PointCount; ++k) {
    r.TurnAngle[k - 1] = ToDecimalDegrees(r.TurnAngleTyped[k - 1], "angle");
    PropagateAzimuth(r, k);
    AdvanceFirstPass(r, k);
  }
  r.TurnAngle[r.PointCount] = ToDecimalDegrees(r.TurnAngleTyped[r.PointCount], "angle");
  ComputeAzimuthClosure(r);
  ComputeClosureBefore(r);
}

void Adjust(TraverseRecord& r) {
  FirstPass(r);
  CorrectAngles(r);
  SecondPass(r);
  ComputeClosureAfter(r);
  ComputeCorrectionsPerMetre(r);
  DistributeClosure(r);
  ComputeRelativeClosure(r);
}

TEST(TraverseRecord, ConstantsAreTheTenDecimalPi) {
  TraverseRecord r;
  SetConstants(r);
  EXPECT_EQ(r.PI, 3.1415926535);
  EXPECT_EQ(r.DegToRad, 0.017453292519444445);
}

// Every value of the worked example of the azimuths, bit for bit.
TEST(Adjustment, WorkedExampleBitForBit) {
  TraverseRecord r = Prepare(Traverse{});
  FirstPass(r);
  EXPECT_EQ(r.Ta, 45.5);
  EXPECT_EQ(r.Tb, 186.75833333333333);
  EXPECT_EQ(r.Azimuth[0], 225.5);
  EXPECT_EQ(r.Azimuth[1], 195.83333333333337);
  EXPECT_EQ(r.Azimuth[2], 216.0041666666666);
  EXPECT_EQ(r.Azimuth[3], 206.76249999999993);
  EXPECT_EQ(r.Azimuth[4], 186.76527777777767);
  EXPECT_EQ(r.fb, 24.999999999636202);

  CorrectAngles(r);
  EXPECT_EQ(r.AngleCorrection, -6.2499999999090505);
  EXPECT_EQ(r.TurnAngle[0], 150.33159722222226);
  EXPECT_EQ(r.TurnAngle[1], 200.16909722222218);
  EXPECT_EQ(r.TurnAngle[2], 170.75659722222224);
  EXPECT_EQ(r.TurnAngle[3], 160.00104166666668);
  SecondPass(r);
  EXPECT_EQ(r.Azimuth[0], 225.5);
  EXPECT_EQ(r.Azimuth[1], 195.83159722222229);
  EXPECT_EQ(r.Azimuth[2], 216.00069444444443);
  EXPECT_EQ(r.Azimuth[3], 206.75729166666667);
  EXPECT_EQ(r.Azimuth[4], 186.76527777777767);  // not recomputed
}

TEST(Adjustment, AdjustedTraverseStartsAtAAndEndsAtB) {
  TraverseRecord r = Prepare(Traverse{});
  Adjust(r);
  EXPECT_EQ(r.CoordX[0], 1000.0);  // A exactly as typed
  EXPECT_EQ(r.CoordY[0], 2000.0);
  EXPECT_NEAR(r.CoordX[3], 258.486, 1e-9);  // B up to rounding
  EXPECT_NEAR(r.CoordY[3], 1644.722, 1e-9);
  EXPECT_EQ(r.TotalLength, 830.75);
  EXPECT_EQ(r.M, 40207);
}

// Closures are computed minus known; the corrections carry the opposite sign,
// and each side gets its share in proportion to its length.
TEST(Adjustment, ClosureSignsAndProportionalCorrections) {
  Traverse t;
  t.xa = "0", t.ya = "0", t.ta = "180", t.tb = "0";  // arrives heading north
  t.angles = {"180", "180", "180"};                   // straight on, due north
  t.sides = {"100", "200"};
  t.xb = "299.97", t.yb = "0.06";  // measured 300 north: X long, Y short
  TraverseRecord r = Prepare(t);
  Adjust(r);
  EXPECT_EQ(r.fb, 0);
  EXPECT_NEAR(r.FxBefore, 0.03, 1e-9);
  EXPECT_NEAR(r.FyBefore, -0.06, 1e-9);
  EXPECT_NEAR(r.FxAfter, 0.03, 1e-9);
  EXPECT_NEAR(r.FyAfter, -0.06, 1e-9);
  EXPECT_LT(r.VxPerMetre, 0);
  EXPECT_GT(r.VyPerMetre, 0);
  // Side 2 is twice side 1 and gets twice its correction.
  const double correction1 = r.CoordX[1] - 100;
  const double correction2 = (r.CoordX[2] - r.CoordX[1]) - 200;
  EXPECT_NEAR(correction1, -0.01, 1e-9);
  EXPECT_NEAR(correction2, 2 * correction1, 1e-9);
  EXPECT_NEAR(r.CoordX[2], 299.97, 1e-9);
  EXPECT_NEAR(r.CoordY[2], 0.06, 1e-9);
  EXPECT_EQ(r.M, 4472);  // 300 / 0.0670820...
}

TEST(Adjustment, SingleSideTraverse) {
  Traverse t;
  t.ta = "0", t.tb = "90";
  t.angles = {"90", "180"};  // A: turn to east; B: straight on
  t.sides = {"100"};
  t.xa = "10", t.ya = "20", t.xb = "10.01", t.yb = "120.02";
  TraverseRecord r = Prepare(t);
  Adjust(r);
  EXPECT_NEAR(r.Azimuth[1], 90, 1e-12);
  EXPECT_NEAR(r.FxBefore, 10 + 100 * std::cos(90 * r.DegToRad) - 10.01, 1e-12);
  EXPECT_NEAR(r.CoordX[1], 10.01, 1e-9);
  EXPECT_NEAR(r.CoordY[1], 120.02, 1e-9);
}

struct NormalizeRow {
  double in, out;
};

TEST(NormalizeAzimuth, OneStepIntoAFullCircle) {
  const NormalizeRow rows[] = {{-0.5, 359.5}, {0, 0},       {359.9999, 359.9999},
                               {360, 0},      {-360, 0},    {-400, -40},
                               {725, 365},    {719.5, 359.5}};
  for (const NormalizeRow& row : rows) EXPECT_EQ(NormalizeAzimuth(row.in), row.out) << row.in;
}

TEST(SetStartAzimuth, ReversesTa) {
  const NormalizeRow rows[] = {{45.5, 225.5}, {200, 20}, {180, 0}, {179.9999, 359.9999},
                               {-200, -20}};
  for (const NormalizeRow& row : rows) {
    TraverseRecord r = Prepare(Traverse{});
    r.Ta = row.in;
    SetStartAzimuth(r);
    EXPECT_EQ(r.Azimuth[0], row.out) << row.in;
  }
}

TEST(Adjustment, StraightAngleContinuesTheDirection) {
  TraverseRecord r = Prepare(Traverse{});
  r.Azimuth[0] = 37.123456789;
  r.TurnAngle[0] = 180;
  PropagateAzimuth(r, 1);
  EXPECT_NEAR(r.Azimuth[1], 37.123456789, 1e-12);
}

// A closing direction just past north against a Tb just before it is a few
// seconds off, not a full turn; that once corrected every angle by ~100°.
TEST(ComputeAzimuthClosure, ClosureAcrossNorthWraps) {
  TraverseRecord r = Prepare(Traverse{});
  r.Azimuth[3] = 0.0005 + 180 - 90;
  r.TurnAngle[3] = 90;
  r.Tb = 359.9995;
  ComputeAzimuthClosure(r);
  EXPECT_NEAR(r.fb, 3.6, 1e-6);

  r.Azimuth[3] = 359.9995 + 180 - 270;  // and the other way round
  r.TurnAngle[3] = 270;
  r.Tb = 0.0005;
  ComputeAzimuthClosure(r);
  EXPECT_NEAR(r.fb, -3.6, 1e-6);
}

TEST(ComputeAzimuthClosure, OrdinaryClosureUnchanged) {
  TraverseRecord r = Prepare(Traverse{});
  FirstPass(r);
  EXPECT_EQ(r.fb, 24.999999999636202);
}

TEST(CorrectAngles, EqualShareOverAllAngles) {
  Traverse t;
  t.sides = {"1", "1"};
  t.angles = {"1", "2", "3"};
  TraverseRecord r = Prepare(t);
  r.fb = 10;
  for (int k = 0; k < 3; ++k) r.TurnAngle[k] = k;
  CorrectAngles(r);
  EXPECT_EQ(r.AngleCorrection, -3.3333333333333335);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(r.TurnAngle[k], k + r.AngleCorrection / 3600);
}

// An exact closure is a result, not a division by zero.
TEST(ComputeRelativeClosure, ExactClosureHasInfiniteM) {
  TraverseRecord r = Prepare(Traverse{});
  r.TotalLength = 500;
  r.FxAfter = 0;
  r.FyAfter = 0;
  ComputeRelativeClosure(r);
  EXPECT_TRUE(std::isinf(r.M));
  r.FxAfter = 1e-320;  // too small to divide by
  ComputeRelativeClosure(r);
  EXPECT_TRUE(std::isinf(r.M));
}

TEST(ComputeRelativeClosure, MIsTruncated) {
  TraverseRecord r = Prepare(Traverse{});
  r.TotalLength = 1234.567;
  r.FxAfter = 0.0205;
  r.FyAfter = 0;
  ComputeRelativeClosure(r);
  EXPECT_EQ(r.M, 60222);  // 60222.78...
}

TEST(ComputeCorrectionsPerMetre, ZeroTotalLengthIsDivisionByZero) {
  TraverseRecord r = Prepare(Traverse{});
  r.TotalLength = 0;
  try {
    ComputeCorrectionsPerMetre(r);
    FAIL();
  } catch (const RunFailure& f) {
    EXPECT_NE(std::string(f.what()).find("除数为零"), std::string::npos);
    EXPECT_NE(std::string(f.what()).find("导线全长"), std::string::npos);
  }
}

// The side is read before A's coordinate, and Xa/Ya only at side 1.
TEST(AdvanceFirstPass, FirstNumericUseOfTypedValues) {
  Traverse t;
  t.xa = "x?";
  TraverseRecord r = Prepare(t);
  StartCoordinates(r);  // does not read Xa
  SetStartAzimuth(r);
  r.TurnAngle[0] = 150;
  PropagateAzimuth(r, 1);
  try {
    AdvanceFirstPass(r, 1);
    FAIL();
  } catch (const RunFailure& f) {
    EXPECT_NE(std::string(f.what()).find("Xa"), std::string::npos) << f.what();
  }
  r.SideLength[1] = "abc";
  try {
    AdvanceFirstPass(r, 1);
    FAIL();
  } catch (const RunFailure& f) {
    EXPECT_NE(std::string(f.what()).find("S1"), std::string::npos) << f.what();
  }
}

TEST(AdvanceFirstPass, HugeSidesAreTheOverflowFailure) {
  Traverse t;
  t.sides = {"1e308", "1e308"};
  t.angles = {"180", "180", "180"};
  TraverseRecord r = Prepare(t);
  StartCoordinates(r);
  SetStartAzimuth(r);
  r.TurnAngle[0] = r.TurnAngle[1] = 180;
  PropagateAzimuth(r, 1);
  AdvanceFirstPass(r, 1);
  PropagateAzimuth(r, 2);
  try {
    AdvanceFirstPass(r, 2);
    FAIL();
  } catch (const RunFailure& f) {
    EXPECT_NE(std::string(f.what()).find("溢出"), std::string::npos) << f.what();
  }
}

TEST(PointCountOfText, WholeNumbersFromOneToAMillion) {
  for (const char* ok : {"5", "5.0", " 5 ", "５", "1", "1000000", "1e3"}) {
    EXPECT_NO_THROW(PointCountOfText(ok)) << ok;
  }
  EXPECT_EQ(PointCountOfText("5.0"), 5u);
  for (const char* bad : {"2.5", "0", "-3", "1e12", "", "abc", "1000001", "1e400", "-0"}) {
    EXPECT_THROW(PointCountOfText(bad), RunFailure) << bad;
  }
}

}  // namespace
}  // namespace traverse
