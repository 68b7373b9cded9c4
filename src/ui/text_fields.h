#pragma once
// Single-line text fields: plain, masked and labelled.
#include <string>

#include "ui/edit_control.h"

namespace kmpx::ui {

class TextField : public EditControl {
 public:
  explicit TextField(std::string name, std::string text = {}) : TextField("TEdit", std::move(name), std::move(text)) {}

  // The mask as the design writes it ("9.9  9.9  9.9;1;_"); the renderer
  // applies it to typing. Empty: no mask.
  const std::string& EditMask() const { return edit_mask_; }
  void SetEditMask(std::string mask) { SetAndNotify(edit_mask_, std::move(mask), Property::Style); }
  // Shown for every character (password fields); 0: the text itself.
  char PasswordChar() const { return password_char_; }
  void SetPasswordChar(char c) { SetAndNotify(password_char_, c, Property::Style); }

 protected:
  TextField(std::string className, std::string name, std::string text);

 private:
  std::string edit_mask_;
  char password_char_ = 0;
};

class MaskEdit : public TextField {
 public:
  explicit MaskEdit(std::string name, std::string mask = {}) : TextField("TMaskEdit", std::move(name), {}) {
    SetEditMask(std::move(mask));
  }
};

// A text field with its label; the caption is the label's text.
class LabeledEdit : public TextField {
 public:
  explicit LabeledEdit(std::string name, std::string caption = {}) : TextField("TLabeledEdit", std::move(name), {}) {
    SetCaption(std::move(caption));
  }
};

}  // namespace kmpx::ui
