#include "ui/buttons.h"

#include "ui/form.h"

namespace kmpx::ui {

Button::Button(std::string className, std::string name, std::string caption)
    : Control(std::move(className), std::move(name)) {
  SetCaption(std::move(caption));
}

void Button::Click() {
  if (Form* form = OwnerForm()) form->SetModalResult(modal_result_);
  Fire(onClick);
}

void SpeedButton::SetGroupIndex(int index) {
  SetAndNotify(group_index_, index, Property::Appearance);
  if (group_index_ == 0) SetAndNotify(down_, false, Property::Down);
}

void SpeedButton::SetDown(bool down) {
  if (group_index_ == 0) down = false;  // only grouped buttons stay down
  if (down == down_) return;
  if (down_ && !allow_all_up_) return;
  down_ = down;
  Notify(Property::Down);
  if (!down || Parent() == nullptr) return;
  for (const auto& sibling : Parent()->Children()) {
    auto* other = dynamic_cast<SpeedButton*>(sibling.get());
    if (other == nullptr || other == this || other->group_index_ != group_index_ || !other->down_) continue;
    other->down_ = false;
    other->Notify(Property::Down);
  }
}

void SpeedButton::DoUserClick() {
  if (group_index_ != 0) SetDown(!down_);
  Click();
}

}  // namespace kmpx::ui
