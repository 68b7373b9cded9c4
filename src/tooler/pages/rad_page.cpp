#include "tooler/option_slots.h"
#include "tooler/pages/option_help.h"
#include "tooler/pages/option_pages.h"
#include "tooler/pages/page_layout.h"

namespace kmpx {

namespace {

using namespace pages;

constexpr std::string_view kTopic = "IDH_PAGE_RAD";
constexpr int kLeftX = 4;
constexpr int kLeftWidth = 200;
constexpr int kRightX = kLeftX + kLeftWidth + kGap;
constexpr int kRightWidth = kPageWidth - kRightX - 4;

// Three colour components, "digit.digit" each; the fourth of softlight is its distance.
constexpr std::string_view kColourMask = "9.9  9.9  9.9;1;_";
constexpr std::string_view kSoftlightMask = "9.9  9.9  9.9  9.9;1;_";

constexpr NumberDesign kDecimal{6, 0, 999999, 0};
constexpr NumberDesign kFromOne{6, 1, 999999, 1};
constexpr int kNumberWidth = 70;
constexpr int kListWidth = 90;
constexpr int kMaskWidth = 130;

ui::GroupBox& AddTwoChecks(ui::Control& page, int number, std::string name, std::string_view captionUtf8, int left,
                           int top, int width, std::string first, std::string_view firstCaption,
                           const OptionHelp& firstHelp, std::string second, std::string_view secondCaption,
                           const OptionHelp& secondHelp) {
  auto& group = AddGroup(page, number, std::move(name), captionUtf8, kTopic, left, top, width);
  SlotRows rows(group, kGroupPadding, kGroupTop, width - 2 * kGroupPadding, 100);
  rows.Check(1, std::move(first), firstCaption, firstHelp);
  rows.Check(2, std::move(second), secondCaption, secondHelp);
  FitGroup(group, rows);
  return group;
}

// A column of a sheet on a panel of its own: the value controls of a check
// box are found among its siblings by name, and "RADscale" must not claim
// "RADdscale" of the other column.
ui::Panel& AddColumn(ui::TabSheet& sheet, std::string name, int left, int width, int height) {
  auto& panel = sheet.Add<ui::Panel>(std::move(name));
  panel.SetBounds(left, 0, width, height);
  panel.SetHelpKeyword(std::string(kTopic));
  return panel;
}

void FillEffectsSheet(ui::TabSheet& sheet, int width, int height) {
  const int column = width / 2;
  auto& left = AddColumn(sheet, "RADeffectsLeft", 0, column, height);
  SlotRows a(left, 6, 4, column - 10, 100);
  a.Check(1, "RADbounce", "Bounce", help::kBounce);
  a.Spin(2, "_RADbounce", kFromOne, kNumberWidth);
  a.Check(3, "RADmaxlight", "Maxlight", help::kMaxlight);
  a.Spin(4, "_RADmaxlight", {6, 0, 999999, 0}, kNumberWidth);
  a.Check(5, "RADdlight", "Dlight", help::kDlight);
  a.Decimal(6, "_RADdlight", kDecimal, kNumberWidth);
  a.Check(7, "RADsmooth", "Smooth", help::kSmooth);
  a.Decimal(8, "_RADsmooth", {3, 0, 180, 0}, kNumberWidth);
  a.Check(9, "RADcoring", "Coring", help::kCoring);
  a.Decimal(10, "_RADcoring", kDecimal, kNumberWidth);
  a.Check(11, "RADnolerp", "Nolerp ", help::kNolerp);
  a.Check(13, "RADdscale", "Dscale", help::kDscale);
  a.Decimal(14, "_RADdscale", kDecimal, kNumberWidth);
  a.Check(15, "RADNoskyfix", "Noskyfix", help::kNoskyfix);
  a.Check(16, "RADnospotpoints", "Nospotpoints", help::kNospotpoints);

  auto& right = AddColumn(sheet, "RADeffectsRight", column, width - column, height);
  SlotRows b(right, 6, 4, width - column - 10, 100);
  b.Check(17, "RADfade", "Fade", help::kFade);
  b.Decimal(18, "_RADfade", kDecimal, kNumberWidth);
  b.Check(19, "RAD_fade", "_Fade", help::kFadeGlobal);
  b.Decimal(20, "_RAD_fade", kDecimal, kNumberWidth);
  b.Check(21, "RADfalloff", "Falloff", help::kFalloff);
  b.List(22, "_RADfalloff", kFalloffItems, ui::ComboStyle::PickOnly, kListWidth);
  b.Check(23, "RAD_falloff", "_Falloff", help::kFalloffGlobal);
  b.List(24, "_RAD_falloff", kFalloffItems, ui::ComboStyle::PickOnly, kListWidth);
  b.Check(25, "RADscale", "Scale", help::kScale);
  b.Decimal(26, "_RADscale", kDecimal, kNumberWidth);
  b.Check(27, "RADgamma", "Gamma", help::kGamma);
  b.Decimal(28, "_RADgamma", kDecimal, kNumberWidth);
  b.Check(29, "RADsky", "Sky", help::kSky);
  b.Decimal(30, "_RADsky", kDecimal, kNumberWidth);
  b.Check(31, "RADnodiffuse", "Nodiffuse", help::kNodiffuse);
}

void FillGammaSheet(ui::TabSheet& sheet, int width) {
  SlotRows rows(sheet, 6, 4, width - 12, 110);
  const std::string colour(kColourMask);
  rows.Check(32, "RADambient", "Ambient", help::kAmbient);
  rows.Edit(33, "_RADambient", 255, colour, kMaskWidth);
  rows.Check(34, "RADcolourgamma", "Colourgamma", help::kColourgamma);
  rows.Edit(35, "_RADcolourgamma", 255, colour, kMaskWidth);
  rows.Check(36, "RADcolourscale", "Colourscale", help::kColourscale);
  rows.Edit(37, "_RADcolourscale", 255, colour, kMaskWidth);
  rows.Check(38, "RADcolourjitter", "Colourjitter", help::kColourjitter);
  rows.Edit(39, "_RADcolourjitter", 255, colour, kMaskWidth);
  rows.Check(40, "RADjitter", "Jitter", help::kJitter);
  rows.Edit(41, "_RADjitter", 255, colour, kMaskWidth);
  rows.Check(42, "RADsoftlight", "Softlight", help::kSoftlight);
  rows.Edit(43, "_RADsoftlight", 255, std::string(kSoftlightMask), kMaskWidth + 40);
}

void FillShadowSheet(ui::TabSheet& sheet, int width) {
  const int column = width / 2;
  SlotRows a(sheet, 6, 4, column - 10, 100);
  a.Check(44, "RADnopaque", "Nopaque", help::kNopaque);
  a.Check(45, "RADlight_origin", "light_origin", help::kLightOrigin);
  a.Check(46, "RADkmpx_lightflags", "kmpx_lightflags", help::kKmpxLightflags);
  a.Check(47, "RADchop", "Chop", help::kChop);
  a.Spin(48, "_RADchop", kFromOne, kNumberWidth);
  a.Check(49, "RADtexchop", "Texchop", help::kTexchop);
  a.Spin(50, "_RADtexchop", kFromOne, kNumberWidth);
  SlotRows b(sheet, column + 6, 4, width - column - 12, 100);
  b.Check(51, "RADnotexscale", "Notexscale", help::kNotexscale);
  b.Check(53, "RADdump", "Dump", help::kDump);
  b.Check(54, "CheckBox1", "Customshadowwithbounce", help::kCustomshadowwithbounce);
  b.Check(55, "CheckBox2", "RGBtransfers", help::kRgbtransfers);
  b.Check(56, "RADmaxchop", "Maxchop", help::kMaxchop);
  b.Spin(57, "_RADmaxchop", kFromOne, kNumberWidth);
}

ui::GroupBox& AddLightParamsGroup(ui::Control& page, int left, int top, int width, int height) {
  auto& group = AddGroup(page, 5, "RADLightParams", "Параметры освещения", kTopic, left, top, width);
  group.SetSize(width, height);
  auto& tabs = group.Add<ui::PageControl>("RADcolourparams");
  tabs.SetBounds(kGroupPadding, kGroupTop, width - 2 * kGroupPadding, height - kGroupTop - kGroupPadding);
  tabs.SetHelpKeyword(std::string(kTopic));
  auto& effects = AddSheet(tabs, "RADeffects", "Эффекты", kTopic);
  FillEffectsSheet(effects, effects.Width(), effects.Height());
  auto& gammas = AddSheet(tabs, "RADgammas", "Гамма", kTopic);
  FillGammaSheet(gammas, gammas.Width());
  auto& shadows = AddSheet(tabs, "RADshadows", "Отбрасывание тени и патчи", kTopic);
  FillShadowSheet(shadows, shadows.Width());
  return group;
}

ui::GroupBox& AddFilesGroup(ui::Control& page, int left, int top, int width) {
  auto& group = AddGroup(page, 6, "RADfiles", "Файлы", kTopic, left, top, width);
  SlotRows rows(group, kGroupPadding, kGroupTop, width - 2 * kGroupPadding, 100);
  rows.Check(1, "RADlights", "Lights", help::kLights);
  rows.Edit(2, "_RADlights", 255, {}, width - 2 * kGroupPadding - 100 - 4 - 21 - 4);
  rows.Browse(kBrowseSlot, "_RADlightsBRS", "Найти файл описания светящихся текстур");
  rows.Check(3, "RADincremental", "Incremental", help::kIncremental);
  FitGroup(group, rows);
  return group;
}

}  // namespace

ui::TabSheet& BuildRadPage(ui::PageControl& pages) {
  auto& page = AddStagePage(pages, "RAD", kTopic);
  auto& info = AddInfoCompileGroup(page, "RAD", {"estimate", "nolog", "chart", "verbose", "noinfo", "Dev"}, kTopic,
                                   kLeftX, 4, kLeftWidth);
  auto& process = AddCompileProcessGroup(page, "RAD", {"threads", "texdata", "Priority"}, kTopic, kLeftX,
                                         BottomOf(info) + kGap, kLeftWidth);
  auto& matrix = AddTwoChecks(page, 3, "RADusematrix", "Использование матрицы", kLeftX, BottomOf(process) + kGap,
                              kLeftWidth, "RADsparse", "Sparse", help::kSparse, "RADnomatrix", "Nomatrix",
                              help::kNomatrix);
  AddTwoChecks(page, 4, "RADmodes", "Режимы", kLeftX, BottomOf(matrix) + kGap, kLeftWidth, "RADextra", "Extra",
               help::kExtra, "RADcircus", "Circus", help::kCircus);

  // Right column: the light parameters fill what the three small groups leave.
  constexpr int kSmallGroupHeight = kGroupTop + 2 * kRowHeight + kGroupPadding;
  const int lightHeight = kPageHeight - 4 - 2 * (kSmallGroupHeight + kGap) - 4;
  auto& light = AddLightParamsGroup(page, kRightX, 4, kRightWidth, lightHeight);
  auto& files = AddFilesGroup(page, kRightX, BottomOf(light) + kGap, kRightWidth);
  constexpr int kDopWidth = 130;
  const int bottomRow = BottomOf(files) + kGap;
  AddAdditionalOptionsGroup(page, "RAD", kTopic, kRightX, bottomRow, kRightWidth - kDopWidth - kGap);
  AddTwoChecks(page, 8, "RADdop", "Дополнительно", kRightX + kRightWidth - kDopWidth, bottomRow, kDopWidth, "RADinc",
               "Inc", help::kInc, "RADterse", "Terse", help::kTerse);
  return page;
}

}  // namespace kmpx
