#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/cp1251.h"
#include "text/line_list.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/list_boxes.h"

namespace kmpx::ui {
namespace {

const LineList kPriorities{"По умолчанию"_cp, "Низкий"_cp, "Высокий"_cp};

struct ComboEvents {
  std::vector<std::string> fired;
  void Wire(ComboBox& combo, bool withSelect) {
    combo.onClick = [this](Control&) { fired.push_back("click"); };
    combo.onChange = [this](Control&) { fired.push_back("change"); };
    if (withSelect) combo.onSelect = [this](Control&) { fired.push_back("select"); };
  }
};

TEST(ComboBox, SelectionFromCodeRunsNothingAndTheUsersChoiceRunsItsHandlers) {
  Form form("KSWin", "TKSWin");
  auto& priority = form.Add<ComboBox>("CSGPriority");
  priority.SetItems(kPriorities);
  ComboEvents events;
  events.Wire(priority, false);

  priority.SetItemIndex(2);
  EXPECT_EQ(priority.Text(), "Высокий"_cp);
  priority.SetText("Низкий"_cp);  // a fixed list selects the item of that text
  EXPECT_EQ(priority.ItemIndex(), 1);
  priority.SetItemIndex(7);  // outside the items: nothing selected
  EXPECT_EQ(priority.ItemIndex(), -1);
  EXPECT_EQ(priority.Text(), "");
  EXPECT_TRUE(events.fired.empty());

  priority.UserSelect(0);
  priority.UserSelect(0);  // choosing the current item is still a choice
  EXPECT_EQ(events.fired, (std::vector<std::string>{"click", "change", "click", "change"}));

  auto& tooler = form.Add<ComboBox>("ToolerType");
  tooler.SetItems({"QTOOLS", "KMPX 2.5.3-1.7"});
  ComboEvents toolerEvents;
  toolerEvents.Wire(tooler, true);
  tooler.UserSelect(1);  // with a select handler the choice does not run onChange
  EXPECT_EQ(toolerEvents.fired, (std::vector<std::string>{"click", "select"}));
}

TEST(ComboBox, AnEditableListKeepsItsOwnText) {
  Form form("KSWin", "TKSWin");
  auto& preset = form.Add<ComboBox>("Preset", ComboStyle::Editable);
  preset.SetItems({"alpha", "beta"});
  preset.SetMaxLength(6);
  ComboEvents events;
  events.Wire(preset, false);

  preset.SetText("beta");  // setting the text selects the item of exactly that text
  EXPECT_EQ(preset.ItemIndex(), 1);
  preset.SetText("gamma");
  EXPECT_EQ(preset.ItemIndex(), -1);
  EXPECT_EQ(preset.Text(), "gamma");
  EXPECT_TRUE(events.fired.empty());

  preset.UserSetText("my preset");
  EXPECT_EQ(preset.Text(), "my pre");
  preset.UserSelect(0);
  EXPECT_EQ(preset.Text(), "alpha");
  EXPECT_EQ(events.fired, (std::vector<std::string>{"change", "click", "change"}));

  preset.DeleteItem(0);  // deleting the chosen item keeps the typed text
  EXPECT_EQ(preset.ItemIndex(), -1);
  EXPECT_EQ(preset.Text(), "alpha");
  preset.ClearItems();  // emptying the list empties the text too
  EXPECT_EQ(preset.Text(), "");

  auto& fixed = form.Add<ComboBox>("Fixed");
  fixed.SetItems(kPriorities);
  fixed.UserSetText("typed");  // a fixed list cannot be typed into
  EXPECT_EQ(fixed.Text(), "");
}

TEST(ListControl, TheSelectionFollowsItsItem) {
  struct Case {
    const char* operation;
    int selectedBefore;
    int selectedAfter;
  };
  const Case cases[] = {
      {"insert before", 2, 3}, {"insert after", 0, 0},  {"delete before", 2, 1},
      {"delete it", 1, -1},    {"delete after", 0, 0},  {"put it", 1, 1},
      {"exchange it", 1, 1},   {"clear", 1, -1},
  };
  for (const auto& c : cases) {
    Form form("F", "TF");
    auto& list = form.Add<ListBox>("BatList");
    list.SetItems({"a", "b", "c"});
    list.SetItemIndex(c.selectedBefore);
    const std::string op = c.operation;
    if (op == "insert before") list.InsertItem(0, "x");
    if (op == "insert after") list.InsertItem(2, "x");
    if (op == "delete before") list.DeleteItem(0);
    if (op == "delete it") list.DeleteItem(1);
    if (op == "delete after") list.DeleteItem(2);
    if (op == "put it") list.PutItem(1, "B");
    if (op == "exchange it") list.ExchangeItems(1, 2);
    if (op == "clear") list.ClearItems();
    EXPECT_EQ(list.ItemIndex(), c.selectedAfter) << op;
  }
}

TEST(ListControl, ASortedListKeepsItsItemsInOrder) {
  Form form("KSWin", "TKSWin");
  auto& preset = form.Add<ComboBox>("Preset", ComboStyle::Editable);
  preset.SetItems({"zeta", "Бета"_cp, "alpha"});
  preset.SetItemIndex(0);
  preset.SetSorted(true);
  EXPECT_EQ(preset.Items(), (LineList{"alpha", "zeta", "Бета"_cp}));
  EXPECT_EQ(preset.Text(), "zeta");  // the selection stays on its item
  EXPECT_EQ(preset.AddItem("Beta"), 1);
  EXPECT_EQ(preset.AddItem("ALPHA"), 1);  // after equal items, letter case ignored
  EXPECT_EQ(preset.AddItem("ёлка"_cp), 5);
  EXPECT_EQ(preset.AddItem("жук"_cp), 6);  // "ё" sorts between "е" and "ж"
  EXPECT_EQ(preset.AddItem("ель"_cp), 5);
  EXPECT_THROW(preset.InsertItem(0, "x"), std::logic_error);
  EXPECT_THROW(preset.PutItem(0, "x"), std::logic_error);
}

TEST(ListBox, OnlyTheUsersClickRunsTheClickHandler) {
  Form form("BatFormWin", "TBatFormWin");
  auto& list = form.Add<ListBox>("BatList");
  list.SetItems({"%CSG%", "%BSP%"});
  int clicks = 0;
  list.onClick = [&](Control&) { ++clicks; };
  list.SetItemIndex(1);
  list.UserSelect(0);
  list.UserSelect(5);  // no such row
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(list.Focused());
}

TEST(CheckListBox, RowsCarryTickAndEnabledAndOnlyTheUserRunsTheHandler) {
  Form form("SelBatLinesWin", "TSelBatLinesWin");
  auto& lines = form.Add<CheckListBox>("BatLines");
  lines.AddItem("@echo off");
  lines.AddItem("hlcsg.exe test");
  EXPECT_FALSE(lines.Checked(0));  // new rows: unticked and enabled
  EXPECT_TRUE(lines.ItemEnabled(0));
  int clicks = 0;
  lines.onClickCheck = [&](Control&) { ++clicks; };

  lines.SetChecked(1, true);
  lines.SetItemEnabled(0, false);
  lines.UserToggleCheck(0);  // a disabled row cannot be ticked
  lines.UserToggleCheck(1);
  EXPECT_FALSE(lines.Checked(0));
  EXPECT_FALSE(lines.Checked(1));
  EXPECT_EQ(clicks, 1);

  lines.InsertItem(0, "rem first");  // row states move with their rows
  EXPECT_FALSE(lines.ItemEnabled(1));
  EXPECT_TRUE(lines.ItemEnabled(0));
  lines.DeleteItem(0);
  EXPECT_FALSE(lines.ItemEnabled(0));
  EXPECT_THROW(lines.Checked(2), std::out_of_range);
}

TEST(CheckListBox, FillCheckListTicksAndEnablesEveryLine) {
  Form form("SelBatLinesWin", "TSelBatLinesWin");
  auto& lines = form.Add<CheckListBox>("BatLines");
  lines.AddItem("old");
  lines.SetItemEnabled(0, false);
  FillCheckList(lines, {"hlcsg.exe a", "hlcsg.exe b", ""});
  ASSERT_EQ(lines.Items(), (LineList{"hlcsg.exe a", "hlcsg.exe b", ""}));
  for (int i = 0; i < lines.ItemCount(); ++i) {
    EXPECT_TRUE(lines.Checked(i)) << i;
    EXPECT_TRUE(lines.ItemEnabled(i)) << i;
  }
}

}  // namespace
}  // namespace kmpx::ui
