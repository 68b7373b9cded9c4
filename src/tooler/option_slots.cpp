#include "tooler/option_slots.h"

#include <array>

#include "text/string_ops.h"
#include "ui/check_boxes.h"
#include "ui/combo_box.h"
#include "ui/edit_control.h"
#include "ui/list_control.h"
#include "ui/number_fields.h"

namespace kmpx {
namespace {

std::uint32_t Bits(const ui::Control& control) { return static_cast<std::uint32_t>(control.Tag()); }

void SetBit(ui::Control& control, std::uint32_t bit, bool on) {
  const std::uint32_t bits = on ? Bits(control) | bit : Bits(control) & ~bit;
  control.SetTag(static_cast<std::int32_t>(bits));
}

bool ClassStarts(const ui::Control& control, std::string_view prefix) {
  return control.ClassName().starts_with(prefix);
}

ui::Control* FindNumbered(const ui::Control& parent, int number, bool recursive) {
  for (const auto& child : parent.Children()) {
    if (SlotNumber(*child) == number) return child.get();
    if (recursive && IsSlotContainer(*child) && child->ChildCount() > 0)
      if (ui::Control* found = FindNumbered(*child, number, true)) return found;
  }
  return nullptr;
}

}  // namespace

std::int32_t SlotTag(int number, bool active, bool described) {
  std::uint32_t bits = static_cast<std::uint32_t>(number) & kSlotNumberBits;
  if (active) bits |= kActiveBit;
  if (described) bits |= kDescribedBit;
  return static_cast<std::int32_t>(bits);
}

int SlotNumber(const ui::Control& control) { return static_cast<int>(Bits(control) & kSlotNumberBits); }
bool IsActive(const ui::Control& control) { return (Bits(control) & kActiveBit) != 0; }
bool IsDescribed(const ui::Control& control) { return (Bits(control) & kDescribedBit) != 0; }
void SetActive(ui::Control& control, bool on) { SetBit(control, kActiveBit, on); }
void SetDescribed(ui::Control& control, bool on) { SetBit(control, kDescribedBit, on); }

bool IsSlotContainer(const ui::Control& control) {
  static constexpr std::array<std::string_view, 4> kPrefixes = {"TGr", "TPag", "TTabS", "TPan"};
  for (const std::string_view prefix : kPrefixes)
    if (LooseStartsWith(control.ClassName(), prefix)) return true;
  return false;
}

ui::Control* FindSlot(const ui::Control& parent, int number, bool recursive, MessageBoxes& boxes) {
  if (number == 0) {
    boxes.AskBox("Component number is null", "Error during finding component", BoxButtons::Ok, BoxIcon::Stop);
    return nullptr;
  }
  return FindNumbered(parent, number, recursive);
}

void ClearSlotFlags(ui::Control& container, bool clearDescribed, bool clearActive) {
  for (const auto& child : container.Children()) {
    if (clearDescribed) SetDescribed(*child, false);
    if (clearActive) SetActive(*child, false);
    if (IsSlotContainer(*child)) ClearSlotFlags(*child, clearDescribed, clearActive);
  }
}

void DisableUndescribedSlots(ui::Control& container) {
  for (const auto& child : container.Children()) {
    ui::Control& control = *child;
    if (IsSlotContainer(control) && control.ChildCount() > 0) {
      DisableUndescribedSlots(control);
      continue;
    }
    if (control.Tag() == 0 || IsDescribed(control)) continue;
    if (ClassStarts(control, "TCh")) {
      control.SetEnabled(false);
      if (auto* box = dynamic_cast<ui::CheckBox*>(&control)) box->SetChecked(false);
    } else if (ClassStarts(control, "TMa") || ClassStarts(control, "TSp") || ClassStarts(control, "TCo") ||
               ClassStarts(control, "TLi")) {
      control.SetEnabled(false);
    }
  }
}

bool SlotTicked(const ui::Control& slot) {
  const auto* box = dynamic_cast<const ui::CheckBox*>(&slot);
  return box != nullptr && box->Checked();
}

void WriteCheckSlot(ui::Control& slot, bool ticked, bool active, bool enabled) {
  auto* box = dynamic_cast<ui::CheckBox*>(&slot);
  if (box == nullptr) return;
  box->SetChecked(ticked);
  SetActive(*box, active);
  box->SetEnabled(enabled);
}

std::string SlotText(const ui::Control& slot) {
  if (const auto* spin = dynamic_cast<const ui::SpinField*>(&slot)) return std::to_string(spin->Value());
  if (const auto* edit = dynamic_cast<const ui::EditControl*>(&slot)) return edit->Text();
  if (const auto* list = dynamic_cast<const ui::ComboBox*>(&slot)) return list->Text();
  return {};
}

void WriteSlotText(ui::Control& slot, std::string text) {
  if (dynamic_cast<ui::SpinField*>(&slot) != nullptr || dynamic_cast<ui::DecimalField*>(&slot) != nullptr) return;
  if (auto* edit = dynamic_cast<ui::EditControl*>(&slot))
    edit->SetText(std::move(text));
  else if (auto* list = dynamic_cast<ui::ComboBox*>(&slot))
    list->SetText(std::move(text));
}

double SlotDecimal(const ui::Control& slot) {
  const auto* field = dynamic_cast<const ui::DecimalField*>(&slot);
  return field != nullptr ? field->Value() : 0;
}

void WriteSlotDecimal(ui::Control& slot, double value) {
  if (auto* field = dynamic_cast<ui::DecimalField*>(&slot)) field->SetValue(value);
}

std::int32_t SlotWhole(const ui::Control& slot) {
  const auto* spin = dynamic_cast<const ui::SpinField*>(&slot);
  return spin != nullptr ? spin->Value() : 0;
}

void WriteSlotWhole(ui::Control& slot, std::int32_t value) {
  if (auto* spin = dynamic_cast<ui::SpinField*>(&slot)) spin->SetValue(value);
}

int SlotItemIndex(const ui::Control& slot) {
  const auto* list = dynamic_cast<const ui::ListControl*>(&slot);
  return list != nullptr ? list->ItemIndex() : -1;
}

void WriteSlotItemIndex(ui::Control& slot, int index) {
  if (auto* list = dynamic_cast<ui::ListControl*>(&slot)) list->SetItemIndex(index);
}

std::string DropDownCommandValue(std::string_view data, int index) {
  // The last field is the default item, not a value.
  if (index < 0 || index + 1 >= FieldCount(data, '|')) return {};
  return GetField(data, index + 1, '|');
}

}  // namespace kmpx
