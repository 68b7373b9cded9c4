#include "tooler/tooler_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "support/test_reporting.h"
#include "text/cp1251.h"
#include "text/embedded_resources.h"
#include "text/text_file.h"
#include "tooler/option_entry.h"
#include "tooler/option_slots.h"
#include "tooler/page_behaviour.h"
#include "tooler/pages/option_pages.h"
#include "tooler/tooler_catalogue.h"
#include "ui/controls.h"

namespace kmpx {
namespace {

using test::TempHome;
using test::TestReporting;

// The main window's parts the loader works on, with the real pages.
class LoaderTest : public ::testing::Test {
 protected:
  LoaderTest() {
    auto& strip = form.Add<ui::Panel>("PageButtonsControl");
    auto& pages = form.Add<ui::PageControl>("Page");
    auto& general = pages.Add<ui::TabSheet>("General");
    BuildCommonOptions(general);
    BuildToolerGroup(general);
    const char* switches[] = {"csguse", "bspuse", "visuse", "netvisuse", "raduse"};
    for (std::size_t i = 0; i < kStageCompilers.size(); ++i) {
      auto& stage = strip.Add<ui::CheckBox>(switches[i]);
      stage.SetChecked(true);
      context.stageSwitches[i] = &stage;
      context.pages[i] = &BuildOptionPage(pages, kStageCompilers[i]);
    }
    context.general = &general;
    WireOptionPages(context);
    settings.Ini = LineList::FromText("[GENERAL]\nTOOLER VERSION=QTOOLS\nCSG File=mycsg\nRIPENT File=myripent\n[END_GENERAL]");
    settings.GeneralOptions = "00000000000";
    loaderStorage.emplace(context, FindToolerGroup(form), settings, home.Dir());
    loader.Wire();
    EXPECT_TRUE(WriteMissingToolerFiles(home.Dir()));
  }

  ui::ComboBox& ToolerType() { return form.Get<ui::ComboBox>("ToolerType"); }
  template <class T = ui::Control>
  T& Get(std::string_view name) { return form.Get<T>(name); }
  // Selects item as code does, then installs it as at start.
  void StartWith(std::string_view item, bool applyDefaults = true) {
    ToolerType().SetItemIndex(ToolerType().IndexOfItem(item));
    ASSERT_TRUE(loader.LoadToolerConfig(item, applyDefaults, false));
  }
  std::string FilePath(std::string_view item) { return ToolerFilePath(home.Dir(), item); }

