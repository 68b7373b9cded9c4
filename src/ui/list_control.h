#pragma once
// The common part of lists, list boxes and check lists: items and the
// selected item. Changing the selection from code runs no handler; the
// user's selection runs what each kind documents.
#include <string>
#include <string_view>

#include "text/line_list.h"
#include "ui/control.h"

namespace kmpx::ui {

class ListControl : public Control {
 public:
  const LineList& Items() const { return items_; }
  int ItemCount() const { return items_.Count(); }
  const std::string& Item(int index) const { return items_.Get(index); }  // std::out_of_range outside

  // A sorted list puts the item in order (letter case ignored, after equal
  // items); returns where it went.
  int AddItem(std::string text);
  // Positional changes: not on a sorted list (std::logic_error).
  void InsertItem(int index, std::string text);
  void PutItem(int index, std::string text);
  void ExchangeItems(int first, int second);
  void DeleteItem(int index);
  void ClearItems();
  void SetItems(const LineList& items);
  int IndexOfItem(std::string_view text) const;  // exact text; -1 when absent

  bool Sorted() const { return sorted_; }
  void SetSorted(bool on);

  // -1: nothing selected. An index outside the items selects nothing.
  // The selection follows its item when items are inserted or deleted before
  // it, and ends when its item is deleted; put and exchange keep the index.
  int ItemIndex() const { return item_index_; }
  virtual void SetItemIndex(int index);

 protected:
  ListControl(std::string className, std::string name) : Control(std::move(className), std::move(name)) {}

  // Hooks for kinds that keep something per item or beside the selection.
  virtual void ItemInserted(int /*index*/) {}
  virtual void ItemDeleted(int /*index*/) {}
  virtual void ItemsReset() {}
  virtual void ItemIndexChanged() {}

 private:
  void RequireUnsorted(const char* operation) const;
  int SortedPosition(std::string_view text) const;
  void StoreIndex(int index);

  LineList items_;
  bool sorted_ = false;
  int item_index_ = -1;
};

// Case-insensitive order of code page 1251 text (Latin and Cyrillic, with
// "ё" beside "е"), as sorted lists use it.
int CompareTextAnsi(std::string_view a, std::string_view b);

}  // namespace kmpx::ui
