// Values at the edges of a double: every result that leaves the range is the
// overflow failure of the step that produced it, never inf or nan on screen;
// values that stay inside it are carried through and shown in their patterns.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "adjust/angle_conversion.h"
#include "recorded_run.h"

namespace traverse::adversarial {
namespace {

const std::string kOverflowEnd = "时结果超出了双精度数的范围，请检查输入的数值。";

// 1e308 written with three decimals: the digits of the double, then zeros.
const std::string k1e308Fixed3 = "1" + std::string(308, '0') + ".000";

void ExpectNoInfinityOnScreen(const RecordedRun& run) {
  EXPECT_FALSE(run.AnyFieldShowed("inf"));
  EXPECT_FALSE(run.AnyFieldShowed("nan"));
  const std::regex negativeZero("(^|[^0-9])-0\\.0+($|[^0-9])");
  for (const std::vector<std::string>& field : run.writes) {
    for (const std::string& text : field) {
      EXPECT_FALSE(std::regex_search(text, negativeZero)) << text;
    }
  }
}

struct OverflowRow {
  const char* label;
  Traverse traverse;
  std::string failure;  // the whole message up to its last line
  Field lastWritten;    // the last field the run wrote before failing
  std::string lastText;
};

Traverse TwoSides(const std::string& secondAngle) {
  Traverse t;
  t.n = "2";
  t.stations = {{"A", "180", "1e308"}, {"P1", secondAngle, "1e308"}};
  return t;
}

Traverse OneSide(const std::string& side, const std::string& xb) {
  Traverse t;
  t.stations[0].side = side;
  t.xb = xb;
  return t;
}

const OverflowRow kOverflows[] = {
    {"two sides of 1e308 one after the other", TwoSides("180"),
     "溢出：计算第一次推算的纵座标（第 2 条边）" + kOverflowEnd, Field::Text9, "S2=" + k1e308Fixed3},
    // Side 2 turns back (azimuth 180): the coordinates stay finite, [S] does not.
    {"two sides of 1e308 turning back", TwoSides("0"), "溢出：计算导线全长（第 2 条边）" + kOverflowEnd,
     Field::Text9, "S2=" + k1e308Fixed3},
    {"closure beyond a double", OneSide("1e308", "-1e308"), "溢出：计算纵座标闭合差" + kOverflowEnd,
     Field::Text13, "  0秒"},
    {"closure beyond a double in millimetres", OneSide("1e306", "0"),
     "溢出：计算纵座标闭合差（毫米）" + kOverflowEnd, Field::Text13, "  0秒"},
};

TEST(ExtremeSides, AResultBeyondADoubleIsTheOverflowFailureOfItsStep) {
  for (const OverflowRow& row : kOverflows) {
    SCOPED_TRACE(row.label);
    const RecordedRun run = RunAnswers(row.traverse.Answers());
    EXPECT_EQ(run.end, RunEnd::kFailure);
    EXPECT_EQ(run.failure.substr(0, run.failure.find('\n')), row.failure);
    EXPECT_EQ(run.Last(row.lastWritten), row.lastText);
    ExpectNoInfinityOnScreen(run);
  }
}

TEST(ExtremeSides, ASideOf1e308ThatClosesIsShownInFull) {
  const RecordedRun run = RunAnswers(OneSide("1e308", "1e308").Answers());
  ASSERT_EQ(run.end, RunEnd::kEnd) << run.failure;
  EXPECT_EQ(run.Last(Field::Text9), "S1=" + k1e308Fixed3);
  EXPECT_EQ(run.Last(Field::Text11), k1e308Fixed3);  // B, to which 1000 m add nothing
  EXPECT_EQ(run.Last(Field::Text18), "0.00毫米");
  EXPECT_EQ(run.Last(Field::Text16), "1E+308米");
  EXPECT_EQ(run.Last(Field::Text17), "1/∞");
  ExpectNoInfinityOnScreen(run);
}

// -?digits.digits{d} followed by `unit`.
bool IsFixed(const std::string& text, int d, const std::string& unit) {
  const std::regex shape("-?[0-9]+\\.[0-9]{" + std::to_string(d) + "}" + unit);
  return std::regex_match(text, shape);
}

bool IsGeneral(const std::string& text, const std::string& prefix, const std::string& unit) {
  const std::regex shape(prefix + "-?[0-9]+(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?" + unit);
  return std::regex_match(text, shape);
}

void ExpectComputedFieldsAreNumbers(const RecordedRun& run) {
  EXPECT_TRUE(IsGeneral(run.Last(Field::Text13), "  ", "秒")) << run.Last(Field::Text13);
  for (Field f : {Field::Text14, Field::Text15, Field::Text18, Field::Text19}) {
    EXPECT_TRUE(IsFixed(run.Last(f), 2, "毫米")) << run.Last(f);
  }
  for (Field f : {Field::Text11, Field::Text12}) {
    EXPECT_TRUE(IsFixed(run.Last(f), 3, "")) << run.Last(f);
  }
  EXPECT_TRUE(IsGeneral(run.Last(Field::Text17), "1/", "") || run.Last(Field::Text17) == "1/∞")
      << run.Last(Field::Text17);
}

struct AngleRow {
  std::string typed;   // every angle and azimuth of the traverse
  std::string shown;   // its echo with five decimals
};

const AngleRow kHugeAngles[] = {
    {"1e15", "1000000000000000.00000"},
    {"-1e15", "-1000000000000000.00000"},
    {"123456789012.3456", "123456789012.34600"},  // 15 significant digits
    {"1e300", "1" + std::string(300, '0') + ".00000"},
};

TEST(ExtremeAngles, AnglesFarBeyondAFullTurnAreCarriedThroughToTheEnd) {
  for (const AngleRow& row : kHugeAngles) {
    SCOPED_TRACE("angles typed as " + row.typed);
    Traverse t;
    t.ta = t.tb = t.stations[0].angle = t.closingAngle = row.typed;
    const RecordedRun run = RunAnswers(t.Answers());
    ASSERT_EQ(run.end, RunEnd::kEnd) << run.failure;
    EXPECT_EQ(run.Last(Field::Text6), " " + row.shown);
    EXPECT_EQ(run.Last(Field::Text7), " " + row.shown);
    EXPECT_EQ(run.Last(Field::Text8), "b1=" + row.shown);
    EXPECT_EQ(run.Last(Field::Text16), "100.01米");
    ExpectComputedFieldsAreNumbers(run);
    ExpectNoInfinityOnScreen(run);
  }
}

TEST(ExtremeAngles, AnAngleWhoseSecondsLeaveADoubleIsTheOverflowFailureOfItsConversion) {
  Traverse t;
  t.ta = "1e305";  // 10000 x is beyond a double
  const RecordedRun run = RunAnswers(t.Answers());
  EXPECT_EQ(run.end, RunEnd::kFailure);
  EXPECT_EQ(run.prompts, 11u);  // N and Xa..Ta, no prompt for Tb
  EXPECT_EQ(run.failure.substr(0, run.failure.find('\n')),
            "溢出：计算起始点 A 的外方位角 Ta的度分秒换算" + kOverflowEnd);
  EXPECT_EQ(run.Last(Field::Text6), " 1" + std::string(305, '0') + ".00000");
}

TEST(TinyCoordinates, ValuesOf1e300thOfAMetreShowAsZeroWithoutASign) {
  Traverse t;
  t.xa = "1e-300";
  t.ya = "-1e-300";
  t.xb = "2e-300";
  t.yb = "-1e-300";
  t.stations[0].side = "1e-300";  // B lands exactly on (2e-300, -1e-300)
  const RecordedRun run = RunAnswers(t.Answers());
  ASSERT_EQ(run.end, RunEnd::kEnd) << run.failure;
  for (Field f : {Field::Text2, Field::Text3, Field::Text4, Field::Text5}) {
    EXPECT_EQ(run.Last(f), " 0.000") << FieldName(f);
  }
  EXPECT_EQ(run.Last(Field::Text9), "S1=0.000");
  EXPECT_EQ(run.History(Field::Text11), (std::vector<std::string>{"0.000", "0.000"}));
  EXPECT_EQ(run.History(Field::Text12), (std::vector<std::string>{"0.000", "0.000"}));
  for (Field f : {Field::Text14, Field::Text15, Field::Text18, Field::Text19}) {
    EXPECT_EQ(run.Last(f), "0.00毫米") << FieldName(f);
  }
  EXPECT_EQ(run.Last(Field::Text16), "1E-300米");
  EXPECT_EQ(run.Last(Field::Text17), "1/∞");
}

struct RelativeClosureRow {
  const char* label;
  Traverse traverse;
  std::string shown;  // Text17
};

Traverse FromOrigin(const std::string& side, const std::string& xb) {
  Traverse t = OneSide(side, xb);
  t.xa = t.ya = t.yb = "0";
  return t;
}

// M = trunc([S] / sqrt(Fx² + Fy²)) even where the squares leave a double:
// a closure of 1e-300 m over 1e-300 m is 1/1, not an exact closure, and one
// of 1e200 m over 100 m is 1/0, not a failure.
const RelativeClosureRow kRelativeClosures[] = {
    {"closure whose square underflows", FromOrigin("1e-300", "0"), "1/1"},
    {"closure whose square overflows", FromOrigin("100", "-1e200"), "1/0"},
};

TEST(RelativeClosure, SquaresOfTheClosureBeyondADoubleStillGiveM) {
  for (const RelativeClosureRow& row : kRelativeClosures) {
    SCOPED_TRACE(row.label);
    const RecordedRun run = RunAnswers(row.traverse.Answers());
    ASSERT_EQ(run.end, RunEnd::kEnd) << run.failure;
    EXPECT_EQ(run.Last(Field::Text17), row.shown);
  }
}

struct OutOfRangeRow {
  const char* label;
  std::size_t answer;  // which answer of the N = 1 traverse is "1e400"
  Field echoField;
  std::string echo;
  std::string what;         // how the message names the value
  std::size_t promptsUntil;  // the failure comes after this many prompts
};

// "1e400" is accepted and echoed as typed, and fails at its first numeric use.
const OutOfRangeRow kOutOfRange[] = {
    {"Xa", kXaAnswer, Field::Text2, " 1e400", "起始点 A 的纵座标 Xa", 18},
    {"Ya", kXaAnswer + 2, Field::Text3, " 1e400", "起始点 A 的横座标 Ya", 18},
    {"Xb", kXaAnswer + 4, Field::Text4, " 1e400", "闭合点 B 的纵座标 Xb", 21},
    {"Yb", kXaAnswer + 6, Field::Text5, " 1e400", "闭合点 B 的横座标 Yb", 21},
    {"Ta", kXaAnswer + 8, Field::Text6, " 1e400", "起始点 A 的外方位角 Ta", 11},
    {"Tb", kXaAnswer + 10, Field::Text7, " 1e400", "闭合点 B 的外方位角 Tb", 13},
    {"angle at A", kFirstStationAnswer + 1, Field::Text8, "B0=1e400", "A 点的转角 B0", 18},
    {"side 1", kFirstStationAnswer + 3, Field::Text9, "S1=1e400", "第 1 条观测边长 S1", 18},
    {"angle at B", kFirstStationAnswer + kAnswersPerStation + 1, Field::Text8, "b1=1e400",
     "闭合点 B 的转角 b1", 21},
};

TEST(OutOfRangeValues, ATypedValueBeyondADoubleFailsAtItsFirstNumericUse) {
  for (const OutOfRangeRow& row : kOutOfRange) {
    SCOPED_TRACE(row.label);
    std::vector<std::string> answers = Traverse().Answers();
    answers[row.answer] = "1e400";
    const RecordedRun run = RunAnswers(answers);
    EXPECT_EQ(run.end, RunEnd::kFailure);
    EXPECT_EQ(run.prompts, row.promptsUntil);
    EXPECT_EQ(run.failure.substr(0, run.failure.find('\n')),
              "溢出：" + row.what + "的输入“1e400”超出了双精度数的范围。");
    EXPECT_EQ(run.Last(row.echoField), row.echo);
    ExpectNoInfinityOnScreen(run);
  }
}

}  // namespace
}  // namespace traverse::adversarial
