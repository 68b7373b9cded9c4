#include "tooler/pages/option_pages.h"

#include <algorithm>
#include <stdexcept>

#include "tooler/pages/option_help.h"
#include "tooler/pages/page_layout.h"

namespace kmpx {

ui::TabSheet& BuildOptionPage(ui::PageControl& pages, CompilerId compiler) {
  switch (compiler) {
    case CompilerId::CSG: return BuildCsgPage(pages);
    case CompilerId::BSP: return BuildBspPage(pages);
    case CompilerId::VIS: return BuildVisPage(pages);
    case CompilerId::NETVIS: return BuildNetvisPage(pages);
    case CompilerId::RAD: return BuildRadPage(pages);
    default: throw std::out_of_range("no option page for this compiler");
  }
}

void BuildCommonOptions(ui::Control& generalPage) {
  using namespace pages;
  constexpr std::string_view kTopic = "IDH_PAGE_GENERAL";
  constexpr int kWidth = 220;
  int top = 4;
  for (const auto& child : generalPage.Children()) top = std::max(top, BottomOf(*child) + kGap);

  auto& info = generalPage.Add<ui::GroupBox>("InfoCompile", Text("Информирование компиляции"));
  info.SetHelpKeyword(std::string(kTopic));
  info.SetBounds(4, top, kWidth, 0);
  SlotRows infoRows(info, kGroupPadding, kGroupTop, kWidth - 2 * kGroupPadding, 60);
  infoRows.Check(kCommonOptionBoxTag, "Estimate", "Estimate", help::kEstimate);
  infoRows.Check(kCommonOptionBoxTag, "Nolog", "Nolog", help::kNolog);
  infoRows.Check(kCommonOptionBoxTag, "Chart", "Chart", help::kChart);
  infoRows.Check(kCommonOptionBoxTag, "Verbose", "Verbose", help::kVerbose);
  infoRows.Check(kCommonOptionBoxTag, "Noinfo", "Noinfo", help::kNoinfo);
  infoRows.Check(kCommonOptionBoxTag, "Dev", "Dev", help::kDev);
  infoRows.List(kCommonOptionValueTag, "_dev", kDevItems);
  FitGroup(info, infoRows);

  auto& other = generalPage.Add<ui::GroupBox>("OtherOptions", Text("Процесс компиляции"));
  other.SetHelpKeyword(std::string(kTopic));
  other.SetBounds(4 + kWidth + kGap, top, kWidth, 0);
  SlotRows otherRows(other, kGroupPadding, kGroupTop, kWidth - 2 * kGroupPadding, 80);
  otherRows.Check(kCommonOptionBoxTag, "Threads", "Threads", help::kThreads);
  otherRows.Spin(kCommonOptionValueTag, "_Threads", {6, 1, 999999, 1}, 80);
  otherRows.Check(kCommonOptionBoxTag, "Texdata", "Texdata", help::kTexdata);
  otherRows.Spin(kCommonOptionValueTag, "_Texdata", {7, 2048, 9999999, 2048}, 80);
  otherRows.Place<ui::Label>(24, 13, "LabelKb", Text("Кб"));
  otherRows.Check(kCommonOptionBoxTag, "Priority", "Приоритет", help::kPriority);
  otherRows.List(kCommonOptionValueTag, "_Priority", kPriorityItems);
  FitGroup(other, otherRows);
}

}  // namespace kmpx
