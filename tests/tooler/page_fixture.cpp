#include "page_fixture.h"

#include "text/cp1251.h"

namespace kmpx::test {
namespace {

template <class T, class... Args>
T& Slot(ui::Control& parent, int number, std::string name, Args&&... args) {
  T& control = parent.Add<T>(std::move(name), std::forward<Args>(args)...);
  control.SetTag(SlotTag(number));
  if constexpr (!std::is_same_v<T, ui::CheckBox>) control.SetEnabled(false);
  return control;
}

ui::ComboBox& List(ui::Control& parent, int number, std::string name, int items) {
  auto& list = Slot<ui::ComboBox>(parent, number, std::move(name));
  for (int i = 0; i < items; ++i) list.AddItem("item " + std::to_string(i));
  list.SetItemIndex(0);
  return list;
}

ui::Control& Group(ui::Control& page, int number, std::string name) {
  auto& group = page.Add<ui::GroupBox>(std::move(name));
  group.SetTag(SlotTag(number));
  return group;
}

void BuildCsg(ui::Control& page) {
  auto& info = Group(page, 1, "CSGinfocompile");
  Slot<ui::CheckBox>(info, 1, "CSGEstimate");
  Slot<ui::CheckBox>(info, 3, "CSGChart");
  Slot<ui::CheckBox>(info, 6, "CSGDev");
  List(info, 7, "_CSGDev", 7);
  auto& process = Group(page, 2, "CSGcompileprocess");
  Slot<ui::CheckBox>(process, 1, "CSGThreads");
  Slot<ui::SpinField>(process, 2, "_CSGThreads");
  List(process, 5, "CSGPriority", 3);
  process.Add<ui::Label>("CSGThreadsLabel", "Label");
  // Group 3 sits in a scroller and a panel on the real page.
  auto& spaces = Group(page, 3, "CSGlimitedspaces");
  auto& panel = spaces.Add<ui::PageScroller>("CSGScroller").Add<ui::Panel>("CSGPanel");
  Slot<ui::CheckBox>(panel, 4, "CSGHullfile");
  Slot<ui::MaskEdit>(panel, 5, "_CSGHullfile");
  Slot<ui::SpeedButton>(panel, kBrowseSlot, "_CSGHullfilebr");
  auto& wads = Group(page, 4, "CSGaddwads");
  Slot<ui::CheckBox>(wads, 4, "CSGWadinclude");
  Slot<ui::ListBox>(wads, kWadListSlot, "_CSGWadincludeList");
  auto& brushes = Group(page, 5, "CSGbrushes");
  Slot<ui::CheckBox>(brushes, 1, "CSGTiny");
  Slot<ui::DecimalField>(brushes, 2, "_CSGTiny");
}

void BuildBsp(ui::Control& page) {
  auto& process = Group(page, 2, "BSPcompileprocess");
  Slot<ui::CheckBox>(process, 1, "BSPThreads");
  Slot<ui::SpinField>(process, 2, "_BSPThreads");
  List(process, 5, "BSPPriority", 3);
}

void BuildVis(ui::Control& page) {
  auto& process = Group(page, 2, "VIScompileprocess");
  Slot<ui::CheckBox>(process, 1, "VISThreads");
  Slot<ui::SpinField>(process, 2, "_VISThreads");
}

void BuildNetvis(ui::Control& page) {
  auto& connection = Group(page, 3, "NETVISconnection");
  Slot<ui::CheckBox>(connection, 1, "NETVISserver");
  Slot<ui::CheckBox>(connection, 2, "NETVISclient");
  Slot<ui::MaskEdit>(connection, 3, "_NETVISclient");
  auto& info = Group(page, 1, "NETVISinfocompile");
  Slot<ui::CheckBox>(info, 3, "NETVISChart");
}

void BuildRad(ui::Control& page) {
  auto& process = Group(page, 2, "RADcompileprocess");
  Slot<ui::CheckBox>(process, 1, "RADthreads");
  Slot<ui::SpinField>(process, 2, "_RADthreads");
  // Group 5 holds a page control with sheets, as on the real page.
  auto& light = Group(page, 5, "RADLightParams");
  auto& effects = light.Add<ui::PageControl>("RADcolourparams").Add<ui::TabSheet>("RADeffects");
  Slot<ui::CheckBox>(effects, 7, "RADsmooth");
  Slot<ui::DecimalField>(effects, 8, "_RADsmooth");
  Slot<ui::CheckBox>(effects, 17, "RADfade");
  Slot<ui::DecimalField>(effects, 18, "_RADfade");
  Slot<ui::CheckBox>(effects, 19, "RAD_fade");
  Slot<ui::DecimalField>(effects, 20, "_RAD_fade");
}

}  // namespace

PageFixture::PageFixture() {
  auto& strip = form.Add<ui::Panel>("PageButtonsControl");
  auto& pages = form.Add<ui::PageControl>("Page");
  ui::Control& general = pages.Add<ui::TabSheet>("General");
  const char* switches[] = {"csguse", "bspuse", "visuse", "netvisuse", "raduse"};
  void (*builders[])(ui::Control&) = {BuildCsg, BuildBsp, BuildVis, BuildNetvis, BuildRad};
  for (std::size_t i = 0; i < kStageCompilers.size(); ++i) {
    auto& stage = strip.Add<ui::CheckBox>(switches[i]);
    stage.SetChecked(true);
    context.stageSwitches[i] = &stage;
    ui::Control& page = pages.Add<ui::TabSheet>(CompilerName(kStageCompilers[i]));
    builders[i](page);
    context.pages[i] = &page;
  }
  auto& common = general.Add<ui::GroupBox>("OtherOptions");
  common.Add<ui::CheckBox>("Estimate").SetTag(-1);
  common.Add<ui::CheckBox>("Threads").SetTag(-1);
  auto& threads = common.Add<ui::SpinField>("_Threads");
  threads.SetTag(-2);
  threads.SetLimits(1, 999999);
  threads.SetEnabled(false);
  common.Add<ui::CheckBox>("Priority").SetTag(-1);
  auto& priority = List(common, 254, "_Priority", 3);
  priority.SetTag(-2);
  context.general = &general;
}

void PageFixture::SetSection(CompilerId compiler, const std::string& text) {
  context.Section(compiler) = LineList::FromText(text);
}

}  // namespace kmpx::test
