#include "report/statistics.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>

namespace traverse {
namespace {

class FieldRecorder : public UserInterface {
 public:
  std::string PromptDialog(const std::string&) override { return ""; }
  void SetFieldText(Field field, const std::string& text) override {
    fields[FieldName(field)] = text;
  }
  void ShowFailure(const std::string&) override {}
  std::map<std::string, std::string> fields;
};

TEST(Statistics, AzimuthClosureInSeconds) {
  const std::pair<double, const char*> rows[] = {
      {-36, "  -36秒"},          {24.6, "  24.6秒"}, {0, "  0秒"},
      {12.125, "  12.12秒"},     {24.999999999636202, "  25秒"},
      {-0.001, "  0秒"},  // rounds to zero: no minus sign
  };
  for (const auto& [fb, text] : rows) {
    TraverseRecord r;
    r.fb = fb;
    FieldRecorder ui;
    ShowAzimuthClosure(r, ui);
    EXPECT_EQ(ui.fields["Text13"], text) << fb;
  }
}

TEST(Statistics, ClosuresInMillimetres) {
  const std::pair<double, const char*> rows[] = {
      {-0.0081, "-8.10毫米"}, {0.0123456, "12.35毫米"}, {0, "0.00毫米"},
      {0.125 / 1024 * 1024 / 1000, "0.12毫米"},  // 0.125 mm, half to even
      {-0.000001, "0.00毫米"},
  };
  for (const auto& [metres, text] : rows) {
    TraverseRecord r;
    r.FxBefore = r.FyBefore = r.FxAfter = r.FyAfter = metres;
    FieldRecorder ui;
    ShowClosuresBefore(r, ui);
    ShowClosuresAfter(r, ui);
    for (const char* field : {"Text18", "Text19", "Text14", "Text15"}) {
      EXPECT_EQ(ui.fields[field], text) << metres << " " << field;
    }
  }
}

TEST(Statistics, TotalsAndRelativeClosure) {
  struct Row {
    double total, m;
    const char* text16;
    const char* text17;
  };
  const Row rows[] = {
      {1200, 4000, "1200米", "1/4000"},
      {100.1 + 200.2, 60222, "300.3米", "1/60222"},
      {830.75, std::numeric_limits<double>::infinity(), "830.75米", "1/∞"},
      {5e15, 1e16, "5E+15米", "1/1E+16"},
  };
  for (const Row& row : rows) {
    TraverseRecord r;
    r.TotalLength = row.total;
    r.M = row.m;
    FieldRecorder ui;
    ShowTotals(r, ui);
    EXPECT_EQ(ui.fields["Text16"], row.text16);
    EXPECT_EQ(ui.fields["Text17"], row.text17);
  }
}

TEST(Statistics, MillimetresBeyondADoubleAreTheOverflowFailure) {
  TraverseRecord r;
  r.FxBefore = 1e307;
  FieldRecorder ui;
  EXPECT_ANY_THROW(ShowClosuresBefore(r, ui));
  EXPECT_EQ(ui.fields.count("Text18"), 0u);  // never "inf" on screen
}

}  // namespace
}  // namespace traverse
