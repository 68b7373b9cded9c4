#include "ui/control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/cp1251.h"
#include "ui/controls.h"
#include "ui/fake_clock.h"

namespace kmpx::ui {
namespace {

std::vector<std::string> ChildNames(const Control& parent) {
  std::vector<std::string> names;
  for (const auto& child : parent.Children()) names.push_back(child->Name());
  return names;
}

TEST(ControlTree, KeepsChildrenInInsertionOrderAndFindsDepthFirst) {
  Form form("KSWin", "TKSWin");
  auto& page = form.Add<TabSheet>("CSG");
  auto& group = page.Add<GroupBox>("CSGcompileprocess", "Процесс компиляции"_cp);
  auto& threads = group.Add<CheckBox>("CSGThreads", "Threads");
  group.Add<SpinField>("_CSGThreads");
  auto& scroller = page.Add<PageScroller>("Scroller");
  scroller.Add<Panel>("Inner").Add<CheckBox>("CSGNoclip", "Noclip");
  group.Add<CheckBox>("CSGTexdata", "Texdata");

  EXPECT_EQ(ChildNames(group), (std::vector<std::string>{"CSGThreads", "_CSGThreads", "CSGTexdata"}));
  EXPECT_EQ(form.FindChild("csgthreads"), &threads);  // names ignore letter case
  EXPECT_EQ(form.FindChild("CSGNoclip")->Parent()->Name(), "Inner");
  EXPECT_EQ(form.FindChild("missing"), nullptr);
  EXPECT_EQ(group.Child(1).Name(), "_CSGThreads");
  EXPECT_EQ(threads.IndexInParent(), 0);
  EXPECT_EQ(threads.OwnerForm(), &form);
  EXPECT_EQ(&form.Get<SpinField>("_CSGThreads"), form.FindChild("_CSGThreads"));
  EXPECT_THROW(form.Get<CheckBox>("_CSGThreads"), std::out_of_range);  // there, but another kind
  EXPECT_THROW(group.Child(3), std::out_of_range);

  auto removed = group.Remove(threads);
  EXPECT_EQ(removed->Parent(), nullptr);
  EXPECT_EQ(ChildNames(group), (std::vector<std::string>{"_CSGThreads", "CSGTexdata"}));
  EXPECT_THROW(group.Remove(*removed), std::logic_error);
}

TEST(ControlTree, EnabledIsTheControlsOwnFlag) {
  Form form("KSWin", "TKSWin");
  auto& group = form.Add<GroupBox>("Group");
  auto& box = group.Add<CheckBox>("Box");
  int clicks = 0;
  box.onClick = [&](Control&) { ++clicks; };

  group.SetEnabled(false);
  EXPECT_TRUE(box.Enabled());
  EXPECT_FALSE(box.EffectivelyEnabled());
  box.UserClick();  // the user cannot reach a box inside a disabled group
  EXPECT_FALSE(box.Checked());
  box.SetChecked(true);  // code can
  EXPECT_EQ(clicks, 1);

  box.SetEnabled(false);
  group.SetEnabled(true);
  EXPECT_FALSE(box.Enabled());  // re-enabling the group does not re-enable the box
  box.SetEnabled(true);
  box.UserClick();
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 2);

