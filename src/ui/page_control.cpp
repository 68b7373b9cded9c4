#include "ui/page_control.h"

#include <stdexcept>

namespace kmpx::ui {

int TabSheet::PageIndex() const {
  const auto* owner = dynamic_cast<const PageControl*>(Parent());
  if (owner == nullptr) return -1;
  const auto sheets = owner->Sheets();
  for (std::size_t i = 0; i < sheets.size(); ++i)
    if (sheets[i] == this) return static_cast<int>(i);
  return -1;
}

std::vector<TabSheet*> PageControl::Sheets() const {
  std::vector<TabSheet*> sheets;
  for (const auto& child : Children())
    if (auto* sheet = dynamic_cast<TabSheet*>(child.get())) sheets.push_back(sheet);
  return sheets;
}

int PageControl::PageCount() const { return static_cast<int>(Sheets().size()); }

TabSheet& PageControl::Page(int index) const {
  const auto sheets = Sheets();
  if (index < 0 || index >= static_cast<int>(sheets.size()))
    throw std::out_of_range("Page index out of bounds (" + std::to_string(index) + ")");
  return *sheets[static_cast<std::size_t>(index)];
}

void PageControl::StoreActive(TabSheet* page) { SetAndNotify(active_, page, Property::ActivePage); }

void PageControl::SetActivePageIndex(int index) {
  StoreActive(index >= 0 && index < PageCount() ? &Page(index) : nullptr);
}

void PageControl::UserSelectPage(int index) {
  if (!AcceptsUserInput() || index < 0 || index >= PageCount()) return;
  TabSheet& page = Page(index);
  if (!page.TabVisible() || !page.Visible() || &page == active_) return;
  StoreActive(&page);
  Fire(onChange);
}

void PageControl::ChildAdded(Control& child) {
  if (auto* sheet = dynamic_cast<TabSheet*>(&child); sheet != nullptr && active_ == nullptr) StoreActive(sheet);
}

void PageControl::ChildRemoving(Control& child) {
  if (&child != active_) return;
  for (TabSheet* sheet : Sheets())
    if (sheet != active_) {
      StoreActive(sheet);
      return;
    }
  StoreActive(nullptr);
}

}  // namespace kmpx::ui
