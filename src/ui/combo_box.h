#pragma once
// Drop-down lists.
#include <string>

#include "ui/list_control.h"

namespace kmpx::ui {

enum class ComboStyle {
  PickOnly,    // a fixed list: the text is the selected item
  Editable,    // the user types any text or picks an item
  OwnerDrawn,  // a fixed list the program draws itself
};

// Code changes (SetItemIndex, SetText, items) run no handler. The user's
// choice from the drop-down (every choice, also of the current item) runs
// onClick and then onSelect, or onChange when there is no onSelect; the
// user's typing in an editable list runs onChange.
// The text of an editable list is its own: picking an item copies the item
// into it, and setting it selects the item of exactly that text, if any.
// Setting the text of a fixed list selects the item of that text.
class ComboBox : public ListControl {
 public:
  explicit ComboBox(std::string name, ComboStyle style = ComboStyle::PickOnly)
      : ListControl("TComboBox", std::move(name)), style_(style) {}

  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style);
  bool IsPickOnly() const { return style_ != ComboStyle::Editable; }

  std::string Text() const;
  void SetText(std::string text);
  void SetItemIndex(int index) override;
  int MaxLength() const { return max_length_; }  // 0: none; limits typing only
  void SetMaxLength(int length) { SetAndNotify(max_length_, length, Property::Limits); }
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int rows) { SetAndNotify(drop_down_count_, rows, Property::Appearance); }

  void UserSelect(int index);
  void UserSetText(std::string text);  // editable lists only
  void UserDropDown();
  void UserCloseUp();
  bool TakesFocus() const override { return true; }

  Handler onChange;
  Handler onSelect;
  Handler onDropDown;
  Handler onCloseUp;

 protected:
  void ItemIndexChanged() override;
  void ItemsReset() override;

 private:
  void StoreText(std::string text) { SetAndNotify(text_, std::move(text), Property::Text); }

  ComboStyle style_;
  std::string text_;  // editable lists only
  int max_length_ = 0;
  int drop_down_count_ = 8;
};

}  // namespace kmpx::ui
