#include "ui/edit_control.h"

namespace kmpx::ui {

void EditControl::SetText(std::string text) {
  if (!SetAndNotify(text_, std::move(text), Property::Text)) return;
  TextChanged();
  Fire(onChange);
}

void EditControl::UserSetText(std::string text) {
  if (!AcceptsUserInput() || read_only_) return;
  SetFocus();
  text = FilterTyped(std::move(text));
  if (max_length_ > 0 && static_cast<int>(text.size()) > max_length_) text.resize(static_cast<std::size_t>(max_length_));
  SetText(std::move(text));
}

}  // namespace kmpx::ui
