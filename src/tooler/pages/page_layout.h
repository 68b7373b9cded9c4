#pragma once
// Building blocks of the option pages: controls placed in rows, a check box
// on the left and its value controls beside it, each with its number, hint
// and help keyword. Internal to the page builders.
#include <cstdint>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "ui/buttons.h"
#include "ui/check_boxes.h"
#include "ui/combo_box.h"
#include "ui/control.h"
#include "ui/list_boxes.h"
#include "ui/number_fields.h"
#include "ui/page_control.h"
#include "ui/text_fields.h"
#include "ui/text_views.h"

namespace kmpx::pages {

// Help of a switch: its help topic (empty when the help file has none) and
// the hint, written in UTF-8.
struct OptionHelp {
  std::string_view keyword;
  std::string_view hint;
};

// Limits and start value of a spin or decimal field; maxLength 0: none.
struct NumberDesign {
  int maxLength = 0;
  double min = 0;
  double max = 0;
  double value = 0;
};

inline constexpr int kRowHeight = 22;
inline constexpr int kControlHeight = 21;
inline constexpr int kGroupTop = 18;      // first row below a group box's caption
inline constexpr int kGroupPadding = 8;   // inner margin of a group box
inline constexpr int kGap = 8;            // between groups

void SetHelp(ui::Control& control, const OptionHelp& help);

// Texts of the model are CP1251; the design tables are written in UTF-8.
std::string Text(std::string_view utf8);

// The text a masked field shows empty: literals kept, blanks for the digits.
std::string EmptyMaskText(std::string_view mask);

// Places controls in rows inside a container. A check box or a label starts
// a row; value controls go beside it, from the value column on, and share
// the row's help.
class SlotRows {
 public:
  SlotRows(ui::Control& container, int left, int top, int width, int valueColumn);

  ui::CheckBox& Check(int slot, std::string name, std::string_view captionUtf8, const OptionHelp& help);
  ui::Label& Label(std::string name, std::string_view captionUtf8, const OptionHelp& help);
  // A row that starts with a value control at the left edge.
  void NewRow(const OptionHelp& help);

  ui::SpinField& Spin(int slot, std::string name, const NumberDesign& design, int width = 0);
  ui::DecimalField& Decimal(int slot, std::string name, const NumberDesign& design, int width = 0);
  // Text fields of option slots are masked-edit fields, empty mask or not.
  ui::MaskEdit& Edit(int slot, std::string name, int maxLength, std::string mask = {}, int width = 0);
  ui::ComboBox& List(int slot, std::string name, std::span<const std::string_view> itemsUtf8,
                     ui::ComboStyle style = ui::ComboStyle::PickOnly, int width = 0);
  // A small "..." button at the end of the row; starts disabled.
  ui::SpeedButton& Browse(int slot, std::string name, std::string_view hintUtf8);
  // Any other control, given the full rest of the row or width.
  template <class T, class... Args>
  T& Place(int width, int height, std::string name, Args&&... args) {
    T& control = container_.Add<T>(std::move(name), std::forward<Args>(args)...);
    PlaceInRow(control, width, height);
    return control;
  }

  // Skips height pixels (between parts of a group).
  void Space(int height) { top_ += height; }
  // The height the container needs to show every row.
  int Bottom() const { return top_ + kGroupPadding; }
  int RowTop() const { return row_top_; }

 private:
  void StartRow(int height);
  void PlaceInRow(ui::Control& control, int width, int height);
  void PlaceValue(ui::Control& control, int slot, int width);

  ui::Control& container_;
  int left_;
  int width_;
  int value_column_;
  int top_;
  int row_top_ = 0;
  int next_x_ = 0;
  ui::Control* row_head_ = nullptr;
  OptionHelp help_{};
};

// A group box of a page: number, caption, help keyword, bounds set later
// from its rows.
ui::GroupBox& AddGroup(ui::Control& page, int number, std::string name, std::string_view captionUtf8,
                       std::string_view keyword, int left, int top, int width);
// Fits the group's height to its rows.
void FitGroup(ui::GroupBox& group, const SlotRows& rows);
int BottomOf(const ui::Control& control);

// The groups every compiler page has, named after its stage: "Информирование
// компиляции" (1), "Процесс компиляции" (2) and "Дополнительные опции" (7).
// names: the switch parts of the component names, which differ in case
// between pages ("Estimate" on CSG, "estimate" on RAD).
struct InfoCompileNames {
  std::string_view estimate, nolog, chart, verbose, noinfo, dev;
};
struct CompileProcessNames {
  std::string_view threads, texdata, priority;
};
ui::GroupBox& AddInfoCompileGroup(ui::Control& page, std::string_view stage, const InfoCompileNames& names,
                                  std::string_view keyword, int left, int top, int width);
ui::GroupBox& AddCompileProcessGroup(ui::Control& page, std::string_view stage, const CompileProcessNames& names,
                                     std::string_view keyword, int left, int top, int width);
ui::GroupBox& AddAdditionalOptionsGroup(ui::Control& page, std::string_view stage, std::string_view keyword,
                                        int left, int top, int width);

// The list items the pages and the General page share.
inline constexpr std::array<std::string_view, 7> kDevItems = {
    "Выкл.", "Ошибки", "Предупреждения", "Мало информации", "Немного информации", "Много информации",
    "Очень много информации"};
inline constexpr std::array<std::string_view, 3> kPriorityItems = {"По умолчанию", "Низкий", "Высокий"};
inline constexpr std::array<std::string_view, 3> kVisModeItems = {"По умолчанию", "Быстрый", "Полный"};
inline constexpr std::array<std::string_view, 2> kFalloffItems = {"1/расст.", "1/кв.расст."};

// Design size of a compiler page's client area.
inline constexpr int kPageWidth = 640;
inline constexpr int kPageHeight = 440;

// A sheet of an inner page control, sized to the control's client area.
ui::TabSheet& AddSheet(ui::PageControl& tabs, std::string name, std::string_view captionUtf8, std::string_view keyword);

ui::TabSheet& AddStagePage(ui::PageControl& pages, std::string_view stage, std::string_view keyword);

}  // namespace kmpx::pages
