#include "tooler/page_behaviour.h"

#include <gtest/gtest.h>

#include "page_fixture.h"
#include "tooler/install_section.h"

namespace kmpx {
namespace {

using test::PageFixture;

// Every page installed with defaults from a small description, reactions wired.
class PageBehaviourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WireOptionPages(f.context);
    f.SetSection(CompilerId::CSG,
                 "@1\n0CH 1=estimate\n0CH 3=chart\n1CH 6=Dev\n#CO 7=0|1|2|3|4|5|6|0\n"
                 "@2\n1CH 1=Threads\n#SP 2=6 1 999999 1\n0CO 5= |Low|High|0\n"
                 "@3\n1CH 4=Hullfile\n#ED 5=255|\"hulls.txt\"\n@5\n1CH 1=Tiny\n#NE 2=4 16 1024 64");
    f.SetSection(CompilerId::BSP, "@2\n1CH 1=Threads\n#SP 2=6 1 999999 1\n0CO 5= |Low|High|0");
    f.SetSection(CompilerId::VIS, "@2\n1CH 1=Threads\n#SP 2=6 1 999999 1");
    f.SetSection(CompilerId::NETVIS, "@1\n0CH 3=chart\n@3\n0CH 1=server\n1CH 2=connect\n#ED 3=255|localhost");
    f.SetSection(CompilerId::RAD,
                 "@2\n1CH 1=threads\n#SP 2=6 1 999999 1\n"
                 "@5\n1CH 7=smooth\n#NE 8=6 0 999999 50\n1CH 17=fade\n#NE 18=6 0 999999 1\n"
                 "1CH 19=_fade\n#NE 20=6 0 999999 1");
    for (const CompilerId id : kStageCompilers) ASSERT_TRUE(InstallToolerSection(f.context, id, true, true));
    f.context.ConfigModified = false;
  }
  ui::CheckBox& Box(std::string_view name) { return f.Get<ui::CheckBox>(name); }
  PageFixture f;
};

TEST_F(PageBehaviourTest, OptionCheckClickEnablesAndActivatesTheValueControls) {
  auto& hull = Box("CSGHullfile");
  hull.SetChecked(true);
  EXPECT_TRUE(f.context.ConfigModified);
  EXPECT_TRUE(f.Get("_CSGHullfile").Enabled());
  EXPECT_TRUE(IsActive(f.Get("_CSGHullfile")));
  EXPECT_TRUE(f.Get("_CSGHullfilebr").Enabled());  // the browse button belongs to it by name
  hull.SetChecked(false);
  EXPECT_FALSE(f.Get("_CSGHullfile").Enabled());
  EXPECT_FALSE(IsActive(f.Get("_CSGHullfilebr")));
  EXPECT_EQ(f.Get<ui::MaskEdit>("_CSGHullfile").Text(), "\"hulls.txt\"");  // values are never touched

  // A disabled box only disables: its ticks from code still set the Active flags.
  auto& threads = Box("CSGThreads");
  threads.SetEnabled(false);
  threads.SetChecked(true);
  EXPECT_TRUE(IsActive(f.Get("_CSGThreads")));
  EXPECT_FALSE(f.Get("_CSGThreads").Enabled());
}

TEST_F(PageBehaviourTest, FadeActivatesUnderscoreFadeWithoutEnablingIt) {
  auto& fade = Box("RADfade");
  auto& underscoreFade = Box("RAD_fade");
  ASSERT_TRUE(underscoreFade.Enabled());
  underscoreFade.SetEnabled(false);
  fade.SetChecked(true);
  EXPECT_TRUE(IsActive(underscoreFade));
  EXPECT_FALSE(underscoreFade.Enabled());  // check boxes are no value controls
  EXPECT_TRUE(f.Get("_RADfade").Enabled());
  EXPECT_FALSE(f.Get("_RAD_fade").Enabled());  // "_RAD_fade" does not loosely start with "RADfade"
}

