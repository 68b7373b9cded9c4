#include "ui/list_boxes.h"

#include <stdexcept>

namespace kmpx::ui {

void ListBox::UserSelect(int index) {
  if (!AcceptsUserInput() || index < 0 || index >= ItemCount()) return;
  SetFocus();
  SetItemIndex(index);
  Fire(onClick);
}

CheckListBox::RowState& CheckListBox::Row(int index) {
  if (index < 0 || index >= static_cast<int>(rows_.size()))
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return rows_[static_cast<std::size_t>(index)];
}

const CheckListBox::RowState& CheckListBox::Row(int index) const {
  return const_cast<CheckListBox*>(this)->Row(index);
}

bool CheckListBox::Checked(int index) const { return Row(index).checked; }
bool CheckListBox::ItemEnabled(int index) const { return Row(index).enabled; }

void CheckListBox::SetChecked(int index, bool checked) {
  RowState& row = Row(index);
  if (row.checked == checked) return;
  row.checked = checked;
  Notify(Property::ItemState, index);
}

void CheckListBox::SetItemEnabled(int index, bool enabled) {
  RowState& row = Row(index);
  if (row.enabled == enabled) return;
  row.enabled = enabled;
  Notify(Property::ItemState, index);
}

void CheckListBox::UserToggleCheck(int index) {
  if (!AcceptsUserInput() || index < 0 || index >= ItemCount() || !Row(index).enabled) return;
  SetFocus();
  SetChecked(index, !Row(index).checked);
  Fire(onClickCheck);
}

void CheckListBox::ItemInserted(int index) { rows_.insert(rows_.begin() + index, RowState{}); }
void CheckListBox::ItemDeleted(int index) { rows_.erase(rows_.begin() + index); }
void CheckListBox::ItemsReset() { rows_.assign(static_cast<std::size_t>(ItemCount()), RowState{}); }

void FillCheckList(CheckListBox& dest, const LineList& src) {
  dest.ClearItems();
  for (const auto& line : src) {
    const int index = dest.AddItem(line);
    dest.SetChecked(index, true);
    dest.SetItemEnabled(index, true);
  }
}

}  // namespace kmpx::ui
