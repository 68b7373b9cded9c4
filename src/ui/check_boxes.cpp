#include "ui/check_boxes.h"

namespace kmpx::ui {

void CheckBox::SetChecked(bool checked) {
  if (!SetAndNotify(checked_, checked, Property::Checked)) return;
  Fire(onClick);
}

void RadioButton::SetChecked(bool checked) {
  if (!SetAndNotify(checked_, checked, Property::Checked) || !checked) return;
  if (Parent() != nullptr) {
    for (const auto& sibling : Parent()->Children()) {
      auto* other = dynamic_cast<RadioButton*>(sibling.get());
      if (other != nullptr && other != this) other->SetAndNotify(other->checked_, false, Property::Checked);
    }
  }
  Fire(onClick);
}

}  // namespace kmpx::ui
