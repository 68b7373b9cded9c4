#include "ui/list_control.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "text/cp1251.h"

namespace kmpx::ui {
namespace {

// Weight of a byte in the sort order: lower case first, "ё" (0xB8) right
// after "е" (0xE5).
int SortWeight(char c) {
  const unsigned char lower = Cp1251Lower(static_cast<unsigned char>(c));
  return lower == 0xB8 ? 0xE5 * 2 + 1 : lower * 2;
}

}  // namespace

int CompareTextAnsi(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int wa = SortWeight(a[i]);
    const int wb = SortWeight(b[i]);
    if (wa != wb) return wa < wb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

void ListControl::RequireUnsorted(const char* operation) const {
  if (sorted_) throw std::logic_error(std::string(operation) + " is not allowed on the sorted list " + Name());
}

int ListControl::SortedPosition(std::string_view text) const {
  int index = 0;
  while (index < items_.Count() && CompareTextAnsi(items_.Get(index), text) <= 0) ++index;
  return index;
}

void ListControl::StoreIndex(int index) {
  if (SetAndNotify(item_index_, index, Property::ItemIndex)) ItemIndexChanged();
}

int ListControl::AddItem(std::string text) {
  const int index = sorted_ ? SortedPosition(text) : items_.Count();
  items_.Insert(index, std::move(text));
  ItemInserted(index);
  Notify(Property::Items, index);
  if (item_index_ >= index) StoreIndex(item_index_ + 1);
  return index;
}

void ListControl::InsertItem(int index, std::string text) {
  RequireUnsorted("Insert");
  items_.Insert(index, std::move(text));
  ItemInserted(index);
  Notify(Property::Items, index);
  if (item_index_ >= index) StoreIndex(item_index_ + 1);
}

void ListControl::PutItem(int index, std::string text) {
  RequireUnsorted("Put");
  if (items_.Get(index) == text) return;
  items_.Put(index, std::move(text));
  Notify(Property::Items, index);
  if (index == item_index_) ItemIndexChanged();  // the shown text of the selection changed
}

void ListControl::ExchangeItems(int first, int second) {
  RequireUnsorted("Exchange");
  std::string a = items_.Get(first);
  std::string b = items_.Get(second);
  PutItem(first, std::move(b));
  PutItem(second, std::move(a));
}

void ListControl::DeleteItem(int index) {
  items_.Delete(index);
  ItemDeleted(index);
  Notify(Property::Items, index);
  if (item_index_ == index) {
    StoreIndex(-1);
  } else if (item_index_ > index) {
    StoreIndex(item_index_ - 1);
  }
}

void ListControl::ClearItems() {
  items_.Clear();
  ItemsReset();
  Notify(Property::Items);
  StoreIndex(-1);
}

void ListControl::SetItems(const LineList& items) {
  std::vector<std::string> lines = items.Lines();
  if (sorted_)
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
      return CompareTextAnsi(a, b) < 0;
    });
  items_.Clear();
  for (auto& line : lines) items_.Add(std::move(line));
  ItemsReset();
  Notify(Property::Items);
  StoreIndex(-1);
}

int ListControl::IndexOfItem(std::string_view text) const {
  for (int i = 0; i < items_.Count(); ++i)
    if (items_.Get(i) == text) return i;
  return -1;
}

void ListControl::SetSorted(bool on) {
  if (!SetAndNotify(sorted_, on, Property::Appearance) || !on) return;
  const std::string selected = item_index_ >= 0 ? items_.Get(item_index_) : std::string();
  const bool hadSelection = item_index_ >= 0;
  SetItems(items_);
  if (hadSelection) StoreIndex(IndexOfItem(selected));
}

void ListControl::SetItemIndex(int index) {
  if (index < 0 || index >= items_.Count()) index = -1;
  StoreIndex(index);
}

}  // namespace kmpx::ui
