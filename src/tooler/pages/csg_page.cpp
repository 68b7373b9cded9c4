#include "tooler/option_slots.h"
#include "tooler/pages/option_help.h"
#include "tooler/pages/option_pages.h"
#include "tooler/pages/page_layout.h"

namespace kmpx {

namespace {

using namespace pages;

constexpr std::string_view kPageTopic = "IDH_CSG_OPTIONGROUPS";
constexpr std::string_view kWadEditorTopic = "IDH_WADCFG_EDITOR";

// A helper of the WAD lists: no description names it; its number tells the
// page reactions how it follows its check box.
template <class T>
T& AddWadHelper(ui::Control& parent, int slot, std::string name, std::string_view captionUtf8,
                std::string_view hintUtf8, const OptionHelp& help, int left, int top, int width, int height) {
  T& control = parent.Add<T>(std::move(name));
  control.SetTag(slot);
  control.SetCaption(Text(captionUtf8));
  control.SetHelpKeyword(std::string(help.keyword));
  control.SetHint(Text(hintUtf8.empty() ? help.hint : hintUtf8));
  control.SetEnabled(false);
  control.SetBounds(left, top, width, height);
  return control;
}

ui::GroupBox& AddLimitedSpacesGroup(ui::Control& page, int left, int top, int width) {
  auto& group = AddGroup(page, 3, "CSGlimitedspaces", "Ограничительные области/объекты/дополнительно", kPageTopic,
                         left, top, width);
  // The slots sit on a panel inside a scroller, so the group keeps its size
  // when the window is small.
  const int inner = width - 2 * kGroupPadding;
  const int panelHeight = 4 * kRowHeight + 6;
  auto& scroller = group.Add<ui::PageScroller>("CSGlimitedspacesScroller");
  scroller.SetBounds(kGroupPadding, kGroupTop, inner, panelHeight);
  scroller.SetHelpKeyword(std::string(kPageTopic));
  auto& panel = scroller.Add<ui::Panel>("CSGlimitedspacesPanel");
  panel.SetBounds(0, 0, inner, panelHeight);
  panel.SetHelpKeyword(std::string(kPageTopic));

  const int column = (inner - 8) / 2;
  SlotRows left_column(panel, 4, 2, column + 60, 100);
  left_column.Check(1, "CSGNoclip", "Noclip", help::kNoclipCsg);
  left_column.Check(2, "CSGOnlyents", "Onlyents", help::kOnlyents);
  left_column.Check(3, "CSGNoclipeconomy", "Noclipeconomy", help::kNoclipeconomy);
  left_column.Check(4, "CSGHullfile", "Hullfile", help::kHullfile);
  left_column.Edit(5, "_CSGHullfile", 255, {}, column + 60 - 100 - 4 - 21 - 4);
  left_column.Browse(kBrowseSlot, "_CSGHullfileBRS", "Найти файл оболочек");

  SlotRows right_column(panel, column + 76, 2, column - 72, 100);
  right_column.Check(6, "CSGNoskyclip", "Noskyclip", help::kNoskyclip);
  right_column.Check(7, "CSGdraw", "Draw", help::kDraw);
  right_column.Check(8, "CSGglview", "Glview", help::kGlview);
  right_column.Check(9, "CSGv", "v", help::kV);

  group.SetSize(width, kGroupTop + panelHeight + kGroupPadding);
  return group;
}

void FillWadIncludeSheet(ui::TabSheet& sheet, int width) {
  SlotRows rows(sheet, 6, 6, width - 12, 100);
  rows.Check(1, "CSGwadautodetect", "Определять файлы текстур автоматически (-wadautodetect)", help::kWadautodetect);
  rows.Check(4, "CSGWadinclude", "Включить в выходной BSP файлы текстур (WAD) из списка", help::kWadinclude);

  const int listTop = rows.RowTop() + kRowHeight + 2;
  const int listHeight = 150;
  const int buttonLeft = width - 6 - 24;
  AddWadHelper<ui::ListBox>(sheet, kBrowseSlot, "_CSGWadincludeList", "", "", help::kWadinclude, 6, listTop,
                            buttonLeft - 10, listHeight);
  AddWadHelper<ui::SpeedButton>(sheet, kBrowseSlot, "_CSGWadincludeADD", "+",
                                "Добавить wad-файл в список используемых картой", help::kWadinclude, buttonLeft,
                                listTop, 24, 24);
  AddWadHelper<ui::SpeedButton>(sheet, kBrowseSlot, "_CSGWadincludeDEL", "-",
                                "Удалить wad-файл из списка используемых картой", help::kWadinclude, buttonLeft,
                                listTop + 28, 24, 24);

  rows.Space(listHeight + 4);
  rows.Check(5, "CSGnowadtextures", "Включить все используемые текстуры в BSP", help::kNowadtextures);
}

void FillWadConfigSheet(ui::TabSheet& sheet, int width) {
  SlotRows rows(sheet, 6, 6, width - 12, 90);
  rows.Check(2, "CSGwadcfgfile", "wadcfgfile", help::kWadcfgfile);
  rows.Edit(3, "_CSGwadcfgfile", 255, {}, width - 12 - 90 - 4 - 21 - 4);
  rows.Browse(kBrowseSlot, "CSGwadcfgfileBRS", "Найти wad.cfg");

  rows.Check(6, "CSGwadconfig", "Wadconfig", help::kWadconfig);
  const int groupButtons = 3 * 24 + 2 * 4;
  rows.List(7, "CSGwadconfigpreset", {}, ui::ComboStyle::OwnerDrawn, width - 12 - 90 - 8 - groupButtons);
  const int row = rows.RowTop();
  int x = width - 6 - groupButtons;
  AddWadHelper<ui::SpeedButton>(sheet, kBrowseSlot, "CSGwadconfigADD", "+", "Создать группу", help::kWadconfig, x,
                                row, 24, 21);
  x += 28;
  AddWadHelper<ui::SpeedButton>(sheet, kWadListSlot, "CSGwadconfigDEL", "-", "Удалить группу", help::kWadconfig, x,
                                row, 24, 21);
  x += 28;
  AddWadHelper<ui::SpeedButton>(sheet, kWadListSlot, "CSGwadconfigEDIT", "Aa", "Переименовать группу",
                                help::kWadconfig, x, row, 24, 21);

  const int listTop = row + kRowHeight + 4;
  const int listHeight = 150;
  const int buttonLeft = width - 6 - 24;
  AddWadHelper<ui::ListBox>(sheet, kWadListSlot, "CSGwadconfigWADS", "", "", help::kWadconfig, 6, listTop,
                            buttonLeft - 10, listHeight);
  AddWadHelper<ui::SpeedButton>(sheet, kWadListSlot, "CSGwadconfigADDWAD", "+",
                                "Добавить wad-файл в список используемых картой", help::kWadconfig, buttonLeft,
                                listTop, 24, 24);
  AddWadHelper<ui::SpeedButton>(sheet, kWadListSlot, "CSGwadconfigINWAD", "+i",
                                "Добавить wad-файл в список используемых картой (прикомпилируется)", help::kWadconfig,
                                buttonLeft, listTop + 28, 24, 24);
  AddWadHelper<ui::SpeedButton>(sheet, kWadListSlot, "CSGwadconfigDELWAD", "-",
                                "Удалить wad-файл из списка используемых картой", help::kWadconfig, buttonLeft,
                                listTop + 56, 24, 24);
  AddWadHelper<ui::SpeedButton>(sheet, kBrowseSlot, "CSGwadconfigOPENWADCFG", "R", "Перечитать wad.cfg",
                                help::kWadconfig, buttonLeft, listTop + listHeight - 52, 24, 24);
  AddWadHelper<ui::SpeedButton>(sheet, kBrowseSlot, "CSGwadconfigSAVEWADCFG", "S", "Сохранить wad.cfg",
                                help::kWadconfig, buttonLeft, listTop + listHeight - 24, 24, 24);
}

ui::GroupBox& AddWadsGroup(ui::Control& page, int left, int top, int width, int height) {
  auto& group = AddGroup(page, 4, "CSGaddwads", "Подключение файлов текстур (WAD)", kPageTopic, left, top, width);
  group.SetSize(width, height);
  auto& tabs = group.Add<ui::PageControl>("WADcontrol");
  tabs.SetBounds(kGroupPadding, kGroupTop, width - 2 * kGroupPadding, height - kGroupTop - kGroupPadding);
  tabs.SetHelpKeyword(std::string(kPageTopic));
  auto& includeSheet = AddSheet(tabs, "WadincludeSheet", "Wadinclude / Nowadtextures", kPageTopic);
  FillWadIncludeSheet(includeSheet, includeSheet.Width());
  auto& configSheet = AddSheet(tabs, "WadcfgSheet", "Редактор wad.cfg", kWadEditorTopic);
  FillWadConfigSheet(configSheet, configSheet.Width());
  return group;
}

ui::GroupBox& AddBrushesGroup(ui::Control& page, int left, int top, int width) {
  auto& group = AddGroup(page, 5, "CSGbrushes", "Браши", kPageTopic, left, top, width);
  SlotRows rows(group, kGroupPadding, kGroupTop, width - 2 * kGroupPadding, 90);
  rows.Check(1, "CSGTiny", "Tiny", help::kTiny);
  rows.Decimal(2, "_CSGTiny", {4, 16, 1024, 64});
  rows.Check(3, "CSGBrushunion", "Brushunion", help::kBrushunion);
  rows.Spin(4, "_CSGBrushunion", {6, 0, 999999, 0});
  rows.Check(5, "CSGnonulltex", "Nonulltex", help::kNonulltexCsg);
  FitGroup(group, rows);
  return group;
}

}  // namespace

ui::TabSheet& BuildCsgPage(ui::PageControl& pages) {
  auto& page = AddStagePage(pages, "CSG", kPageTopic);
  // Two columns: the small groups on the left, the entity and texture groups
  // on the right. Groups are added in number order.
  constexpr int kLeftX = 4;
  constexpr int kLeftWidth = 200;
  constexpr int kRightX = kLeftX + kLeftWidth + kGap;
  constexpr int kRightWidth = kPageWidth - kRightX - 4;

  auto& info = AddInfoCompileGroup(page, "CSG", {"Estimate", "Nolog", "Chart", "Verbose", "Noinfo", "Dev"},
                                   kPageTopic, kLeftX, 4, kLeftWidth);
  auto& process = AddCompileProcessGroup(page, "CSG", {"Threads", "Texdata", "Priority"}, kPageTopic, kLeftX,
                                         BottomOf(info) + kGap, kLeftWidth);
  auto& spaces = AddLimitedSpacesGroup(page, kRightX, 4, kRightWidth);
  const int wadsTop = BottomOf(spaces) + kGap;
  AddWadsGroup(page, kRightX, wadsTop, kRightWidth, kPageHeight - 4 - wadsTop);
  auto& brushes = AddBrushesGroup(page, kLeftX, BottomOf(process) + kGap, kLeftWidth);
  AddAdditionalOptionsGroup(page, "CSG", kPageTopic, kLeftX, BottomOf(brushes) + kGap, kLeftWidth);
  return page;
}

}  // namespace kmpx