  group.SetVisible(false);  // nor can the user reach a hidden one
  box.UserClick();
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(box.Visible());
}

TEST(ControlTree, ClassNamesFollowTheDesign) {
  FakeClock clock;
  Form form("PrefWin", "TPrefWin");
  struct Case {
    Control& control;
    const char* className;
  };
  const Case cases[] = {
      {form, "TPrefWin"},
      {form.Add<CheckBox>("a"), "TCheckBox"},
      {form.Add<RadioButton>("b"), "TRadioButton"},
      {form.Add<TextField>("c"), "TEdit"},
      {form.Add<MaskEdit>("d"), "TMaskEdit"},
      {form.Add<LabeledEdit>("e"), "TLabeledEdit"},
      {form.Add<SpinField>("f"), "TSpinEdit"},
      {form.Add<DecimalField>("g"), "TPBNumEdit"},
      {form.Add<ComboBox>("h"), "TComboBox"},
      {form.Add<ListBox>("i"), "TListBox"},
      {form.Add<CheckListBox>("j"), "TCheckListBox"},
      {form.Add<GroupBox>("k"), "TGroupBox"},
      {form.Add<Panel>("l"), "TPanel"},
      {form.Add<PageScroller>("m"), "TPageScroller"},
      {form.Add<PageControl>("n"), "TPageControl"},
      {form.Add<TabSheet>("o"), "TTabSheet"},
      {form.Add<Button>("p"), "TButton"},
      {form.Add<BitButton>("q"), "TBitBtn"},
      {form.Add<SpeedButton>("r"), "TSpeedButton"},
      {form.Add<Label>("s"), "TLabel"},
      {form.Add<Memo>("t"), "TMemo"},
      {form.Add<RichText>("u"), "TRichEdit"},
      {form.Add<StatusBar>("v"), "TStatusBar"},
      {form.Add<MainMenu>("w"), "TMainMenu"},
      {form.Add<PopupMenu>("x"), "TPopupMenu"},
      {form.Add<MenuItem>("y"), "TMenuItem"},
      {form.Add<Timer>("z", clock), "TTimer"},
      {form.Add<TimeCounter>("z2", clock), "TKZTimeCounter"},
      {form.Add<TrayIcon>("z3"), "TCoolTrayIcon"},
      {form.Add<TimePicker>("z4"), "TDateTimePicker"},
      {form.Add<ToolBar>("z5"), "TToolBar"},
      {form.Add<Image>("z6"), "TImage"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.control.ClassName(), c.className) << c.control.Name();
}

TEST(ControlObservers, HearEveryRealChangeUntilRemoved) {
  Form form("F", "TF");
  auto& box = form.Add<CheckBox>("Box");
  std::vector<Property> heard;
  const int id = box.AddObserver([&](Control&, Property p, int) { heard.push_back(p); });

  box.SetChecked(true);
  box.SetChecked(true);  // no change, no news
  box.SetCaption("Threads");
  box.SetEnabled(false);
  box.SetTag(-1);
  EXPECT_EQ(heard, (std::vector<Property>{Property::Checked, Property::Caption, Property::Enabled, Property::Tag}));

  box.RemoveObserver(id);
  box.SetChecked(false);
  EXPECT_EQ(heard.size(), 4u);
}

TEST(ControlObservers, MayRemoveThemselvesWhileBeingNotified) {
  Form form("F", "TF");
  auto& field = form.Add<TextField>("Field");
  int first = 0;
  int second = 0;
  int firstId = 0;
  firstId = field.AddObserver([&](Control& c, Property, int) {
    ++first;
    c.RemoveObserver(firstId);
  });
  field.AddObserver([&](Control&, Property, int) { ++second; });
  field.SetText("a");
  field.SetText("b");
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 2);
}

TEST(ControlObservers, AreToldOfCollectionEntriesAndOfTheEnd) {
  Form form("F", "TF");
  auto* list = &form.Add<ListBox>("List");
  std::vector<std::pair<Property, int>> heard;
  list->AddObserver([&](Control&, Property p, int index) { heard.emplace_back(p, index); });
  list->AddItem("a");
  list->AddItem("b");
  list->DeleteItem(0);
  auto owned = form.Remove(*list);
  owned.reset();
  EXPECT_EQ(heard, (std::vector<std::pair<Property, int>>{
                       {Property::Items, 0}, {Property::Items, 1}, {Property::Items, 0}, {Property::Destroyed, -1}}));
}

TEST(ControlFocus, MovesWithExitBeforeEnterAndOnlyToReachableControls) {
  Form form("F", "TF");
  auto& first = form.Add<TextField>("First");
  auto& second = form.Add<TextField>("Second");
  auto& label = form.Add<Label>("Caption");
  std::vector<std::string> events;
  for (TextField* f : {&first, &second}) {
    f->onEnter = [&](Control& c) { events.push_back("enter " + c.Name()); };
    f->onExit = [&](Control& c) { events.push_back("exit " + c.Name()); };
  }
  EXPECT_TRUE(first.SetFocus());
  EXPECT_TRUE(second.SetFocus());
  EXPECT_EQ(events, (std::vector<std::string>{"enter First", "exit First", "enter Second"}));
  EXPECT_TRUE(second.Focused());

  EXPECT_FALSE(label.SetFocus());  // labels never take the focus
  first.SetEnabled(false);
  EXPECT_FALSE(first.SetFocus());
  EXPECT_EQ(form.ActiveControl(), &second);

  auto removed = form.Remove(second);  // the focus does not leave with the control
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST(ControlFocus, AUsersClickFocusesBeforeTheHandlerRuns) {
  // A reaction can tell the user's click from a change in code by the focus.
  Form form("KSWin", "TKSWin");
  auto& visuse = form.Add<CheckBox>("visuse");
  std::vector<bool> focusedInHandler;
  visuse.onClick = [&](Control& c) { focusedInHandler.push_back(c.Focused()); };
  visuse.SetChecked(true);
  visuse.UserClick();
  EXPECT_EQ(focusedInHandler, (std::vector<bool>{false, true}));
}

TEST(ControlKeys, HandlersMayConsumeAndTheFormMayPreview) {
  Form form("BatFormWin", "TBatFormWin");
  auto& field = form.Add<TextField>("AddedLine");
  std::vector<std::string> seen;
  form.onKeyPress = [&](Control&, char& key) { seen.push_back(std::string("form ") + key); };
  field.onKeyPress = [&](Control&, char& key) {
    seen.push_back(std::string("field ") + key);
    if (key == '=' || key == '|') key = 0;
  };
  EXPECT_EQ(field.UserKeyPress('a'), 'a');
  EXPECT_EQ(field.UserKeyPress('='), 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"field a", "field ="}));  // no preview unless asked

