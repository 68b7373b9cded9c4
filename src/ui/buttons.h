#pragma once
// Push buttons and tool (speed) buttons.
#include <string>

#include "ui/control.h"

namespace kmpx::ui {

// A push button. Click() (from code or the user) first gives the form the
// button's modal result, then runs onClick, which may set it back to none
// to keep a dialog open.
class Button : public Control {
 public:
  explicit Button(std::string name, std::string caption = {}) : Button("TButton", std::move(name), std::move(caption)) {}

  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result) { modal_result_ = result; }
  // Enter anywhere on the form presses the default button, Escape the cancel one.
  bool Default() const { return default_; }
  void SetDefault(bool on) { SetAndNotify(default_, on, Property::Appearance); }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }

  void Click();
  bool TakesFocus() const override { return true; }

 protected:
  Button(std::string className, std::string name, std::string caption);
  void DoUserClick() override { Click(); }

 private:
  int modal_result_ = 0;
  bool default_ = false;
  bool cancel_ = false;
};

// A button with a picture.
class BitButton : public Button {
 public:
  explicit BitButton(std::string name, std::string caption = {}) : Button("TBitBtn", std::move(name), std::move(caption)) {}
  const std::string& Glyph() const { return glyph_; }
  void SetGlyph(std::string glyph) { SetAndNotify(glyph_, std::move(glyph), Property::Picture); }

 private:
  std::string glyph_;
};

// A tool button; it never takes the focus. With a group index it is a toggle:
// buttons of one parent with the same group index are exclusive, and a down
// button can be released only when AllowAllUp is set. SetDown from code runs
// no handler; a user's click toggles and then runs onClick (also when the
// button stays down).
class SpeedButton : public Control {
 public:
  explicit SpeedButton(std::string name, std::string caption = {}) : Control("TSpeedButton", std::move(name)) {
    SetCaption(std::move(caption));
  }

  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool on) { SetAndNotify(allow_all_up_, on, Property::Appearance); }
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool Flat() const { return flat_; }
  void SetFlat(bool on) { SetAndNotify(flat_, on, Property::Appearance); }
  // Name of the picture resource shown on the button.
  const std::string& Glyph() const { return glyph_; }
  void SetGlyph(std::string glyph) { SetAndNotify(glyph_, std::move(glyph), Property::Picture); }

  void Click() { Fire(onClick); }

 protected:
  void DoUserClick() override;

 private:
  int group_index_ = 0;
  bool allow_all_up_ = false;
  bool down_ = false;
  bool flat_ = false;
  std::string glyph_;
};

}  // namespace kmpx::ui
