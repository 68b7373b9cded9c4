#pragma once
// List boxes and check lists.
#include <string>
#include <vector>

#include "text/line_list.h"
#include "ui/list_control.h"

namespace kmpx::ui {

// A list box: the user's click on a row selects it and runs onClick.
class ListBox : public ListControl {
 public:
  explicit ListBox(std::string name) : ListBox("TListBox", std::move(name)) {}

  // Width in pixels the rows may scroll to sideways; 0: no horizontal scrolling.
  int ScrollWidth() const { return scroll_width_; }
  void SetScrollWidth(int pixels) { SetAndNotify(scroll_width_, pixels, Property::Appearance); }

  void UserSelect(int index);
  bool TakesFocus() const override { return true; }

 protected:
  ListBox(std::string className, std::string name) : ListControl(std::move(className), std::move(name)) {}

 private:
  int scroll_width_ = 0;
};

// A list box whose rows carry a tick and an enabled flag. New rows are
// enabled and unticked. Ticks set from code run no handler; the user's tick
// on an enabled row runs onClickCheck (it does not select the row).
class CheckListBox : public ListBox {
 public:
  explicit CheckListBox(std::string name) : ListBox("TCheckListBox", std::move(name)) {}

  bool Checked(int index) const;
  void SetChecked(int index, bool checked);
  bool ItemEnabled(int index) const;
  void SetItemEnabled(int index, bool enabled);

  void UserToggleCheck(int index);

  Handler onClickCheck;

 protected:
  void ItemInserted(int index) override;
  void ItemDeleted(int index) override;
  void ItemsReset() override;

 private:
  struct RowState {
    bool checked = false;
    bool enabled = true;
  };
  RowState& Row(int index);
  const RowState& Row(int index) const;

  std::vector<RowState> rows_;
};

// Empties dest and adds every line of src in order, each ticked and enabled.
void FillCheckList(CheckListBox& dest, const LineList& src);

}  // namespace kmpx::ui
