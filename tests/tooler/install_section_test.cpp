#include "tooler/install_section.h"

#include <gtest/gtest.h>

#include "page_fixture.h"
#include "text/cp1251.h"
#include "tooler/page_behaviour.h"

namespace kmpx {
namespace {

using test::PageFixture;

class InstallSectionTest : public ::testing::Test {
 protected:
  void SetUp() override { WireOptionPages(f.context); }
  bool Install(CompilerId id, bool applyEnabled, bool applyDefaults) {
    return InstallToolerSection(f.context, id, applyEnabled, applyDefaults);
  }
  PageFixture f;
};

TEST_F(InstallSectionTest, DefaultsTickOnlyPlusEntriesAndSetValuesAndFlags) {
  f.SetSection(CompilerId::CSG,
               "@1\n0CH 1=estimate\n0CH+3=chart\n1CH 6=Dev\n#CO 7=0|1|2|3|4|5|6|4\n"
               "@2\n1CH 1=Threads\n#SP 2=6 1 999999 1\n0CO 5= |Low|High|2\n"
               "@3\n1CH 4=Hullfile\n#ED 5=255|\"hulls.txt\"\n"
               "@5\n1CH+1=Tiny\n#NE 2=4 16 1024 64");
  auto& threads = f.Get<ui::SpinField>("_CSGThreads");
  threads.SetValue(7);

  ASSERT_TRUE(Install(CompilerId::CSG, true, true));

  EXPECT_FALSE(f.Get<ui::CheckBox>("CSGEstimate").Checked());
  EXPECT_FALSE(f.Get<ui::CheckBox>("CSGThreads").Checked());  // a space at position 4
  EXPECT_TRUE(f.Get<ui::CheckBox>("CSGChart").Checked());
  EXPECT_EQ(f.Get<ui::ComboBox>("CSGPriority").ItemIndex(), 2);
  EXPECT_EQ(f.Get<ui::ComboBox>("_CSGDev").ItemIndex(), 4);
  EXPECT_EQ(threads.Value(), 1);
  EXPECT_EQ(threads.MinValue(), 1);
  EXPECT_EQ(threads.MaxValue(), 999999);
  EXPECT_EQ(threads.MaxLength(), 6);
  auto& hull = f.Get<ui::MaskEdit>("_CSGHullfile");
  EXPECT_EQ(hull.Text(), "\"hulls.txt\"");
  EXPECT_EQ(hull.MaxLength(), 255);
  auto& tiny = f.Get<ui::DecimalField>("_CSGTiny");
  EXPECT_DOUBLE_EQ(tiny.Value(), 64);
  EXPECT_DOUBLE_EQ(tiny.MinValue(), 16);
  EXPECT_DOUBLE_EQ(tiny.MaxValue(), 1024);
  // Ticking Tiny ran its reaction: the decimal field is Active and enabled.
  EXPECT_TRUE(IsActive(tiny));
  EXPECT_TRUE(tiny.Enabled());

  // Switches and switch lists are Active, arguments only Described.
  EXPECT_TRUE(IsActive(f.Get("CSGThreads")) && IsDescribed(f.Get("CSGThreads")));
  EXPECT_TRUE(IsActive(f.Get("CSGPriority")));
  EXPECT_FALSE(IsActive(threads));
  EXPECT_TRUE(IsDescribed(threads));
  EXPECT_FALSE(threads.Enabled());
  EXPECT_TRUE(IsDescribed(f.Get("CSGcompileprocess")) && IsActive(f.Get("CSGcompileprocess")));
  // Not named: the WAD group and its box.
  EXPECT_FALSE(IsDescribed(f.Get("CSGaddwads")));
  EXPECT_FALSE(f.Get("CSGWadinclude").Enabled());
  EXPECT_TRUE(f.context.UiEventsEnabled);
  EXPECT_TRUE(f.reporting.log.entries.empty());
}

TEST_F(InstallSectionTest, WithoutDefaultsValuesStayAndLimitsAreLaid) {
  f.SetSection(CompilerId::CSG, "@1\n0CH 3=chart\n@2\n1CH 1=Threads\n#SP 2=6 1 999999 1\n0CO 5= |Low|High|0");
  ASSERT_TRUE(Install(CompilerId::CSG, true, true));
  auto& chart = f.Get<ui::CheckBox>("CSGChart");
  auto& threadsBox = f.Get<ui::CheckBox>("CSGThreads");
  auto& threads = f.Get<ui::SpinField>("_CSGThreads");
  chart.SetChecked(true);
  threadsBox.SetChecked(true);
  threads.SetValue(8);
  f.Get<ui::ComboBox>("CSGPriority").SetItemIndex(1);
  ASSERT_TRUE(IsActive(threads));

  // The next description does not name Chart and allows up to 16 threads.
  f.SetSection(CompilerId::CSG, "@2\n1CH 1=Threads\n#SP 2=2 2 16 2\n0CO 5= |Low|High|0");
  ASSERT_TRUE(Install(CompilerId::CSG, true, false));

  EXPECT_FALSE(chart.Checked());
  EXPECT_FALSE(chart.Enabled());
  EXPECT_TRUE(threadsBox.Checked());
  EXPECT_EQ(threads.Value(), 8);
  EXPECT_EQ(threads.MinValue(), 2);
  EXPECT_EQ(threads.MaxValue(), 16);
  EXPECT_TRUE(IsActive(threads));  // its box's state is kept
  EXPECT_EQ(f.Get<ui::ComboBox>("CSGPriority").ItemIndex(), 1);
}

TEST_F(InstallSectionTest, SwitchesFollowTheStageSwitchAndTheStageReactionWaits) {
  f.SetSection(CompilerId::CSG, "@1\n0CH 3=chart");
  f.Switch(CompilerId::CSG).SetChecked(false);
  f.Get("CSGChart").SetEnabled(true);
  ASSERT_TRUE(Install(CompilerId::CSG, true, false));
  EXPECT_FALSE(f.Get("CSGChart").Enabled());

  // With defaults the switch is ticked while reactions wait, so the page
  // itself is not switched on: only the entries follow the switch.
  f.Get("CSGChart").SetEnabled(false);
  f.Get("_CSGHullfilebr").SetEnabled(false);
  ASSERT_TRUE(Install(CompilerId::CSG, true, true));
  EXPECT_TRUE(f.Switch(CompilerId::CSG).Checked());
  EXPECT_TRUE(f.Get("CSGChart").Enabled());
  EXPECT_FALSE(f.Get("_CSGHullfilebr").Enabled());
  EXPECT_TRUE(f.context.UiEventsEnabled);
}

TEST_F(InstallSectionTest, NetvisStageEndsUpOffAfterDefaults) {
  f.SetSection(CompilerId::NETVIS, "@3\n0CH 1=server\n0CH 2=connect\n#ED 3=255|localhost");
  ASSERT_TRUE(Install(CompilerId::NETVIS, true, true));
  EXPECT_FALSE(f.Switch(CompilerId::NETVIS).Checked());
  for (const char* name : {"NETVISserver", "NETVISclient", "_NETVISclient", "NETVISChart"})
    EXPECT_FALSE(f.Get(name).Enabled()) << name;
}

TEST_F(InstallSectionTest, BadNumbersAreReportedAndReplaced) {
  f.SetSection(CompilerId::CSG, "@2\n1CH 1=Threads\n#SP 2=6 x 999999 z\n0CO 5= |Low|High|?");
  ASSERT_TRUE(Install(CompilerId::CSG, true, true));
  const auto& threads = f.Get<ui::SpinField>("_CSGThreads");
  EXPECT_EQ(threads.MinValue(), 0);
  EXPECT_EQ(threads.Value(), 0);  // the default is the minimum just set
  EXPECT_EQ(f.Get<ui::ComboBox>("CSGPriority").ItemIndex(), 0);
  const std::vector<std::string> expected = {
      "[Настройка опций компилятора CSG] Невозможно преобразование строки \"x\" в число!"_cp,
      "[Настройка опций компилятора CSG] Автозамена строки \"x\" на \"0\" - значение по умолчанию!"_cp,
      "[Настройка опций компилятора CSG] Невозможно преобразование строки \"z\" в число!"_cp,
      "[Настройка опций компилятора CSG] Автозамена строки \"z\" на \"0\" - значение по умолчанию!"_cp,
      "[Настройка опций компилятора CSG] Невозможно преобразование строки \"?\" в число!"_cp,
      "[Настройка опций компилятора CSG] Автозамена строки \"?\" на \"0\" - значение по умолчанию!"_cp,
  };
  EXPECT_EQ(f.reporting.log.Texts(), expected);
}

TEST_F(InstallSectionTest, CommentLinesAndUnknownKindsAreSkipped) {
  f.SetSection(CompilerId::CSG, "; a comment\n@1\n; another\n0XX 3=chart\n0CH 1=estimate");
  ASSERT_TRUE(Install(CompilerId::CSG, true, true));
  EXPECT_FALSE(IsDescribed(f.Get("CSGChart")));
  EXPECT_TRUE(IsDescribed(f.Get("CSGEstimate")));
}

struct MalformedCase {
  const char* label;
  const char* section;
  std::vector<const char*> boxes;  // expected in order, all answered OK
};

class MalformedSectionTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedSectionTest, StopsTheInstallAfterItsBoxes) {
  PageFixture f;
  WireOptionPages(f.context);
  for (const char* box : GetParam().boxes) f.reporting.dialogs.Expect(box, kAnswerOk);
  f.SetSection(CompilerId::CSG, GetParam().section);
  f.Get("CSGChart").SetEnabled(true);
  EXPECT_FALSE(InstallToolerSection(f.context, CompilerId::CSG, true, true));
  // The install ended before undescribed slots were disabled.
  EXPECT_TRUE(f.Get("CSGChart").Enabled());
  for (const auto& shown : f.reporting.dialogs.shown) EXPECT_EQ(shown.icon, BoxIcon::Stop);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedSectionTest,
    ::testing::Values(MalformedCase{"EmptyLine", "@1\n0CH 1=estimate\n\n0CH 6=Dev", {}},
                      MalformedCase{"EntryBeforeGroup", "0CH 1=estimate\n@1", {}},
                      MalformedCase{"UnknownGroup", "@9\n0CH 1=estimate", {}},
                      MalformedCase{"GroupNumberNoNumber", "@x\n0CH 1=estimate", {}},
                      MalformedCase{"SlotNumberNoNumber", "@1\n0CH a=estimate", {}},
                      MalformedCase{"UnknownSlot", "@1\n0CH 42=estimate", {"Component pointer is null"}},
                      MalformedCase{"SlotZero", "@1\n0CH 0=estimate",
                                    {"Component number is null", "Component pointer is null"}},
                      MalformedCase{"GroupZero", "@0\n0CH 1=estimate", {"Component number is null"}}),
    [](const auto& param) { return std::string(param.param.label); });

}  // namespace
}  // namespace kmpx
