#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/number_fields.h"
#include "ui/text_fields.h"

namespace kmpx::ui {
namespace {

TEST(TextField, ChangeRunsForEveryNewTextFromCodeOrUser) {
  Form form("F", "TF");
  auto& field = form.Add<TextField>("HLparams", "+map %mapfile% -console");
  std::vector<std::string> changes;
  field.onChange = [&](Control&) { changes.push_back(field.Text()); };
  field.SetText("+map %mapfile% -console");  // same text: nothing
  field.SetText("+map x");
  field.UserSetText("+map y");
  EXPECT_EQ(changes, (std::vector<std::string>{"+map x", "+map y"}));
  EXPECT_TRUE(field.Focused());
}

TEST(TextField, MaximumLengthAndReadOnlyLimitTheUserOnly) {
  Form form("F", "TF");
  auto& field = form.Add<TextField>("Preset");
  field.SetMaxLength(5);
  field.UserSetText("1234567");
  EXPECT_EQ(field.Text(), "12345");
  field.SetText("1234567");
  EXPECT_EQ(field.Text(), "1234567");

  field.SetReadOnly(true);
  field.UserSetText("typed");
  EXPECT_EQ(field.Text(), "1234567");
  field.SetText("from code");
  EXPECT_EQ(field.Text(), "from code");
}

TEST(SpinField, SetValueClampsIntoTheLimits) {
  struct Case {
    int min;
    int max;
    int set;
    int value;
  };
  const Case cases[] = {
      {1, 999999, 0, 1},          {1, 999999, 1000000, 999999}, {1, 999999, 4, 4},
      {2048, 9999999, 100, 2048}, {0, 0, -5, -5},  // equal limits: none
      {-10, 10, -11, -10},
  };
  for (const auto& c : cases) {
    Form form("F", "TF");
    auto& spin = form.Add<SpinField>("_Threads");
    spin.SetLimits(c.min, c.max);
    spin.SetValue(c.set);
    EXPECT_EQ(spin.Value(), c.value) << c.min << ".." << c.max << " set " << c.set;
    EXPECT_EQ(spin.Text(), std::to_string(c.value));
  }
}

TEST(SpinField, NewLimitsKeepTheValueUntilTheUserLeavesTheField) {
  Form form("F", "TF");
  auto& spin = form.Add<SpinField>("_CSGThreads");
  auto& other = form.Add<SpinField>("Other");
  spin.SetValue(0);
  spin.SetLimits(1, 999999);
  EXPECT_EQ(spin.Value(), 0);

  int changes = 0;
  spin.onChange = [&](Control&) { ++changes; };
  spin.UserSetText("12a34");  // only digits and signs can be typed
  EXPECT_EQ(spin.Text(), "1234");
  spin.UserSetText("0");
  other.SetFocus();
  EXPECT_EQ(spin.Value(), 1);
  EXPECT_EQ(changes, 3);

  spin.UserSetText("-");  // no number: reads as the minimum, and shows it once left
  EXPECT_EQ(spin.Value(), 1);
  other.SetFocus();
  EXPECT_EQ(spin.Text(), "1");

  spin.UserStep(+1);
  spin.UserStep(+1);
  spin.UserStep(-1);
  EXPECT_EQ(spin.Value(), 2);
}

TEST(DecimalField, ABadEntryRestoresTheLastValidValue) {
  Form form("KSWin", "TKSWin");
  auto& smooth = form.Add<DecimalField>("_RADsmooth");
  auto& other = form.Add<TextField>("Other");
  smooth.SetValue(50);
  int invalid = 0;
  smooth.onInvalidEntry = [&](Control&) {
    ++invalid;
    smooth.SetValue(smooth.Value());  // the page's own reaction: show the value again
  };

  smooth.UserSetText("12,5");  // a valid number counts at once
  EXPECT_DOUBLE_EQ(smooth.Value(), 12.5);
  smooth.UserSetText("12,5x");
  EXPECT_DOUBLE_EQ(smooth.Value(), 12.5);
  other.SetFocus();
  EXPECT_EQ(invalid, 1);
  EXPECT_EQ(smooth.Text(), "12,5");

  smooth.onInvalidEntry = nullptr;  // the field restores itself without a handler too
  smooth.UserSetText("abc");
  smooth.SetFocus();
  other.SetFocus();
  EXPECT_EQ(smooth.Text(), "12,5");
}

TEST(DecimalField, ReadsCommaOrPointAndShowsItsOwnFormat) {
  struct Case {
    const char* typed;
    int decimals;
    double min;
    double max;
    const char* shown;
  };
  const Case cases[] = {
      {"0.5", -1, 0, 0, "0,5"},      {"0,5", 2, 0, 0, "0,50"},  {"  7 ", -1, 0, 0, "7"},
      {"-1,26", 1, 0, 0, "-1,3"},    {"2000", -1, 16, 1024, "1024"},  // clamped on leaving
      {"1e2", -1, 0, 0, "100"},      {"inf", -1, 0, 0, "3"},     {"", -1, 0, 0, "3"},
  };
  for (const auto& c : cases) {
    Form form("F", "TF");
    auto& field = form.Add<DecimalField>("_RADdlight");
    auto& other = form.Add<TextField>("Other");
    field.SetDecimals(c.decimals);
    field.SetLimits(c.min, c.max);
    field.SetValue(3);
    field.UserSetText(c.typed);
    other.SetFocus();
    EXPECT_EQ(field.Text(), c.shown) << "typed " << c.typed;
  }
}

TEST(TimePicker, OnlyTheUsersChangeRunsTheHandler) {
  Form form("F", "TF");
  auto& time = form.Add<TimePicker>("TimeOfStartCompile");
  int changes = 0;
  time.onChange = [&](Control&) { ++changes; };
  time.SetTime(90);
  time.SetTime(86400 + 5);  // wraps into one day
  EXPECT_EQ(time.Time(), 5);
  time.UserSetTime(3600);
  time.UserSetTime(3600);
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace kmpx::ui
