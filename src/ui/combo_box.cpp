#include "ui/combo_box.h"

namespace kmpx::ui {

void ComboBox::SetStyle(ComboStyle style) {
  const std::string shown = Text();
  if (!SetAndNotify(style_, style, Property::Style)) return;
  StoreText(style_ == ComboStyle::Editable ? shown : std::string());
}

std::string ComboBox::Text() const {
  if (style_ == ComboStyle::Editable) return text_;
  return ItemIndex() >= 0 ? Item(ItemIndex()) : std::string();
}

void ComboBox::SetText(std::string text) {
  const int match = IndexOfItem(text);
  if (style_ != ComboStyle::Editable) {
    ListControl::SetItemIndex(match);
    return;
  }
  StoreText(std::move(text));
  ListControl::SetItemIndex(match);
}

void ComboBox::SetItemIndex(int index) {
  ListControl::SetItemIndex(index);
  // Clearing the selection clears an editable list's text too.
  if (style_ == ComboStyle::Editable && ItemIndex() < 0) StoreText({});
}

void ComboBox::ItemIndexChanged() {
  if (style_ == ComboStyle::Editable && ItemIndex() >= 0) StoreText(Item(ItemIndex()));
  if (style_ != ComboStyle::Editable) Notify(Property::Text);
}

void ComboBox::ItemsReset() { StoreText({}); }

void ComboBox::UserSelect(int index) {
  if (!AcceptsUserInput() || index < 0 || index >= ItemCount()) return;
  SetFocus();
  SetItemIndex(index);
  Fire(onClick);
  Fire(onSelect ? onSelect : onChange);
}

void ComboBox::UserSetText(std::string text) {
  if (!AcceptsUserInput() || style_ != ComboStyle::Editable) return;
  SetFocus();
  if (max_length_ > 0 && static_cast<int>(text.size()) > max_length_) text.resize(static_cast<std::size_t>(max_length_));
  if (text == text_) return;
  SetText(std::move(text));
  Fire(onChange);
}

void ComboBox::UserDropDown() {
  if (AcceptsUserInput()) Fire(onDropDown);
}

void ComboBox::UserCloseUp() {
  if (AcceptsUserInput()) Fire(onCloseUp);
}

}  // namespace kmpx::ui