  form.SetKeyPreview(true);
  form.onKeyPress = [&](Control&, char& key) { key = key == 'x' ? 0 : key; };
  EXPECT_EQ(field.UserKeyPress('x'), 0);
  EXPECT_EQ(seen.size(), 2u);  // consumed by the form: the field never saw it

  int down = 0;
  field.onKeyDown = [&](Control&, int& key, ShiftState shift) {
    if (key == keys::kUp && shift == kAlt) {
      ++down;
      key = 0;
    }
  };
  EXPECT_EQ(field.UserKeyDown(keys::kUp, kAlt), 0);
  EXPECT_EQ(field.UserKeyDown(keys::kUp, kAlt | kCtrl), keys::kUp);
  EXPECT_EQ(down, 1);
}

TEST(ControlKeys, EnterAndEscapeNotConsumedPressTheDialogButtons) {
  Form form("PasswordWin", "TPasswordWin");
  auto& field = form.Add<TextField>("PasswordEdit");
  auto& notes = form.Add<Memo>("Notes");
  auto& set = form.Add<Button>("ButtonSet", "Установить"_cp);
  auto& cancel = form.Add<Button>("ButtonCancel", "Отмена"_cp);
  set.SetDefault(true);
  set.SetModalResult(kModalOk);
  cancel.SetCancel(true);
  cancel.SetModalResult(kModalCancel);

  EXPECT_EQ(field.UserKeyDown(keys::kEscape, kNoShift), 0);
  EXPECT_EQ(form.ModalResult(), kModalCancel);
  EXPECT_EQ(field.UserKeyDown(keys::kEnter, kNoShift), 0);
  EXPECT_EQ(form.ModalResult(), kModalOk);

  form.SetModalResult(kModalNone);
  EXPECT_EQ(notes.UserKeyDown(keys::kEnter, kNoShift), keys::kEnter);  // a memo keeps Enter for a new line
  EXPECT_EQ(form.ModalResult(), kModalNone);

  field.onKeyDown = [](Control&, int& key, ShiftState) { key = key == keys::kEnter ? 0 : key; };
  EXPECT_EQ(field.UserKeyDown(keys::kEnter, kNoShift), 0);
  EXPECT_EQ(form.ModalResult(), kModalNone);  // the field's own use of Enter comes first

  set.SetEnabled(false);
  EXPECT_EQ(cancel.UserKeyDown(keys::kEnter, kNoShift), 0);  // Enter on a button presses that button
  EXPECT_EQ(form.ModalResult(), kModalCancel);
}

}  // namespace
}  // namespace kmpx::ui
