#pragma once
// The common part of the single-line entry fields: their text, its limit,
// and onChange, which runs whenever the text changes, from code or from the
// user (setting the text it already has runs nothing).
#include <string>

#include "ui/control.h"

namespace kmpx::ui {

class EditControl : public Control {
 public:
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // 0: no limit. It limits what the user types, not what code sets.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int length) { SetAndNotify(max_length_, length, Property::Limits); }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool on) { SetAndNotify(read_only_, on, Property::ReadOnly); }

  // The user's edit: the whole new text. Ignored in a read-only field;
  // characters the field does not take are dropped, and the text is cut at
  // the maximum length. Typing gives the field the focus.
  void UserSetText(std::string text);
  bool TakesFocus() const override { return true; }

  Handler onChange;

 protected:
  EditControl(std::string className, std::string name) : Control(std::move(className), std::move(name)) {}
  virtual std::string FilterTyped(std::string text) const { return text; }
  virtual void TextChanged() {}

 private:
  std::string text_;
  int max_length_ = 0;
  bool read_only_ = false;
};

}  // namespace kmpx::ui
