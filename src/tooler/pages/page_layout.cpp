#include "tooler/pages/page_layout.h"

#include <algorithm>

#include "text/cp1251.h"
#include "tooler/pages/option_help.h"

namespace kmpx::pages {

namespace {

constexpr int kBrowseWidth = 21;
constexpr int kCheckHeight = 17;
constexpr int kLabelHeight = 13;

}  // namespace

std::string Text(std::string_view utf8) { return Utf8ToCp1251(utf8); }

void SetHelp(ui::Control& control, const OptionHelp& help) {
  control.SetHelpKeyword(std::string(help.keyword));
  control.SetHint(Text(help.hint));
}

std::string EmptyMaskText(std::string_view mask) {
  // Only the mask part before the first ";" counts; "9" is an optional digit.
  std::string text(mask.substr(0, mask.find(';')));
  std::replace(text.begin(), text.end(), '9', ' ');
  return text;
}

SlotRows::SlotRows(ui::Control& container, int left, int top, int width, int valueColumn)
    : container_(container), left_(left), width_(width), value_column_(valueColumn), top_(top) {}

void SlotRows::StartRow(int height) {
  row_top_ = top_;
  top_ += height;
  next_x_ = left_;
  row_head_ = nullptr;
}

void SlotRows::PlaceInRow(ui::Control& control, int width, int height) {
  const int right = left_ + width_;
  if (width <= 0) width = right - next_x_;
  control.SetBounds(next_x_, row_top_ + (kControlHeight - height) / 2, width, height);
  next_x_ += width + 4;
}

void SlotRows::PlaceValue(ui::Control& control, int slot, int width) {
  control.SetTag(slot);
  SetHelp(control, help_);
  if (row_head_ != nullptr) {
    // The head gives up the rest of the row to its values.
    const int headWidth = value_column_ - 4;
    row_head_->SetBounds(row_head_->Left(), row_head_->Top(), headWidth, row_head_->Height());
    next_x_ = left_ + value_column_;
    row_head_ = nullptr;
  }
  PlaceInRow(control, width, kControlHeight);
}

ui::CheckBox& SlotRows::Check(int slot, std::string name, std::string_view captionUtf8, const OptionHelp& help) {
  StartRow(kRowHeight);
  help_ = help;
  auto& box = container_.Add<ui::CheckBox>(std::move(name), Text(captionUtf8));
  box.SetTag(slot);
  SetHelp(box, help);
  PlaceInRow(box, 0, kCheckHeight);
  row_head_ = &box;
  return box;
}

ui::Label& SlotRows::Label(std::string name, std::string_view captionUtf8, const OptionHelp& help) {
  StartRow(kRowHeight);
  help_ = help;
  auto& label = container_.Add<ui::Label>(std::move(name), Text(captionUtf8));
  SetHelp(label, help);
  PlaceInRow(label, 0, kLabelHeight);
  row_head_ = &label;
  return label;
}

void SlotRows::NewRow(const OptionHelp& help) {
  StartRow(kRowHeight);
  help_ = help;
}

ui::SpinField& SlotRows::Spin(int slot, std::string name, const NumberDesign& design, int width) {
  auto& field = container_.Add<ui::SpinField>(std::move(name));
  field.SetMaxLength(design.maxLength);
  field.SetLimits(static_cast<std::int32_t>(design.min), static_cast<std::int32_t>(design.max));
  field.SetValue(static_cast<std::int32_t>(design.value));
  field.SetEnabled(false);
  PlaceValue(field, slot, width);
  return field;
}

ui::DecimalField& SlotRows::Decimal(int slot, std::string name, const NumberDesign& design, int width) {
  auto& field = container_.Add<ui::DecimalField>(std::move(name));
  field.SetMaxLength(design.maxLength);
  field.SetLimits(design.min, design.max);
  field.SetValue(design.value);
  field.SetEnabled(false);
  PlaceValue(field, slot, width);
  return field;
}

ui::MaskEdit& SlotRows::Edit(int slot, std::string name, int maxLength, std::string mask, int width) {
  auto& field = container_.Add<ui::MaskEdit>(std::move(name), mask);
  field.SetMaxLength(maxLength);
  if (!mask.empty()) field.SetText(EmptyMaskText(mask));
  field.SetEnabled(false);
  PlaceValue(field, slot, width);
  return field;
}

ui::ComboBox& SlotRows::List(int slot, std::string name, std::span<const std::string_view> itemsUtf8,
                             ui::ComboStyle style, int width) {
  auto& list = container_.Add<ui::ComboBox>(std::move(name), style);
  for (std::string_view item : itemsUtf8) list.AddItem(Text(item));
  if (style == ui::ComboStyle::PickOnly && list.ItemCount() > 0) list.SetItemIndex(0);
  // A list that is the value of a check box waits for its tick; a list on
  // its own row is the option itself.
  if (row_head_ != nullptr && dynamic_cast<ui::CheckBox*>(row_head_) != nullptr) list.SetEnabled(false);
  PlaceValue(list, slot, width);
  return list;
}

ui::SpeedButton& SlotRows::Browse(int slot, std::string name, std::string_view hintUtf8) {
  auto& button = container_.Add<ui::SpeedButton>(std::move(name), "...");
  button.SetTag(slot);
  button.SetHelpKeyword(std::string(help_.keyword));
  button.SetHint(Text(hintUtf8));
  button.SetEnabled(false);
  const int right = left_ + width_;
  button.SetBounds(right - kBrowseWidth, row_top_, kBrowseWidth, kControlHeight);
  next_x_ = right;
  return button;
}

ui::GroupBox& AddGroup(ui::Control& page, int number, std::string name, std::string_view captionUtf8,
                       std::string_view keyword, int left, int top, int width) {
  auto& group = page.Add<ui::GroupBox>(std::move(name), Text(captionUtf8));
  group.SetTag(number);
  group.SetHelpKeyword(std::string(keyword));
  group.SetBounds(left, top, width, kGroupTop + kGroupPadding);
  return group;
}

void FitGroup(ui::GroupBox& group, const SlotRows& rows) {
  group.SetSize(group.Width(), rows.Bottom());
}

int BottomOf(const ui::Control& control) { return control.Top() + control.Height(); }

namespace {

SlotRows GroupRows(ui::GroupBox& group, int valueColumn) {
  return SlotRows(group, kGroupPadding, kGroupTop, group.Width() - 2 * kGroupPadding, valueColumn);
}

std::string Join(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string joined(a);
  joined += b;
  joined += c;
  return joined;
}

}  // namespace

ui::GroupBox& AddInfoCompileGroup(ui::Control& page, std::string_view stage, const InfoCompileNames& names,
                                  std::string_view keyword, int left, int top, int width) {
  auto& group = AddGroup(page, 1, Join(stage, "infocompile"), "Информирование компиляции", keyword, left, top, width);
  SlotRows rows = GroupRows(group, 60);
  rows.Check(1, Join(stage, names.estimate), "Estimate", help::kEstimate);
  rows.Check(2, Join(stage, names.nolog), "Nolog", help::kNolog);
  rows.Check(3, Join(stage, names.chart), "Chart", help::kChart);
  rows.Check(4, Join(stage, names.verbose), "Verbose", help::kVerbose);
  rows.Check(5, Join(stage, names.noinfo), "Noinfo", help::kNoinfo);
  rows.Check(6, Join(stage, names.dev), "Dev", help::kDev);
  rows.List(7, Join("_", stage, names.dev), kDevItems);
  FitGroup(group, rows);
  return group;
}

ui::GroupBox& AddCompileProcessGroup(ui::Control& page, std::string_view stage, const CompileProcessNames& names,
                                     std::string_view keyword, int left, int top, int width) {
  auto& group = AddGroup(page, 2, Join(stage, "compileprocess"), "Процесс компиляции", keyword, left, top, width);
  SlotRows rows = GroupRows(group, 80);
  rows.Check(1, Join(stage, names.threads), "Threads", help::kThreads);
  rows.Spin(2, Join("_", stage, names.threads), {6, 1, 999999, 1});
  rows.Check(3, Join(stage, names.texdata), "Texdata", help::kTexdata);
  rows.Spin(4, Join("_", stage, names.texdata), {7, 2048, 9999999, 2048});
  rows.Label(Join("Label", stage, names.priority), "Приоритет", help::kPriority);
  rows.List(5, Join(stage, names.priority), kPriorityItems);
  FitGroup(group, rows);
  return group;
}

ui::GroupBox& AddAdditionalOptionsGroup(ui::Control& page, std::string_view stage, std::string_view keyword,
                                        int left, int top, int width) {
  auto& group = AddGroup(page, 7, Join(stage, "additionalopt"), "Дополнительные опции", keyword, left, top, width);
  SlotRows rows = GroupRows(group, 80);
  rows.Check(1, Join(stage, "additional"), "Добавить", help::kAdditional);
  rows.Edit(2, Join("_", stage, "additional"), 255);
  FitGroup(group, rows);
  return group;
}

ui::TabSheet& AddSheet(ui::PageControl& tabs, std::string name, std::string_view captionUtf8, std::string_view keyword) {
  // The tab row and the borders take this much of the control.
  constexpr int kBorders = 8;
  constexpr int kTabRow = 28;
  auto& sheet = tabs.Add<ui::TabSheet>(std::move(name), Text(captionUtf8));
  sheet.SetHelpKeyword(std::string(keyword));
  sheet.SetSize(tabs.Width() - kBorders, tabs.Height() - kTabRow);
  return sheet;
}

ui::TabSheet& AddStagePage(ui::PageControl& pages, std::string_view stage, std::string_view keyword) {
  auto& page = pages.Add<ui::TabSheet>(std::string(stage), std::string(stage));
  page.SetHelpKeyword(std::string(keyword));
  page.SetSize(kPageWidth, kPageHeight);
  return page;
}

}  // namespace kmpx::pages
