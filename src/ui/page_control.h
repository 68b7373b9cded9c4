#pragma once
// Tabbed pages: a page control whose pages are its tab-sheet children.
#include <string>
#include <vector>

#include "ui/control.h"

namespace kmpx::ui {

class TabSheet : public Control {
 public:
  explicit TabSheet(std::string name, std::string caption = {}) : Control("TTabSheet", std::move(name)) {
    SetCaption(std::move(caption));
  }

  // A page without a tab can still be made the active page from code.
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool on) { SetAndNotify(tab_visible_, on, Property::TabVisible); }
  // Position among the sheets of its page control; -1 outside one.
  int PageIndex() const;

 private:
  bool tab_visible_ = true;
};

// The first sheet added becomes the active page. Changing the active page
// from code runs no handler; the user's choice of a tab runs onChange.
class PageControl : public Control {
 public:
  explicit PageControl(std::string name) : Control("TPageControl", std::move(name)) {}

  int PageCount() const;
  TabSheet& Page(int index) const;  // std::out_of_range outside
  int ActivePageIndex() const { return active_ != nullptr ? active_->PageIndex() : -1; }
  TabSheet* ActivePage() const { return active_; }
  void SetActivePageIndex(int index);  // outside the pages: none active
  void SetActivePage(const TabSheet& page) { SetActivePageIndex(page.PageIndex()); }
  bool HotTrack() const { return hot_track_; }
  void SetHotTrack(bool on) { SetAndNotify(hot_track_, on, Property::Appearance); }
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool on) { SetAndNotify(multi_line_, on, Property::Appearance); }

  // A user's click on a visible tab.
  void UserSelectPage(int index);
  bool TakesFocus() const override { return true; }

  Handler onChange;

 protected:
  void ChildAdded(Control& child) override;
  void ChildRemoving(Control& child) override;

 private:
  friend class TabSheet;
  std::vector<TabSheet*> Sheets() const;
  void StoreActive(TabSheet* page);

  TabSheet* active_ = nullptr;
  bool hot_track_ = false;
  bool multi_line_ = false;
};

}  // namespace kmpx::ui
