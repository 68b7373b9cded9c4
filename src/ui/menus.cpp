#include "ui/menus.h"

#include "text/cp1251.h"

namespace kmpx::ui {
namespace {

std::string WithoutBlanks(std::string_view text) {
  std::string result;
  for (char c : text)
    if (c != ' ') result += c;
  return result;
}

}  // namespace

MenuItem::MenuItem(std::string name, std::string caption, std::string shortcut)
    : Control("TMenuItem", std::move(name)), shortcut_(std::move(shortcut)) {
  SetCaption(std::move(caption));
}

void MenuItem::SetChecked(bool checked) {
  if (!SetAndNotify(checked_, checked, Property::Checked) || !checked || !radio_item_ || Parent() == nullptr) return;
  for (const auto& sibling : Parent()->Children()) {
    auto* other = dynamic_cast<MenuItem*>(sibling.get());
    if (other != nullptr && other != this && other->radio_item_ && other->group_index_ == group_index_)
      other->SetAndNotify(other->checked_, false, Property::Checked);
  }
}

void MenuItem::Click() {
  if (auto_check_) SetChecked(!checked_);
  Fire(onClick);
}

void PopupMenu::Popup(Control* over) {
  popup_component_ = over;
  Fire(onPopup);
}

MenuItem* FindShortcut(const Control& menu, std::string_view shortcut) {
  const std::string wanted = WithoutBlanks(shortcut);
  MenuItem* found = nullptr;
  menu.ForEachDescendant([&](Control& c) {
    auto* item = dynamic_cast<MenuItem*>(&c);
    if (found == nullptr && item != nullptr && item->Visible() && !item->Shortcut().empty() &&
        SameTextAnsi(WithoutBlanks(item->Shortcut()), wanted))
      found = item;
  });
  return found;
}

}  // namespace kmpx::ui
