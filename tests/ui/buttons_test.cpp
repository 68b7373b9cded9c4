#include "ui/buttons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/cp1251.h"
#include "ui/check_boxes.h"
#include "ui/form.h"
#include "ui/menus.h"

namespace kmpx::ui {
namespace {

TEST(CheckBox, CodeChangesRunTheClickHandlerOnlyWhenTheStateChanges) {
  struct Case {
    bool from;
    bool to;
    int clicks;
  };
  const Case cases[] = {{false, true, 1}, {true, false, 1}, {false, false, 0}, {true, true, 0}};
  for (const auto& c : cases) {
    Form form("F", "TF");
    auto& box = form.Add<CheckBox>("CSGThreads");
    box.SetChecked(c.from);
    int clicks = 0;
    bool stateInHandler = false;
    box.onClick = [&](Control&) {
      ++clicks;
      stateInHandler = box.Checked();
    };
    box.SetChecked(c.to);
    EXPECT_EQ(clicks, c.clicks) << c.from << "->" << c.to;
    if (c.clicks > 0) {
      EXPECT_EQ(stateInHandler, c.to);  // the handler sees the new state
    }
  }
}

TEST(CheckBox, AUsersClickToggles) {
  Form form("F", "TF");
  auto& box = form.Add<CheckBox>("Box");
  int clicks = 0;
  box.onClick = [&](Control&) { ++clicks; };
  box.UserClick();
  box.UserClick();
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 2);
}

TEST(RadioButton, ButtonsOfOneParentAreExclusive) {
  Form form("SelMapnameWin", "TSelMapnameWin");
  auto& group = form.Add<GroupBox>("Choice");
  auto& first = group.Add<RadioButton>("SelPath1", "Путь №1"_cp);
  auto& second = group.Add<RadioButton>("SelPath2", "Путь №2"_cp);
  auto& elsewhere = form.Add<RadioButton>("Other");
  std::vector<std::string> clicks;
  for (RadioButton* r : {&first, &second, &elsewhere})
    r->onClick = [&](Control& c) { clicks.push_back(c.Name()); };

  first.SetChecked(true);
  elsewhere.SetChecked(true);
  second.UserClick();
  second.UserClick();  // already checked: nothing
  EXPECT_FALSE(first.Checked());
  EXPECT_TRUE(second.Checked());
  EXPECT_TRUE(elsewhere.Checked());  // another parent, another group
  second.SetChecked(false);          // unchecking runs nothing
  EXPECT_EQ(clicks, (std::vector<std::string>{"SelPath1", "Other", "SelPath2"}));
}

TEST(SpeedButton, GroupedButtonsAreExclusiveAndCodeRunsNoHandler) {
  Form form("KSWin", "TKSWin");
  auto& strip = form.Add<Panel>("PageButtonsControl");
  auto& general = strip.Add<SpeedButton>("PageGeneral", "Общие"_cp);
  auto& csg = strip.Add<SpeedButton>("PageCSG", "CSG");
  auto& plain = strip.Add<SpeedButton>("SaveButton");
  for (SpeedButton* b : {&general, &csg}) b->SetGroupIndex(1);
  std::vector<std::string> clicks;
  for (SpeedButton* b : {&general, &csg, &plain}) b->onClick = [&](Control& c) { clicks.push_back(c.Name()); };

  general.SetDown(true);
  csg.SetDown(true);
  EXPECT_FALSE(general.Down());
  EXPECT_TRUE(clicks.empty());

  csg.UserClick();  // a down button of a group without AllowAllUp stays down, but the click runs
  EXPECT_TRUE(csg.Down());
  csg.SetDown(false);
  EXPECT_TRUE(csg.Down());
  general.UserClick();
  EXPECT_TRUE(general.Down());
  EXPECT_FALSE(csg.Down());

  plain.SetDown(true);  // without a group a button never stays down
  plain.UserClick();
  EXPECT_FALSE(plain.Down());
  EXPECT_EQ(clicks, (std::vector<std::string>{"PageCSG", "PageGeneral", "SaveButton"}));
  EXPECT_EQ(form.ActiveControl(), nullptr);  // tool buttons never take the focus
}

TEST(SpeedButton, AllowAllUpMakesAToggle) {
  Form form("MessageWin", "TMessageWin");
  auto& toggle = form.Add<SpeedButton>("ShowWinMode");
  toggle.SetGroupIndex(2);
  toggle.SetAllowAllUp(true);
  std::vector<bool> seen;
  toggle.onClick = [&](Control&) { seen.push_back(toggle.Down()); };
  toggle.UserClick();
  toggle.UserClick();
  toggle.SetDown(true);
  toggle.SetDown(false);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(Button, GivesTheFormItsModalResultBeforeTheHandlerRuns) {
  Form form("PasswordWin", "TPasswordWin");
  auto& set = form.Add<Button>("ButtonSet");
  set.SetModalResult(kModalOk);
  int resultInHandler = -1;
  bool keepOpen = false;
  set.onClick = [&](Control&) {
    resultInHandler = form.ModalResult();
    if (keepOpen) form.SetModalResult(kModalNone);
  };
  set.UserClick();
  EXPECT_EQ(resultInHandler, kModalOk);
  EXPECT_EQ(form.ModalResult(), kModalOk);
  keepOpen = true;
  set.Click();
  EXPECT_EQ(form.ModalResult(), kModalNone);  // a handler can keep the dialog open
  EXPECT_TRUE(set.Focused());
}

TEST(MenuItem, CheckedFromCodeIsSilentAndAChoiceRunsTheHandler) {
  Form form("KSWin", "TKSWin");
  auto& menu = form.Add<MainMenu>("MainMenu1");
  auto& windows = menu.Add<MenuItem>("ProgWindows", "Окна"_cp);
  auto& mesWin = windows.Add<MenuItem>("MmenuMesWin", "Окно сообщений"_cp, "F11");
  int clicks = 0;
  mesWin.onClick = [&](Control&) { ++clicks; };
  mesWin.SetChecked(true);
  EXPECT_EQ(clicks, 0);
  mesWin.UserClick();
  EXPECT_TRUE(mesWin.Checked());  // no auto-check: the handler decides
  EXPECT_EQ(clicks, 1);
  mesWin.SetAutoCheck(true);
  mesWin.Click();
  EXPECT_FALSE(mesWin.Checked());
  windows.SetEnabled(false);
  mesWin.UserClick();
  EXPECT_EQ(clicks, 2);
}

TEST(MenuItem, RadioItemsOfOneGroupAreExclusive) {
  Form form("KSWin", "TKSWin");
  auto& side = form.Add<MainMenu>("MainMenu1").Add<MenuItem>("N3");
  auto& left = side.Add<MenuItem>("MMenuTabLeft", "Слева"_cp, "Ctrl+L");
  auto& right = side.Add<MenuItem>("MMenuTabRight", "Справа"_cp, "Ctrl+R");
  auto& other = side.Add<MenuItem>("Other");
  for (MenuItem* m : {&left, &right}) {
    m->SetRadioItem(true);
    m->SetGroupIndex(1);
  }
  other.SetChecked(true);
  left.SetChecked(true);
  right.SetChecked(true);
  EXPECT_FALSE(left.Checked());
  EXPECT_TRUE(right.Checked());
  EXPECT_TRUE(other.Checked());
}

TEST(MenuItem, ShortcutsAreFoundAsTheDesignWritesThem) {
  Form form("KSWin", "TKSWin");
  auto& menu = form.Add<MainMenu>("MainMenu1");
  auto& compile = menu.Add<MenuItem>("MMenuCompile", "Команды"_cp);
  auto& run = compile.Add<MenuItem>("RunCompile", "Запустить компиляцию"_cp, "F9");
  auto& bat = compile.Add<MenuItem>("RunBatFile", "Запустить Bat-файл"_cp, "Ctrl+F9");
  auto& lock = compile.Add<MenuItem>("KMPXSHELL1", "Блокировать KMPX SHELL"_cp, "Ctrl+Alt+B");
  auto& hidden = compile.Add<MenuItem>("Hidden", "x", "F5");
  hidden.SetVisible(false);
  EXPECT_EQ(FindShortcut(menu, "F9"), &run);
  EXPECT_EQ(FindShortcut(menu, "ctrl+f9"), &bat);
  EXPECT_EQ(FindShortcut(menu, "Ctrl + Alt + B"), &lock);
  EXPECT_EQ(FindShortcut(menu, "F5"), nullptr);
  EXPECT_EQ(FindShortcut(menu, "F1"), nullptr);
  EXPECT_TRUE(menu.Add<MenuItem>("N17", "-").IsSeparator());
}

TEST(PopupMenu, RemembersTheControlItPopsUpOver) {
  Form form("KSWin", "TKSWin");
  auto& help = form.Add<PopupMenu>("HelpMenu");
  auto& box = form.Add<CheckBox>("CSGThreads");
  box.SetPopupMenu(&help);
  std::string keyword;
  help.onPopup = [&](Control&) { keyword = help.PopupComponent()->Name(); };
  help.Popup(box.Popup() == &help ? &box : nullptr);
  EXPECT_EQ(keyword, "CSGThreads");
}

}  // namespace
}  // namespace kmpx::ui
