#pragma once
// Check boxes and radio buttons.
#include <string>

#include "ui/control.h"

namespace kmpx::ui {

// SetChecked runs onClick whenever the state changes, from code as from the
// user: the option pages rely on boxes ticked in code running their
// reactions. Setting the state it already has runs nothing.
class CheckBox : public Control {
 public:
  explicit CheckBox(std::string name, std::string caption = {}) : Control("TCheckBox", std::move(name)) {
    SetCaption(std::move(caption));
  }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool TakesFocus() const override { return true; }

 protected:
  void DoUserClick() override { SetChecked(!checked_); }

 private:
  bool checked_ = false;
};

// Radio buttons with the same parent form one group. Checking one unchecks
// the others (without running their handlers) and runs its onClick; only
// becoming checked runs onClick. A click on the checked button does nothing.
class RadioButton : public Control {
 public:
  explicit RadioButton(std::string name, std::string caption = {}) : Control("TRadioButton", std::move(name)) {
    SetCaption(std::move(caption));
  }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool TakesFocus() const override { return true; }

 protected:
  void DoUserClick() override { SetChecked(true); }

 private:
  bool checked_ = false;
};

}  // namespace kmpx::ui
