#include "ui/control.h"

#include <algorithm>

#include "text/cp1251.h"
#include "ui/form.h"

namespace kmpx::ui {

Control::Control(std::string className, std::string name)
    : class_name_(std::move(className)), name_(std::move(name)) {}

Control::~Control() {
  // Children go first, while this control is still whole for their lookups.
  while (!children_.empty()) children_.pop_back();
  if (Form* form = OwnerForm(); form != nullptr && form->active_control_ == this) form->active_control_ = nullptr;
  Notify(Property::Destroyed);
}

void Control::SetTag(std::int32_t tag) { SetAndNotify(tag_, tag, Property::Tag); }
void Control::SetCaption(std::string caption) { SetAndNotify(caption_, std::move(caption), Property::Caption); }
void Control::SetHint(std::string hint) { SetAndNotify(hint_, std::move(hint), Property::Hint); }
void Control::SetHelpKeyword(std::string keyword) {
  SetAndNotify(help_keyword_, std::move(keyword), Property::HelpKeyword);
}

void Control::SetEnabled(bool enabled) {
  if (SetAndNotify(enabled_, enabled, Property::Enabled)) EnabledChanged();
}

void Control::SetVisible(bool visible) {
  if (SetAndNotify(visible_, visible, Property::Visible)) VisibleChanged();
}

bool Control::EffectivelyEnabled() const {
  for (const Control* c = this; c != nullptr; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

bool Control::VisibleChain() const {
  for (const Control* c = this; c != nullptr && c->parent_ != nullptr; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

bool Control::AcceptsUserInput() const { return EffectivelyEnabled() && VisibleChain(); }

void Control::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Property::Bounds);
}

void Control::SetAlignment(ui::Align align) { SetAndNotify(align_, align, Property::Align); }
void Control::SetFont(TextFormat font) { SetAndNotify(font_, std::move(font), Property::Font); }
void Control::SetPopupMenu(PopupMenu* menu) { SetAndNotify(popup_, menu, Property::PopupMenu); }

Form* Control::OwnerForm() const {
  const Control* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return dynamic_cast<Form*>(const_cast<Control*>(root));
}

Control& Control::Child(int index) const {
  if (index < 0 || index >= ChildCount())
    throw std::out_of_range("Child index out of bounds (" + std::to_string(index) + ")");
  return *children_[static_cast<std::size_t>(index)];
}

int Control::IndexInParent() const {
  if (parent_ == nullptr) return -1;
  const auto& siblings = parent_->children_;
  for (std::size_t i = 0; i < siblings.size(); ++i)
    if (siblings[i].get() == this) return static_cast<int>(i);
  return -1;
}

void Control::Adopt(std::unique_ptr<Control> child) {
  if (dynamic_cast<Form*>(child.get()) != nullptr) throw std::logic_error("A form cannot be a child: " + child->Name());
  child->parent_ = this;
  children_.push_back(std::move(child));
  ChildAdded(*children_.back());
  Notify(Property::Children, ChildCount() - 1);
}

std::unique_ptr<Control> Control::Remove(Control& child) {
  const int index = child.IndexInParent();
  if (child.parent_ != this || index < 0) throw std::logic_error(child.Name() + " is not a child of " + name_);
  if (Form* form = OwnerForm(); form != nullptr) {
    const Control* focused = form->ActiveControl();
    for (const Control* c = focused; c != nullptr; c = c->parent_)
      if (c == &child) {
        form->active_control_ = nullptr;  // the focus does not leave the form with the control
        form->Notify(Property::Focus);
        break;
      }
  }
  ChildRemoving(child);
  auto owned = std::move(children_[static_cast<std::size_t>(index)]);
  children_.erase(children_.begin() + index);
  owned->parent_ = nullptr;
  Notify(Property::Children, index);
  return owned;
}

Control* Control::FindChild(std::string_view name) const {
  for (const auto& child : children_) {
    if (SameTextAnsi(child->name_, name)) return child.get();
    if (Control* found = child->FindChild(name)) return found;
  }
  return nullptr;
}

bool Control::Focused() const {
  const Form* form = OwnerForm();
  return form != nullptr && form->ActiveControl() == this;
}

bool Control::SetFocus() {
  Form* form = OwnerForm();
  if (form == nullptr || form == this || !TakesFocus() || !AcceptsUserInput()) return false;
  form->SetActiveControl(this);
  return true;
}

void Control::UserClick() {
  if (!AcceptsUserInput()) return;
  if (TakesFocus()) SetFocus();
  // Leaving the previous field may run handlers that disable this control.
  if (!AcceptsUserInput()) return;
  DoUserClick();
}

void Control::UserDoubleClick() {
  if (AcceptsUserInput()) Fire(onDblClick);
}

int Control::UserKeyDown(int key, ShiftState shift) {
  if (!AcceptsUserInput()) return key;
  Form* form = OwnerForm();
  if (form != nullptr && form != this && form->KeyPreview() && form->onKeyDown) {
    auto handler = form->onKeyDown;
    handler(*form, key, shift);
  }
  if (key != 0 && onKeyDown) {
    auto handler = onKeyDown;
    handler(*this, key, shift);
  }
  if (key == keys::kEnter && WantsReturn()) return key;
  if (key != 0 && form != nullptr && form->PressDialogKey(key, *this)) key = 0;
  return key;
}

int Control::UserKeyUp(int key, ShiftState shift) {
  if (!AcceptsUserInput()) return key;
  Form* form = OwnerForm();
  if (form != nullptr && form != this && form->KeyPreview() && form->onKeyUp) {
    auto handler = form->onKeyUp;
    handler(*form, key, shift);
  }
  if (key != 0 && onKeyUp) {
    auto handler = onKeyUp;
    handler(*this, key, shift);
  }
  return key;
}

char Control::UserKeyPress(char key) {
  if (!AcceptsUserInput()) return 0;
  Form* form = OwnerForm();
  if (form != nullptr && form != this && form->KeyPreview() && form->onKeyPress) {
    auto handler = form->onKeyPress;
    handler(*form, key);
  }
  if (key != 0 && onKeyPress) {
    auto handler = onKeyPress;
    handler(*this, key);
  }
  return key;
}

int Control::AddObserver(Observer observer) {
  const int id = next_observer_id_++;
  observers_.push_back({id, std::move(observer)});
  return id;
}

void Control::RemoveObserver(int id) {
  auto it = std::find_if(observers_.begin(), observers_.end(), [id](const ObserverSlot& s) { return s.id == id; });
  if (it == observers_.end()) return;
  if (notifying_ > 0) {
    // Erasing now would shift the slots the running loop walks.
    it->observer = nullptr;
    observer_removed_ = true;
  } else {
    observers_.erase(it);
  }
}

void Control::Notify(Property property, int index) {
  if (observers_.empty()) return;
  ++notifying_;
  const std::size_t count = observers_.size();  // observers added meanwhile hear the next change
  for (std::size_t i = 0; i < count; ++i) {
    if (!observers_[i].observer) continue;
    auto observer = observers_[i].observer;
    observer(*this, property, index);
  }
  if (--notifying_ == 0 && observer_removed_) {
    std::erase_if(observers_, [](const ObserverSlot& s) { return !s.observer; });
    observer_removed_ = false;
  }
}

void Control::Fire(const Handler& handler) {
  if (!handler) return;
  auto copy = handler;
  copy(*this);
}

}  // namespace kmpx::ui
