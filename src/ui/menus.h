#pragma once
// Menus: main menus, pop-up menus and their items (items nest as children).
#include <string>
#include <string_view>

#include "ui/control.h"

namespace kmpx::ui {

// A menu item. Its caption "-" makes it a separator. The shortcut is text as
// the design writes it ("Ctrl+N", "F9", "Shift+F12", "Ctrl+Alt+B").
// SetChecked from code runs no handler; Click() (code, or the user's choice
// of an enabled item) toggles an auto-check item and runs onClick. Checking
// a radio item unchecks the radio items of the same group among its siblings.
class MenuItem : public Control {
 public:
  explicit MenuItem(std::string name, std::string caption = {}, std::string shortcut = {});

  bool IsSeparator() const { return Caption() == "-"; }
  const std::string& Shortcut() const { return shortcut_; }
  void SetShortcut(std::string shortcut) { SetAndNotify(shortcut_, std::move(shortcut), Property::Shortcut); }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool RadioItem() const { return radio_item_; }
  void SetRadioItem(bool on) { SetAndNotify(radio_item_, on, Property::Appearance); }
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index) { SetAndNotify(group_index_, index, Property::Appearance); }
  bool AutoCheck() const { return auto_check_; }
  void SetAutoCheck(bool on) { SetAndNotify(auto_check_, on, Property::Appearance); }

  void Click();

 protected:
  void DoUserClick() override { Click(); }

 private:
  std::string shortcut_;
  bool checked_ = false;
  bool radio_item_ = false;
  int group_index_ = 0;
  bool auto_check_ = false;
};

class MainMenu : public Control {
 public:
  explicit MainMenu(std::string name) : Control("TMainMenu", std::move(name)) {}
};

// A pop-up menu. Popup() is what showing it over a control does: it
// remembers that control and runs onPopup, before any item is chosen.
class PopupMenu : public Control {
 public:
  explicit PopupMenu(std::string name) : Control("TPopupMenu", std::move(name)) {}

  Control* PopupComponent() const { return popup_component_; }
  void Popup(Control* over);

  Handler onPopup;

 private:
  Control* popup_component_ = nullptr;
};

// The first visible item under menu whose shortcut is shortcut (letter case
// and blanks ignored); null when none. Shortcuts of the main menu work while
// its form is active: the renderer finds the item and chooses it.
MenuItem* FindShortcut(const Control& menu, std::string_view shortcut);

}  // namespace kmpx::ui
