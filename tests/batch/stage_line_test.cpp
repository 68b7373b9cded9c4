#include "batch/stage_line.h"

#include "batch/batch_files.h"
#include "batch/bat_template.h"
#include "batch/compiler_line.h"
#include "text/embedded_resources.h"

#include <gtest/gtest.h>

#include "support/test_reporting.h"
#include "text/cp1251.h"
#include "tooler/install_section.h"
#include "tooler/option_slots.h"
#include "tooler/page_behaviour.h"
#include "tooler/pages/option_pages.h"
#include "ui/controls.h"

namespace kmpx {
namespace {

// The real CSG page with a hand-written section installed with its defaults.
class CsgStage : public ::testing::Test {
 protected:
  void BuildPages() {
    auto& pages = form.Add<ui::PageControl>("Page");
    for (CompilerId id : kStageCompilers) {
      context.pages[static_cast<int>(id) - 1] = &BuildOptionPage(pages, id);
      context.stageSwitches[static_cast<int>(id) - 1] = &form.Add<ui::CheckBox>(CompilerName(id) + "use");
    }
    WireOptionPages(context);
  }
  void Install(const LineList& section) {
    BuildPages();
    context.Section(CompilerId::CSG) = section;
    ASSERT_TRUE(InstallToolerSection(context, CompilerId::CSG, true, true));
  }
  template <class T>
  T& Get(const char* name) { return form.Get<T>(name); }

  std::string Line(bool inUse = true, bool withMapPath = false) {
    StageLineInputs inputs;
    inputs.stage = CompilerId::CSG;
    inputs.exeName = "hlcsg.exe";
    inputs.inUse = inUse;
    inputs.section = &context.Section(CompilerId::CSG);
    inputs.page = &context.Page(CompilerId::CSG);
    inputs.wadInclude = Get<ui::CheckBox>("CSGWadinclude").Checked();
    inputs.wadIncludeList = wads;
    inputs.mapPath = "C:\\maps\\test.map";
    inputs.withMapPath = withMapPath;
    return BuildStageLine(inputs, t.log, t.boxes);
  }