  TempHome home;
  TestReporting r;
  ui::Form form{"KSWin", "TKSWin"};
  OptionPageContext context{r.report};
  ShellSettings settings;
  std::optional<ToolerLoader> loaderStorage;  // once the form is built
  ToolerLoader& loader = loaderStorage.emplace(context, ToolerGroup{}, settings, home.Dir());
};

// Every entry of every built-in description lands on a described control of
// its kind; switches are Active, undescribed controls are disabled.
TEST_F(LoaderTest, EveryBuiltInDescriptionInstallsOntoThePages) {
  for (const std::string_view item : kBuiltInToolers) {
    SCOPED_TRACE(item);
    StartWith(item);
    for (const CompilerId id : kStageCompilers) {
      ui::Control* group = nullptr;
      for (const std::string& line : context.Section(id)) {
        if (IsGroupLine(line)) {
          group = FindSlot(context.Page(id), *ParseSlotNumber(line), false, r.boxes);
          continue;
        }
        const auto entry = ParseOptionEntry(line);
        if (!entry) continue;
        ui::Control* slot = FindSlot(*group, *ParseSlotNumber(line), true, r.boxes);
        ASSERT_NE(slot, nullptr) << Cp1251ToUtf8(line);
        EXPECT_TRUE(IsDescribed(*slot)) << slot->Name();
        // Only switches and lists carry Active; a text entry never does.
        if (entry->IsSwitch() && (entry->kind == OptionKind::CH || entry->kind == OptionKind::CO)) {
          EXPECT_TRUE(IsActive(*slot)) << slot->Name();
        }
        const std::string& cls = slot->ClassName();
        const std::string expected = entry->kind == OptionKind::CH   ? "TCheckBox"
                                     : entry->kind == OptionKind::ED ? "TMaskEdit"
                                     : entry->kind == OptionKind::NE ? "TPBNumEdit"
                                     : entry->kind == OptionKind::SP ? "TSpinEdit"
                                                                     : "TComboBox";
        EXPECT_EQ(cls, expected) << slot->Name();
      }
      // Undescribed switches are off and disabled.
      context.Page(id).ForEachDescendant([&](const ui::Control& c) {
        if (c.ClassName() == "TCheckBox" && c.Tag() != 0 && !IsDescribed(c)) {
          EXPECT_FALSE(c.Enabled()) << c.Name();
        }
      });
    }
    EXPECT_FALSE(context.StageSwitch(CompilerId::NETVIS).Checked());
    EXPECT_EQ(settings.Value("TOOLER VERSION"), item);
    EXPECT_EQ(loader.ToolerStatusText, item);
  }
  EXPECT_TRUE(r.dialogs.shown.empty());
  EXPECT_TRUE(r.log.entries.empty());
}

TEST_F(LoaderTest, DefaultsOfTheLatestKmpx) {
  StartWith("KMPX 2.5.3-1.7");
  const auto& threads = Get<ui::SpinField>("_CSGThreads");
  EXPECT_EQ(threads.MinValue(), 1);
  EXPECT_EQ(threads.MaxValue(), 999999);
  EXPECT_EQ(threads.Value(), 1);
  EXPECT_FALSE(threads.Enabled());
  EXPECT_TRUE(Get("CSGThreads").Enabled());
  EXPECT_DOUBLE_EQ(Get<ui::DecimalField>("_CSGTiny").Value(), 64);
  EXPECT_EQ(Get<ui::MaskEdit>("_CSGHullfile").Text(), "\"hulls.txt\"");
  EXPECT_EQ(Get<ui::ComboBox>("CSGPriority").ItemIndex(), 0);
  EXPECT_FALSE(Get("NETVISEstimate").Enabled());  // the NETVIS stage is off
  const LineList info = Get<ui::Memo>("ToolerInfo").Lines();
  ASSERT_EQ(info.Count(), 8);
  EXPECT_EQ(info.Get(0), "Название утилит: KMPX"_cp);
  EXPECT_EQ(info.Get(1), "Версия: 2.5.3-1.7"_cp);
  EXPECT_EQ(info.Get(2), "Описание: Расширенные утилиты компиляции"_cp);
  EXPECT_EQ(info.Get(3), "Дата выпуска: 08-12-02"_cp);
}

// The reactions reach the real pages' controls by their names.
TEST_F(LoaderTest, ReactionsAreBoundOnTheRealPages) {
  StartWith("KMPX 2.5.3-1.7");
  struct Case {
    const char* box;
    bool modifies;
    const char* valueControl;  // becomes Active with the tick, or null
  };
  const Case cases[] = {{"RADfade", true, "RAD_fade"},   {"CSGThreads", true, "_CSGThreads"},
                        {"RADambient", true, "_RADambient"}, {"CSGChart", true, nullptr},
                        {"RADNoskyfix", false, nullptr},  {"NETVISChart", false, nullptr}};
  for (const Case& c : cases) {
    context.ConfigModified = false;
    Get<ui::CheckBox>(c.box).SetChecked(true);
    EXPECT_EQ(context.ConfigModified, c.modifies) << c.box;
    if (c.valueControl != nullptr) {
      EXPECT_TRUE(IsActive(Get(c.valueControl))) << c.valueControl;
    }
  }
  Get<ui::CheckBox>("RADfalloff").SetChecked(true);  // enables the list for the user
  context.ConfigModified = false;
  Get<ui::ComboBox>("_RADfalloff").UserSelect(1);
  EXPECT_TRUE(context.ConfigModified);
  auto& smooth = Get<ui::DecimalField>("_RADsmooth");
  Get<ui::CheckBox>("RADsmooth").SetChecked(true);
  smooth.SetValue(2);
  smooth.UserSetText("x");
  form.SetActiveControl(nullptr);
  EXPECT_DOUBLE_EQ(smooth.Value(), 2);
  EXPECT_EQ(smooth.Text(), "2");
}

TEST_F(LoaderTest, ChoosingQtoolsKeepsTheUsersValues) {
  StartWith("KMPX 2.5.3-1.7");
  Get<ui::CheckBox>("CSGChart").SetChecked(true);
  Get<ui::CheckBox>("CSGThreads").SetChecked(true);
  Get<ui::SpinField>("_CSGThreads").SetValue(12);
  settings.GeneralOptions = "00000000010";

  ToolerType().UserSelect(ToolerType().IndexOfItem("QTOOLS"));

  EXPECT_EQ(loader.PreviousToolerIndex, 0);
  auto& chart = Get<ui::CheckBox>("CSGChart");
  EXPECT_FALSE(chart.Checked());
  EXPECT_FALSE(chart.Enabled());
  EXPECT_FALSE(Get("CSGEstimate").Enabled());
  const auto& threads = Get<ui::SpinField>("_CSGThreads");
  EXPECT_EQ(threads.Value(), 12);
  EXPECT_TRUE(IsActive(threads));
  EXPECT_TRUE(threads.Enabled());
  EXPECT_TRUE(Get<ui::CheckBox>("CSGThreads").Checked());
  const std::vector<std::pair<const char*, const char*>> exeNames = {
      {"CSGpath", "qcsg.exe"}, {"BSPpath", "qbsp2.exe"},   {"VISpath", "vis.exe"},
      {"NETVISpath", "netvis.exe"}, {"RADpath", "qrad.exe"}, {"RIPENTpath", "ripent.exe"}};
  for (const auto& [field, name] : exeNames) EXPECT_EQ(Get<ui::TextField>(field).Text(), name) << field;
  EXPECT_EQ(settings.Value("TOOLER VERSION"), "QTOOLS");
  EXPECT_TRUE(r.dialogs.shown.empty());
}

TEST_F(LoaderTest, ExeNamesFromTheSettings) {
  StartWith("QTOOLS");
  loader.SetExeNamesFrom(false);
  EXPECT_EQ(Get<ui::TextField>("CSGpath").Text(), "mycsg");
  EXPECT_EQ(Get<ui::TextField>("RIPENTpath").Text(), "myripent");
  EXPECT_EQ(Get<ui::TextField>("BSPpath").Text(), "");  // no such key
}

TEST_F(LoaderTest, ReselectingTheInstalledItemDoesNotReadTheFile) {
  StartWith("KMPX 2.5.3-1.7");
  std::filesystem::remove(ToFsPath(FilePath("KMPX 2.5.3-1.7")));
  ToolerType().UserSelect(ToolerType().ItemIndex());  // a missing file would ask
  EXPECT_TRUE(r.dialogs.shown.empty());
}

TEST_F(LoaderTest, OtherKeepsThePreviousChoice) {
  StartWith("KMPX 2.5.3-1.6");
  int editorShown = 0;
  int answer = ui::kModalCancel;
  loader.hooks.showOtherToolerDialog = [&] { return answer; };
  loader.hooks.showBatchTemplateEditor = [&] { ++editorShown; };
  const int other = ToolerType().IndexOfItem(OtherToolerItem());
  ToolerType().UserSelect(other);
  EXPECT_EQ(editorShown, 0);
  EXPECT_EQ(ToolerType().Text(), "KMPX 2.5.3-1.6");
  answer = ui::kModalOk;
  ToolerType().UserSelect(other);
  EXPECT_EQ(editorShown, 1);
  EXPECT_EQ(ToolerType().Text(), "KMPX 2.5.3-1.6");
  EXPECT_EQ(settings.Value("TOOLER VERSION"), "KMPX 2.5.3-1.6");
}

TEST_F(LoaderTest, CancelledSaveQuestionChangesNothing) {
  StartWith("QTOOLS");
  loader.hooks.askSaveChanges = [] { return false; };
  context.ConfigModified = false;
  ToolerType().SetItemIndex(ToolerType().IndexOfItem("KMPX 2.5.3-1.7"));
  EXPECT_FALSE(loader.LoadToolerConfig("KMPX 2.5.3-1.7", true, true));
  EXPECT_FALSE(context.ConfigModified);
  EXPECT_EQ(settings.Value("TOOLER VERSION"), "QTOOLS");
}

TEST_F(LoaderTest, MissingFileIsRecreatedOnYes) {
  std::filesystem::remove(ToFsPath(FilePath("KMPX 2.5.3-1.7")));
  r.dialogs.Expect("Файл конфигурирования тулера \""_cp + FilePath("KMPX 2.5.3-1.7") +
                       "\" не найден. Дальнейшая работа с программой будет невозможна! Создать файл автоматически?"_cp,
                   kAnswerYes);
  StartWith("KMPX 2.5.3-1.7");
  EXPECT_TRUE(FileExists(FilePath("KMPX 2.5.3-1.7")));
  EXPECT_EQ(r.program.aborts, 0);
}

TEST_F(LoaderTest, MissingFileRefusedEndsTheProgram) {
  std::filesystem::remove(ToFsPath(FilePath("QTOOLS")));
  r.dialogs.Expect("не найден"_cp, kAnswerNo);
  ToolerType().SetItemIndex(0);
  EXPECT_FALSE(loader.LoadToolerConfig("QTOOLS", true, false));
  EXPECT_EQ(r.program.aborts, 1);
}

// A description naming a slot the page lacks: two boxes, then the file is
// written anew from the built-in copy and the pages keep what they had.
TEST_F(LoaderTest, MalformedSectionAsksToRecreateTheFile) {
  StartWith("KMPX 2.5.3-1.7");
  const std::string path = FilePath("QTOOLS");
  ASSERT_TRUE(WriteFileAtomically(path, "[INFO]\r\nName=broken\r\n[END_INFO]\r\n[CSG]\r\n@2\r\n1CH 1=Threads\r\n"
                                        "[END_CSG]\r\n[BSP]\r\n@2\r\n0CH 99=nothing\r\n[END_BSP]\r\n"));
  r.dialogs.Expect("Component pointer is null", kAnswerOk);
  r.dialogs.Expect("Ошибка формата файла конфигурирования тулера \""_cp + path +
                       "\". Дальнейшая работа с программой будет невозможна! Создать новый корректный файл?"_cp,
                   kAnswerYes);
  ToolerType().UserSelect(ToolerType().IndexOfItem("QTOOLS"));
  EXPECT_EQ(r.dialogs.shown[0].caption, "Error during install tooler cfg");
  EXPECT_EQ(r.program.aborts, 0);
  EXPECT_EQ(Get<ui::Memo>("ToolerInfo").Lines().Get(0), "Название утилит: KMPX"_cp);  // not shown again
  const auto builtIn = FindEmbeddedResource(kToolerResourceType, ToolerResourceName("QTOOLS.tlr"));
  ASSERT_TRUE(builtIn.has_value());
  EXPECT_EQ(ReadFileBytes(path).value_or(""), std::string(*builtIn));
}

TEST_F(LoaderTest, MalformedSectionRefusedEndsTheProgram) {
  const std::string path = FilePath("QTOOLS");
  ASSERT_TRUE(WriteFileAtomically(path, "[CSG]\r\n0CH 1=estimate\r\n[END_CSG]\r\n"));
  r.dialogs.Expect("Ошибка формата файла конфигурирования тулера"_cp, kAnswerNo);
  ToolerType().SetItemIndex(0);
  EXPECT_FALSE(loader.LoadToolerConfig("QTOOLS", false, false));
  EXPECT_EQ(r.program.aborts, 1);
}

}  // namespace
}  // namespace kmpx