TEST_F(PageBehaviourTest, WadListHelperStaysOffUnlessAlreadyActive) {
  ui::Control& group = f.Get("CSGaddwads");
  auto& box = group.Add<ui::CheckBox>("CSGwadconfig");
  box.SetTag(SlotTag(6, true, true));
  auto& helper = group.Add<ui::SpeedButton>("CSGwadconfigAdd");
  helper.SetTag(SlotTag(kWadListSlot));
  box.onClick = [&](ui::Control&) { OptionCheckClick(f.context, box); };
  box.SetChecked(true);
  EXPECT_FALSE(helper.Enabled());
  EXPECT_FALSE(IsActive(helper));
  SetActive(helper, true);
  box.SetChecked(false);
  box.SetChecked(true);
  EXPECT_TRUE(helper.Enabled());
  EXPECT_TRUE(IsActive(helper));  // the tick does not set a helper's flag
}

TEST_F(PageBehaviourTest, StageOffAndOnRestoresExactlyTheActiveControls) {
  auto& csg = f.Switch(CompilerId::CSG);
  csg.SetChecked(false);
  for (const char* name : {"CSGThreads", "CSGChart", "_CSGDev", "CSGPriority", "_CSGWadincludeList"})
    EXPECT_FALSE(f.Get(name).Enabled()) << name;
  EXPECT_TRUE(f.Get("CSGThreadsLabel").Enabled());  // labels are left alone

  csg.SetChecked(true);
  EXPECT_TRUE(f.Get("CSGThreads").Enabled());
  EXPECT_FALSE(f.Get("_CSGThreads").Enabled());  // its box is unticked
  EXPECT_FALSE(f.Get("CSGWadinclude").Enabled());  // not described
  EXPECT_FALSE(f.Get("_CSGWadincludeList").Enabled());  // the helper is not Active
  Box("CSGThreads").SetChecked(true);
  csg.SetChecked(false);
  csg.SetChecked(true);
  EXPECT_TRUE(f.Get("_CSGThreads").Enabled());
}

TEST_F(PageBehaviourTest, StageReactionsAndUiEventsEnabled) {
  f.context.UiEventsEnabled = false;
  f.Switch(CompilerId::CSG).SetChecked(false);
  f.Switch(CompilerId::RAD).SetChecked(false);
  f.Switch(CompilerId::BSP).SetChecked(false);
  EXPECT_TRUE(f.Get("CSGThreads").Enabled());
  EXPECT_TRUE(f.Get("RADthreads").Enabled());
  EXPECT_FALSE(f.Get("BSPThreads").Enabled());  // BSP always reacts

  // Closing the tool list applies every switch again.
  f.context.UiEventsEnabled = true;
  ApplyStageSwitches(f.context);
  EXPECT_FALSE(f.Get("CSGThreads").Enabled());
  EXPECT_FALSE(f.Get("RADthreads").Enabled());
}

TEST_F(PageBehaviourTest, VisAndNetvisExcludeEachOtherOnlyOnAUsersClick) {
  auto& vis = f.Switch(CompilerId::VIS);
  auto& netvis = f.Switch(CompilerId::NETVIS);
  vis.SetChecked(false);
  netvis.SetChecked(true);
  vis.SetChecked(true);  // from code, as a configuration does
  EXPECT_TRUE(netvis.Checked());

  vis.SetChecked(false);
  vis.UserClick();
  EXPECT_TRUE(vis.Checked());
  EXPECT_FALSE(netvis.Checked());
  EXPECT_FALSE(f.Get("NETVISserver").Enabled());  // the NETVIS page went off with it

  netvis.UserClick();
  EXPECT_TRUE(netvis.Checked());
  EXPECT_FALSE(vis.Checked());
  EXPECT_TRUE(f.Get("NETVISserver").Enabled());
  EXPECT_FALSE(f.Get("VISThreads").Enabled());
}

