#pragma once
// The control model: a tree of named controls with the semantics of the
// forms the program is designed on. Program logic runs on it headless; the
// renderer mirrors it into widgets through observers and pushes user input
// back through the User* methods, which run the same handlers code changes do.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/types.h"

namespace kmpx::ui {

class Form;
class PopupMenu;

// What changed, as observers are told. For collections (Items, Lines,
// Panels, ItemState, Children) the index names the entry inserted, deleted
// or changed (an observer tells which by comparing counts); -1 means "all".
enum class Property {
  Tag, Caption, Hint, HelpKeyword, Enabled, Visible, Bounds, Align, Font, Color, PopupMenu,
  Children,
  Focus,        // on a form: its active control changed
  Checked, Text, Value, Limits, Style, ReadOnly,
  Items, ItemIndex, ItemState,
  Down, Lines, Panels, ActivePage, TabVisible, Shortcut, Interval, Picture,
  ModalResult, WindowState, Raise,  // Raise: bring the window to the front
  Appearance,   // design flags that rarely change (flat, sorted, word wrap, border...)
  Destroyed     // sent from the destructor: only the control's address is still valid
};

class Control {
 public:
  using Handler = std::function<void(Control& sender)>;
  // key may be changed by the handler; 0 means the key is consumed.
  using KeyHandler = std::function<void(Control& sender, int& key, ShiftState shift)>;
  using KeyPressHandler = std::function<void(Control& sender, char& key)>;
  using Observer = std::function<void(Control& control, Property property, int index)>;

  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  // The class name of the design ("TCheckBox", "TGroupBox", "TKSWin"...):
  // rules on class-name prefixes are written against it.
  const std::string& ClassName() const { return class_name_; }

  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t tag);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  const std::string& HelpKeyword() const { return help_keyword_; }
  void SetHelpKeyword(std::string keyword);

  // The control's own flags; a disabled or hidden parent does not change them.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Enabled here and in every ancestor: what the user can actually reach.
  bool EffectivelyEnabled() const;
  // The user can act on the control: effectively enabled, and it and its
  // containers are visible (the form itself need not be shown).
  bool AcceptsUserInput() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetSize(int width, int height) { SetBounds(left_, top_, width, height); }
  ui::Align Alignment() const { return align_; }
  void SetAlignment(ui::Align align);

  const TextFormat& Font() const { return font_; }
  void SetFont(TextFormat font);
  PopupMenu* Popup() const { return popup_; }
  void SetPopupMenu(PopupMenu* menu);

  // The tree. Children are owned by their parent and kept in insertion order.
  Control* Parent() const { return parent_; }
  Form* OwnerForm() const;  // the form at the root, or null
  std::span<const std::unique_ptr<Control>> Children() const { return children_; }
  int ChildCount() const { return static_cast<int>(children_.size()); }
  Control& Child(int index) const;  // std::out_of_range outside 0..ChildCount()-1
  int IndexInParent() const;        // -1 at the root

  // Builds a child of kind T at the end: T(name, args...).
  template <class T, class... Args>
  T& Add(std::string name, Args&&... args) {
    auto child = std::make_unique<T>(std::move(name), std::forward<Args>(args)...);
    T& added = *child;
    Adopt(std::move(child));
    return added;
  }
  // Takes a child out of the tree and hands it to the caller.
  std::unique_ptr<Control> Remove(Control& child);

  // Depth first in child order; names compare without regard to letter case.
  Control* FindChild(std::string_view name) const;
  template <class T>
  T* FindChildAs(std::string_view name) const {
    return dynamic_cast<T*>(FindChild(name));
  }
  // For wiring built forms: a missing or different control is a programming error.
  template <class T>
  T& Get(std::string_view name) const {
    T* found = FindChildAs<T>(name);
    if (found == nullptr) throw std::out_of_range("No control " + std::string(name) + " of that kind in " + name_);
    return *found;
  }
  // Visits every descendant, depth first in child order.
  template <class F>
  void ForEachDescendant(F&& visit) const {
    for (const auto& child : children_) {
      visit(*child);
      child->ForEachDescendant(visit);
    }
  }

  // Focus lives in the form (its active control).
  virtual bool TakesFocus() const { return false; }
  bool Focused() const;
  bool SetFocus();  // false when the control cannot take the focus now

  // User input, as the renderer reports it. Each does what the user's action
  // does: nothing when the control does not accept input, else focus where a
  // click would give it, the change, and the handlers that change runs.
  void UserClick();
  void UserDoubleClick();
  // Returns the key left after the handlers (0: consumed). Enter and Escape
  // not consumed go to the form's default and cancel buttons.
  int UserKeyDown(int key, ShiftState shift);
  int UserKeyUp(int key, ShiftState shift);
  char UserKeyPress(char key);  // returns the character to insert, 0 for none

  Handler onClick;
  Handler onDblClick;
  Handler onEnter;  // got the focus
  Handler onExit;   // lost the focus
  KeyHandler onKeyDown;
  KeyHandler onKeyUp;
  KeyPressHandler onKeyPress;

  // Observers are told of every change, from code or from the user.
  int AddObserver(Observer observer);
  void RemoveObserver(int id);

 protected:
  Control(std::string className, std::string name);

  void Notify(Property property, int index = -1);
  void Fire(const Handler& handler);  // a copy runs, so a handler may replace itself

  // What a user's click does once it is accepted; the base runs onClick.
  virtual void DoUserClick() { Fire(onClick); }
  virtual void EnabledChanged() {}
  virtual void VisibleChanged() {}
  // Focus moved away: entry fields validate what was typed here.
  virtual void FocusLost() {}
  // Multi-line fields keep Enter for themselves.
  virtual bool WantsReturn() const { return false; }
  // The child is already in (still in) the list of children.
  virtual void ChildAdded(Control& /*child*/) {}
  virtual void ChildRemoving(Control& /*child*/) {}

  // Sets field and notifies when the value differs; returns whether it did.
  template <class T>
  bool SetAndNotify(T& field, T value, Property property) {
    if (field == value) return false;
    field = std::move(value);
    Notify(property);
    return true;
  }

 private:
  friend class Form;
  void Adopt(std::unique_ptr<Control> child);
  bool VisibleChain() const;

  struct ObserverSlot {
    int id;
    Observer observer;
  };

  std::string class_name_;
  std::string name_;
  std::int32_t tag_ = 0;
  std::string caption_;
  std::string hint_;
  std::string help_keyword_;
  bool enabled_ = true;
  bool visible_ = true;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  ui::Align align_ = ui::Align::None;
  TextFormat font_;
  PopupMenu* popup_ = nullptr;
  Control* parent_ = nullptr;
  std::vector<std::unique_ptr<Control>> children_;
  std::vector<ObserverSlot> observers_;
  int next_observer_id_ = 1;
  int notifying_ = 0;
  bool observer_removed_ = false;
};

// Containers without state of their own: they group children and lay them out.
class GroupBox : public Control {
 public:
  explicit GroupBox(std::string name, std::string caption = {}) : Control("TGroupBox", std::move(name)) {
    SetCaption(std::move(caption));
  }
};

class Panel : public Control {
 public:
  explicit Panel(std::string name, std::string caption = {}) : Control("TPanel", std::move(name)) {
    SetCaption(std::move(caption));
  }
};

class PageScroller : public Control {
 public:
  explicit PageScroller(std::string name) : Control("TPageScroller", std::move(name)) {}
};

class ToolBar : public Control {
 public:
  explicit ToolBar(std::string name) : Control("TToolBar", std::move(name)) {}
};

}  // namespace kmpx::ui
