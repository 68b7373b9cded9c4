#include "tooler/option_slots.h"

#include <gtest/gtest.h>

#include "support/test_reporting.h"
#include "ui/controls.h"

namespace kmpx {
namespace {

using test::TestReporting;

TEST(SlotTagTest, FlagsAndNumberShareTheTag) {
  ui::CheckBox box("box");
  box.SetTag(SlotTag(7));
  SetDescribed(box, true);
  SetActive(box, true);
  EXPECT_EQ(SlotNumber(box), 7);
  EXPECT_TRUE(IsDescribed(box));
  EXPECT_TRUE(IsActive(box));
  SetDescribed(box, false);
  EXPECT_EQ(SlotNumber(box), 7);
  EXPECT_TRUE(IsActive(box));
  // The common options of the General page carry -1 and -2: both flags set.
  box.SetTag(-2);
  EXPECT_EQ(SlotNumber(box), 254);
  EXPECT_TRUE(IsDescribed(box) && IsActive(box));
}

TEST(FindSlotTest, FindsByNumberInChildOrderThroughContainers) {
  TestReporting r;
  ui::GroupBox group("group");
  auto& sheets = group.Add<ui::PageControl>("sheets");
  auto& nested = sheets.Add<ui::TabSheet>("sheet").Add<ui::CheckBox>("nested");
  nested.SetTag(SlotTag(5));
  auto& later = group.Add<ui::CheckBox>("later");
  later.SetTag(SlotTag(5, true, true));  // flags do not hide the number
  auto& flat = group.Add<ui::CheckBox>("flat");
  flat.SetTag(SlotTag(2));

  EXPECT_EQ(FindSlot(group, 5, true, r.boxes), &nested);
  EXPECT_EQ(FindSlot(group, 5, false, r.boxes), &later);
  EXPECT_EQ(FindSlot(group, 2, false, r.boxes), &flat);
  EXPECT_EQ(FindSlot(group, 9, true, r.boxes), nullptr);
  EXPECT_TRUE(r.dialogs.shown.empty());
}

TEST(FindSlotTest, NumberZeroIsRefusedWithABox) {
  TestReporting r;
  ui::GroupBox group("group");
  group.Add<ui::Label>("untagged");  // tag 0 must not be taken for slot 0
  r.dialogs.Expect("Component number is null", kAnswerOk);
  EXPECT_EQ(FindSlot(group, 0, true, r.boxes), nullptr);
  ASSERT_EQ(r.dialogs.shown.size(), 1u);
  EXPECT_EQ(r.dialogs.shown[0].caption, "Error during finding component");
  EXPECT_EQ(r.dialogs.shown[0].buttons, BoxButtons::Ok);
  EXPECT_EQ(r.dialogs.shown[0].icon, BoxIcon::Stop);
}

TEST(ClearSlotFlagsTest, ClearsOnlyTheChosenFlagsAtEveryDepth) {
  ui::TabSheet page("CSG");
  auto& group = page.Add<ui::GroupBox>("group");
  group.SetTag(SlotTag(1, true, true));
  auto& deep = group.Add<ui::Panel>("panel").Add<ui::SpinField>("deep");
  deep.SetTag(SlotTag(3, true, true));

  ClearSlotFlags(page, true, false);
  EXPECT_FALSE(IsDescribed(group) || IsDescribed(deep));
  EXPECT_TRUE(IsActive(group) && IsActive(deep));
  EXPECT_EQ(SlotNumber(deep), 3);
  ClearSlotFlags(page, false, true);
  EXPECT_FALSE(IsActive(group) || IsActive(deep));
}

TEST(DisableUndescribedSlotsTest, DisablesTheListedKindsOnly) {
  ui::TabSheet page("RAD");
  auto& group = page.Add<ui::GroupBox>("group");
  group.SetTag(SlotTag(5, true, true));
  auto& inner = group.Add<ui::PageControl>("sheets").Add<ui::TabSheet>("sheet");
  auto& box = inner.Add<ui::CheckBox>("box");
  auto& mask = inner.Add<ui::MaskEdit>("mask");
  auto& spin = inner.Add<ui::SpinField>("spin");
  auto& speed = inner.Add<ui::SpeedButton>("speed");
  auto& list = inner.Add<ui::ComboBox>("list");
  auto& listBox = inner.Add<ui::ListBox>("listBox");
  auto& decimal = inner.Add<ui::DecimalField>("decimal");
  auto& button = inner.Add<ui::Button>("button");
  auto& label = inner.Add<ui::Label>("label");
  auto& described = inner.Add<ui::CheckBox>("described");
  auto& untagged = inner.Add<ui::SpinField>("untagged");
  int number = 1;
  for (ui::Control* c : std::initializer_list<ui::Control*>{&box, &mask, &spin, &speed, &list, &listBox, &decimal,
                                                            &button, &label, &described})
    c->SetTag(SlotTag(number++));
  SetDescribed(described, true);
  box.SetChecked(true);
  described.SetChecked(true);
  int clicks = 0;
  box.onClick = [&](ui::Control&) { ++clicks; };

  DisableUndescribedSlots(page);

  EXPECT_FALSE(box.Enabled());
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 1);  // unticking runs the box's reaction
  for (const ui::Control* c : {static_cast<ui::Control*>(&mask), static_cast<ui::Control*>(&spin),
                               static_cast<ui::Control*>(&speed), static_cast<ui::Control*>(&list),
                               static_cast<ui::Control*>(&listBox)})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  // Decimal fields, buttons and labels stay as their check box left them.
  for (const ui::Control* c : {static_cast<ui::Control*>(&decimal), static_cast<ui::Control*>(&button),
                               static_cast<ui::Control*>(&label), static_cast<ui::Control*>(&untagged)})
    EXPECT_TRUE(c->Enabled()) << c->Name();
  EXPECT_TRUE(described.Enabled());
  EXPECT_TRUE(described.Checked());
}

TEST(SlotValueTest, ReadsAndWritesByKind) {
  ui::GroupBox group("group");
  auto& box = group.Add<ui::CheckBox>("box");
  auto& text = group.Add<ui::MaskEdit>("text");
  auto& spin = group.Add<ui::SpinField>("spin");
  spin.SetLimits(1, 100);
  auto& decimal = group.Add<ui::DecimalField>("decimal");
  auto& list = group.Add<ui::ComboBox>("list");
  for (const char* item : {"a", "b", "c"}) list.AddItem(item);
  auto& editable = group.Add<ui::ComboBox>("editable", ui::ComboStyle::Editable);

  WriteCheckSlot(box, true, true, false);
  EXPECT_TRUE(SlotTicked(box));
  EXPECT_TRUE(IsActive(box));
  EXPECT_FALSE(box.Enabled());
  WriteSlotText(text, "\"hulls.txt\"");
  EXPECT_EQ(SlotText(text), "\"hulls.txt\"");
  WriteSlotWhole(spin, 500);  // clamped like a user's entry
  EXPECT_EQ(SlotWhole(spin), 100);
  EXPECT_EQ(SlotText(spin), "100");
  WriteSlotDecimal(decimal, 0.5);
  EXPECT_DOUBLE_EQ(SlotDecimal(decimal), 0.5);
  EXPECT_EQ(SlotText(decimal), "0,5");
  WriteSlotItemIndex(list, 2);
  EXPECT_EQ(SlotItemIndex(list), 2);
  WriteSlotText(editable, "noname");
  EXPECT_EQ(SlotText(editable), "noname");
  // A control of another kind takes no write of a value it cannot hold.
  WriteSlotText(spin, "abc");
  EXPECT_EQ(SlotWhole(spin), 100);
  EXPECT_FALSE(SlotTicked(text));
}

TEST(DropDownCommandValueTest, ValueOfEachItemButNotTheDefaultIndex) {
  const std::string data = " |Low|High|0";
  EXPECT_EQ(DropDownCommandValue(data, 0), " ");
  EXPECT_EQ(DropDownCommandValue(data, 2), "High");
  EXPECT_EQ(DropDownCommandValue(data, 3), "");  // that field is the default item
  EXPECT_EQ(DropDownCommandValue(data, -1), "");
}

}  // namespace
}  // namespace kmpx