TEST_F(PageBehaviourTest, NetvisServerAndClientExcludeEachOther) {
  auto& server = Box("NETVISserver");
  auto& client = Box("NETVISclient");
  f.Switch(CompilerId::NETVIS).SetChecked(true);  // installing with defaults left it off
  server.SetChecked(true);
  client.SetChecked(true);
  EXPECT_FALSE(server.Checked());
  EXPECT_TRUE(f.Get("_NETVISclient").Enabled());
  server.SetChecked(true);
  EXPECT_FALSE(client.Checked());
  EXPECT_FALSE(f.Get("_NETVISclient").Enabled());
}

TEST_F(PageBehaviourTest, WhatMarksTheConfigurationModified) {
  Box("NETVISChart").SetChecked(true);  // bound to nothing
  EXPECT_FALSE(f.context.ConfigModified);
  Box("CSGWadinclude").SetChecked(true);  // left to the WAD lists, and not described
  EXPECT_FALSE(f.context.ConfigModified);
  Box("CSGChart").SetChecked(true);
  EXPECT_TRUE(f.context.ConfigModified);

  // The plain reaction counts only described boxes.
  f.context.ConfigModified = false;
  SetDescribed(Box("CSGEstimate"), false);
  Box("CSGEstimate").SetChecked(true);
  EXPECT_FALSE(f.context.ConfigModified);

  // A user's choice in a page list counts; a choice set by code does not.
  auto& priority = f.Get<ui::ComboBox>("CSGPriority");
  priority.SetItemIndex(1);
  EXPECT_FALSE(f.context.ConfigModified);
  priority.UserSelect(2);
  EXPECT_TRUE(f.context.ConfigModified);
}

TEST_F(PageBehaviourTest, BadDecimalEntryGivesBackTheLastValidNumber) {
  Box("RADsmooth").SetChecked(true);
  auto& smooth = f.Get<ui::DecimalField>("_RADsmooth");
  ASSERT_DOUBLE_EQ(smooth.Value(), 50);
  smooth.UserSetText("5x");
  f.form.SetActiveControl(nullptr);  // leaving the field
  EXPECT_EQ(smooth.Text(), "50");
  EXPECT_DOUBLE_EQ(smooth.Value(), 50);
}

TEST_F(PageBehaviourTest, CommonOptionsAreCopiedToEveryPage) {
  f.Switch(CompilerId::BSP).SetChecked(false);
  auto& threads = f.Get<ui::CheckBox>("Threads");
  threads.SetChecked(true);
  EXPECT_TRUE(f.Get("_Threads").Enabled());
  for (const char* name : {"CSGThreads", "BSPThreads", "VISThreads", "RADthreads"})
    EXPECT_TRUE(Box(name).Checked()) << name;
  EXPECT_FALSE(Box("BSPThreads").Enabled());  // its page is off
  EXPECT_FALSE(f.Get("_BSPThreads").Enabled());
  EXPECT_TRUE(f.Get("_CSGThreads").Enabled());
  EXPECT_TRUE(f.context.ConfigModified);

  // Values go to every page, ticked or not.
  threads.SetChecked(false);
  f.Get<ui::SpinField>("_Threads").SetValue(4);
  for (const char* name : {"_CSGThreads", "_BSPThreads", "_VISThreads", "_RADthreads"})
    EXPECT_EQ(f.Get<ui::SpinField>(name).Value(), 4) << name;

  // The priority box only enables its list; the list copies its choice.
  f.Get<ui::CheckBox>("Priority").SetChecked(true);
  auto& priority = f.Get<ui::ComboBox>("_Priority");
  EXPECT_TRUE(priority.Enabled());
  f.context.ConfigModified = false;
  priority.UserSelect(1);
  EXPECT_EQ(f.Get<ui::ComboBox>("CSGPriority").ItemIndex(), 1);
  EXPECT_EQ(f.Get<ui::ComboBox>("BSPPriority").ItemIndex(), 1);
  EXPECT_TRUE(f.context.ConfigModified);

  // One way only.
  Box("CSGThreads").SetChecked(false);
  EXPECT_FALSE(threads.Checked());
}

}  // namespace
}  // namespace kmpx
