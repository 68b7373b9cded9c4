#include "tooler/pages/option_help.h"
#include "tooler/pages/option_pages.h"
#include "tooler/pages/page_layout.h"

namespace kmpx {

namespace {

using namespace pages;

constexpr int kLeftX = 4;
constexpr int kLeftWidth = 200;
constexpr int kRightX = kLeftX + kLeftWidth + kGap;
constexpr int kRightWidth = kPageWidth - kRightX - 4;

constexpr InfoCompileNames kInfoNames{"Estimate", "Nolog", "Chart", "Verbose", "Noinfo", "Dev"};
constexpr CompileProcessNames kProcessNames{"Threads", "Texdata", "Priority"};

// The groups every page starts with, in the left column.
ui::GroupBox& AddCommonGroups(ui::Control& page, std::string_view stage, std::string_view topic) {
  auto& info = AddInfoCompileGroup(page, stage, kInfoNames, topic, kLeftX, 4, kLeftWidth);
  return AddCompileProcessGroup(page, stage, kProcessNames, topic, kLeftX, BottomOf(info) + kGap, kLeftWidth);
}

// A group of the right column; rows laid out by fill.
template <class Fill>
ui::GroupBox& AddRightGroup(ui::Control& page, int number, std::string name, std::string_view captionUtf8,
                            std::string_view topic, int top, Fill fill) {
  auto& group = AddGroup(page, number, std::move(name), captionUtf8, topic, kRightX, top, kRightWidth);
  SlotRows rows(group, kGroupPadding, kGroupTop, kRightWidth - 2 * kGroupPadding, 120);
  fill(rows);
  FitGroup(group, rows);
  return group;
}

}  // namespace

ui::TabSheet& BuildBspPage(ui::PageControl& pages) {
  constexpr std::string_view kTopic = "IDH_PAGE_BSP";
  auto& page = AddStagePage(pages, "BSP", kTopic);
  auto& process = AddCommonGroups(page, "BSP", kTopic);
  auto& partitions = AddRightGroup(page, 3, "BSPpartitions", "Разбиения POLY/PORTALS", kTopic, 4, [](SlotRows& rows) {
    rows.Check(1, "BSPnojunc", "Notjunc", help::kNotjunc);
    rows.Check(2, "BSPsubdivide", "Subdivide", help::kSubdivide);
    rows.Spin(3, "_BSPsubdivide", {3, 64, 512, 64}, 80);
    rows.Check(4, "BSPmaxnodesize", "Maxnodesize", help::kMaxnodesize);
    rows.Spin(5, "_BSPmaxnodesize", {4, 64, 4096, 64}, 80);
  });
  auto& areas = AddRightGroup(page, 4, "BSPrestrictareas", "Ограничительные области", kTopic,
                              BottomOf(partitions) + kGap, [](SlotRows& rows) {
                                rows.Check(1, "BSPnoclip", "Noclip", help::kNoclipBsp);
                                rows.Check(2, "BSPnofill", "Nofill", help::kNofill);
                              });
  auto& modes = AddRightGroup(page, 5, "BSPmodes", "Режимы", kTopic, BottomOf(areas) + kGap, [](SlotRows& rows) {
    rows.Check(1, "BSPleakonly", "Leakonly", help::kLeakonly);
    rows.Check(2, "BSPnonulltex", "Nonulltex", help::kNonulltexBsp);
  });
  AddRightGroup(page, 6, "BSPdop", "Дополнительно", kTopic, BottomOf(modes) + kGap, [](SlotRows& rows) {
    rows.Check(1, "BSPdraw", "Draw", help::kDraw);
    rows.Check(2, "BSPnofix", "Nogfix", help::kNogfix);
    rows.Check(3, "BSPv", "V", help::kV);
    rows.Check(4, "BSPwatervis", "Watervis", help::kWatervis);
  });
  AddAdditionalOptionsGroup(page, "BSP", kTopic, kLeftX, BottomOf(process) + kGap, kLeftWidth);
  return page;
}

ui::TabSheet& BuildVisPage(ui::PageControl& pages) {
  constexpr std::string_view kTopic = "IDH_PAGE_VIS";
  auto& page = AddStagePage(pages, "VIS", kTopic);
  auto& process = AddCommonGroups(page, "VIS", kTopic);
  auto& radius = AddRightGroup(page, 3, "VISvisradius", "Радиус обзора", kTopic, 4, [](SlotRows& rows) {
    rows.Check(1, "VISmaxdistance", "Maxdistance", help::kMaxdistance);
    rows.Spin(2, "_VISmaxdistance", {6, 0, 999999, 0}, 80);
  });
  auto& modes = AddRightGroup(page, 4, "VISmodes", "Режимы", kTopic, BottomOf(radius) + kGap, [](SlotRows& rows) {
    rows.Label("LabelVISmode", "Режим расчёта", help::kVisMode);
    rows.List(1, "VISmode", kVisModeItems, ui::ComboStyle::PickOnly, 140);
  });
  AddRightGroup(page, 5, "VISdop", "Дополнительно", kTopic, BottomOf(modes) + kGap, [](SlotRows& rows) {
    rows.Check(1, "VISLevel", "Level", help::kLevel);
    rows.Spin(2, "_VISLevel", {1, 0, 4, 0}, 80);
    rows.Check(3, "VISlv", "V", help::kV);
  });
  AddAdditionalOptionsGroup(page, "VIS", kTopic, kLeftX, BottomOf(process) + kGap, kLeftWidth);
  return page;
}

ui::TabSheet& BuildNetvisPage(ui::PageControl& pages) {
  constexpr std::string_view kTopic = "IDH_PAGE_NETVIS";
  auto& page = AddStagePage(pages, "NETVIS", kTopic);
  auto& process = AddCommonGroups(page, "NETVIS", kTopic);
  auto& connection = AddRightGroup(page, 3, "NETVISconnection", "Сетевое соединение", kTopic, 4, [](SlotRows& rows) {
    rows.Check(1, "NETVISserver", "Server", help::kServer);
    rows.Check(2, "NETVISclient", "Connect", help::kConnect);
    rows.Edit(3, "_NETVISclient", 255);
    rows.Check(4, "NETVISPort", "Port", help::kPort);
    rows.Spin(5, "_NETVISPort", {9, 0, 999999, 21212}, 80);
    rows.Check(6, "NETVISRate", "Rate", help::kRate);
    rows.Spin(7, "_NETVISRate", {4, 60, 9999, 60}, 80);
  });
  AddRightGroup(page, 4, "NETVISmodes", "Режимы", kTopic, BottomOf(connection) + kGap, [](SlotRows& rows) {
    rows.Label("LabelNETVISmode", "Режим расчёта", help::kVisMode);
    rows.List(1, "NETVISmode", kVisModeItems, ui::ComboStyle::PickOnly, 140);
  });
  AddAdditionalOptionsGroup(page, "NETVIS", kTopic, kLeftX, BottomOf(process) + kGap, kLeftWidth);
  return page;
}

}  // namespace kmpx