  test::TestReporting t;
  ui::Form form{"KSWin", "TKSWin"};
  OptionPageContext context{t.report};
  LineList wads;
};

const LineList kSection{"@1", "0CH 1=estimate", "1CH 6=Dev", "#CO 7=0|1|2|3|4|5|6|0", "@2", "1CH 1=Threads",
                        "#SP 2=6 1 999999 1", "0CO 5= |Low|High|0", "@4", "~CH 4=wadinclude", "@7", "1CH 1= ",
                        "#ED 2=255| "};

TEST_F(CsgStage, SwitchesFollowTheEntriesThenWadIncludesThenTheMap) {
  Install(kSection);
  Get<ui::CheckBox>("CSGEstimate").SetChecked(true);
  Get<ui::CheckBox>("CSGDev").SetChecked(true);
  Get<ui::ComboBox>("_CSGDev").SetItemIndex(3);
  Get<ui::CheckBox>("CSGThreads").SetChecked(true);
  Get<ui::SpinField>("_CSGThreads").SetValue(2);
  EXPECT_EQ(Line(), "hlcsg.exe -estimate -Dev 3 -Threads 2 %mapname%");

  Get<ui::ComboBox>("CSGPriority").SetItemIndex(2);
  EXPECT_EQ(Line(false), "REM hlcsg.exe -estimate -Dev 3 -Threads 2 -High %mapname%");
  Get<ui::ComboBox>("CSGPriority").SetItemIndex(1);
  EXPECT_EQ(Line(true, true), "hlcsg.exe -estimate -Dev 3 -Threads 2 -Low \"C:\\maps\\test\"");

  // A value slot of an unticked switch contributes nothing, whatever it holds.
  Get<ui::CheckBox>("CSGThreads").SetChecked(false);
  Get<ui::CheckBox>("CSGadditional").SetChecked(true);
  Get<ui::TextField>("_CSGadditional").SetText("-chop 64");
  Get<ui::ComboBox>("CSGPriority").SetItemIndex(0);
  EXPECT_EQ(Line(), "hlcsg.exe -estimate -Dev 3 -  -chop 64 %mapname%");

  // WAD includes: only the tick counts, an empty list adds nothing.
  Get<ui::CheckBox>("CSGWadinclude").SetChecked(true);
  EXPECT_EQ(Line(), "hlcsg.exe -estimate -Dev 3 -  -chop 64 %mapname%");
  wads = LineList{"halflife.wad", "my maps.wad"};
  EXPECT_EQ(Line(), "hlcsg.exe -estimate -Dev 3 -  -chop 64 -wadinclude halflife.wad -wadinclude my maps.wad %mapname%");
  EXPECT_TRUE(t.log.entries.empty());
}

TEST_F(CsgStage, TickedButInactiveSwitchesAndSkippedRolesContributeNothing) {
  Install({"@1", "0CH 1=estimate", "5CH 2=nolog", "xCH 3=chart", "@2", "1CH 1=Threads", "#SP 2=6 1 999999 1"});
  Get<ui::CheckBox>("CSGChart").SetChecked(true);  // undescribed: DisableUndescribedSlots unticks it again
  Get<ui::CheckBox>("CSGEstimate").SetChecked(true);
  SetActive(Get<ui::CheckBox>("CSGEstimate"), false);
  EXPECT_EQ(Line(), "hlcsg.exe %mapname%");
}

TEST_F(CsgStage, AnActiveEmptyTextIsReportedTwiceAndLeftOut) {
  Install(kSection);
  Get<ui::CheckBox>("CSGEstimate").SetChecked(true);
  Get<ui::CheckBox>("CSGadditional").SetChecked(true);
  Get<ui::TextField>("_CSGadditional").SetText("");
  EXPECT_EQ(Line(), "hlcsg.exe -estimate -  %mapname%");
  ASSERT_EQ(t.log.entries.size(), 2u);
  const std::string where = "(Создание строки bat-файла для компилятора CSG: hlcsg.exe -estimate -  <?>) "_cp;
  EXPECT_EQ(t.log.entries[0].text, where + "Не задан параметр опции!"_cp);
  EXPECT_TRUE(t.log.entries[0].bringForward);
  EXPECT_EQ(t.log.entries[1].text, where + "Формирование строки для данного компилятора не завершено!"_cp);
  EXPECT_FALSE(t.log.entries[1].bringForward);
  EXPECT_EQ(t.log.entries[1].kind, MessageKind::Error);
}

TEST_F(CsgStage, TheDefaultDescriptionGivesEveryStageItsLine) {
  BuildPages();
  const auto file = FindEmbeddedResource("EXEFILE", "KMPX25317TLR");
  ASSERT_TRUE(file.has_value());
  auto tooler = ParseToolerConfig(LineList::FromText(*file));
  ASSERT_TRUE(tooler.has_value());
  context.tooler = *tooler;
  for (CompilerId id : kStageCompilers) ASSERT_TRUE(InstallToolerSection(context, id, true, true));

  CompileLineSources sources;
  sources.pages = &context;
  sources.exeNames = {"hlcsg.exe", "hlbsp.exe", "hlvis.exe", "netvis.exe", "hlrad.exe"};
  sources.mapPath = "C:\\maps\\test.map";
  sources.gamePath = "C:\\Half-life\\hl.exe";
  sources.gameParams = "+map %mapfile% -console";
  BatchInputs inputs;
  inputs.mapPathWithoutExtension = "C:\\maps\\test";
  inputs.textureFolder = "C:\\Half-life";
  inputs.stageLine = [&](CompilerId stage) { return BuildCompilerLine(sources, stage, false, t.report); };
  // The NETVIS stage is switched off by the defaults; the game is not started after the compile.
  EXPECT_EQ(MakeSavedBatch(DefaultBatTemplate(), inputs).Lines(),
            (std::vector<std::string>{"SET MAPNAME=\"C:\\maps\\test\"", "SET WADROOT=\"C:\\Half-life\"",
                                      "hlcsg.exe %mapname%", "hlbsp.exe %mapname%", "hlvis.exe %mapname%",
                                      "REM netvis.exe %mapname%", "hlrad.exe %mapname%",
                                      "REM \"C:\\Half-life\\hl.exe\" +map test -console"}));
  sources.afterCompileAction = 1;
  EXPECT_EQ(BuildCompilerLine(sources, CompilerId::HL, true, t.report), "\"C:\\Half-life\\hl.exe\" +map test -console");
  EXPECT_EQ(BuildCompilerLine(sources, CompilerId::RAD, true, t.report), "hlrad.exe \"C:\\maps\\test\"");
  EXPECT_TRUE(t.log.entries.empty());
}

}  // namespace
}  // namespace kmpx
