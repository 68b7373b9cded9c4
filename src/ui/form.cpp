#include "ui/form.h"

#include <stdexcept>

#include "ui/buttons.h"

namespace kmpx::ui {

Form::Form(std::string name, std::string className, std::string caption)
    : Control(std::move(className), std::move(name)) {
  visible_ = false;
  SetCaption(std::move(caption));
}

Form::~Form() { active_control_ = nullptr; }

void Form::SetClientSize(int width, int height) {
  if (width == client_width_ && height == client_height_) return;
  client_width_ = width;
  client_height_ = height;
  Notify(Property::Bounds);
}

void Form::SetBorder(ui::BorderStyle border) { SetAndNotify(border_, border, Property::Appearance); }
void Form::SetBorderIcons(unsigned icons) { SetAndNotify(border_icons_, icons, Property::Appearance); }
void Form::SetPosition(FormPosition position) { SetAndNotify(position_, position, Property::Appearance); }
void Form::SetStayOnTop(bool on) { SetAndNotify(stay_on_top_, on, Property::Appearance); }
void Form::SetState(ui::WindowState state) { SetAndNotify(window_state_, state, Property::WindowState); }
void Form::SetAcceptFiles(bool on) { SetAndNotify(accept_files_, on, Property::Appearance); }
void Form::SetModalResult(int result) { SetAndNotify(modal_result_, result, Property::ModalResult); }

void Form::VisibleChanged() {
  if (Visible()) {
    Fire(onShow);
  } else {
    Deactivate();
    Fire(onHide);
  }
}

int Form::ShowModal() {
  if (runner_ == nullptr) throw std::logic_error("No modal runner for the form " + Name());
  if (modal_) throw std::logic_error("The form " + Name() + " is already shown modally");
  SetModalResult(kModalNone);
  modal_ = true;
  struct ModalEnd {
    Form& form;
    ~ModalEnd() { form.modal_ = false; }
  } end{*this};
  Show();
  Activate();
  for (;;) {
    runner_->RunModal(*this);
    // A runner that returns without a result was interrupted: that is a cancel.
    if (modal_result_ == kModalNone) SetModalResult(kModalCancel);
    if (CloseModal()) break;
  }
  return modal_result_;
}

bool Form::CloseQuery() {
  bool canClose = true;
  if (onCloseQuery) {
    auto handler = onCloseQuery;
    handler(*this, canClose);
  }
  return canClose;
}

bool Form::CloseModal() {
  CloseAction action = CloseAction::None;
  if (CloseQuery()) {
    action = CloseAction::Hide;
    if (onClose) {
      auto handler = onClose;
      handler(*this, action);
    }
  }
  if (action == CloseAction::None) {
    SetModalResult(kModalNone);
    return false;
  }
  Hide();
  return true;
}

bool Form::Close() {
  if (modal_) {
    SetModalResult(kModalCancel);
    return true;
  }
  if (!CloseQuery()) return false;
  CloseAction action = CloseAction::Hide;
  if (onClose) {
    auto handler = onClose;
    handler(*this, action);
  }
  switch (action) {
    case CloseAction::None:
      return false;
    case CloseAction::Minimize:
      SetState(ui::WindowState::Minimized);
      break;
    case CloseAction::Hide:
    case CloseAction::Free:
      Hide();
      break;
  }
  return true;
}

void Form::Activate() {
  if (active_) return;
  active_ = true;
  Fire(onActivate);
}

void Form::Deactivate() {
  if (!active_) return;
  active_ = false;
  Fire(onDeactivate);
}

void Form::SetActiveControl(Control* control) {
  if (control == active_control_) return;
  if (control != nullptr && control->OwnerForm() != this)
    throw std::logic_error(control->Name() + " is not on the form " + Name());
  Control* previous = active_control_;
  // The focus has moved before the old control hears of it, as on screen.
  active_control_ = control;
  Notify(Property::Focus);
  if (previous != nullptr) {
    previous->FocusLost();
    previous->Fire(previous->onExit);
  }
  // A handler above may have moved the focus again; then that move stands.
  if (control != nullptr && active_control_ == control) control->Fire(control->onEnter);
}

void Form::UserDropFiles(const std::vector<std::string>& paths) {
  if (!accept_files_ || !onDropFiles) return;
  auto handler = onDropFiles;
  handler(*this, paths);
}

void Form::UserResize(int width, int height) {
  bool resize = true;
  if (onCanResize) {
    auto handler = onCanResize;
    handler(*this, width, height, resize);
  }
  if (!resize) return;
  SetClientSize(width, height);
  Fire(onResize);
}

bool Form::PressDialogKey(int key, Control& source) {
  if (key != keys::kEnter && key != keys::kEscape) return false;
  if (key == keys::kEnter) {
    if (auto* button = dynamic_cast<Button*>(&source)) {
      button->Click();
      return true;
    }
  }
  Button* target = nullptr;
  ForEachDescendant([&](Control& c) {
    auto* button = dynamic_cast<Button*>(&c);
    if (target != nullptr || button == nullptr || !button->AcceptsUserInput()) return;
    if (key == keys::kEscape ? button->Cancel() : button->Default()) target = button;
  });
  if (target == nullptr) return false;
  target->Click();
  return true;
}

}  // namespace kmpx::ui
