#include "batch/bat_editor.h"

#include <gtest/gtest.h>

#include "batch/bat_template.h"
#include "frame/forms/bat_form.h"
#include "support/scripted_standard_dialogs.h"

namespace kmpx {
namespace {

using Lines = std::vector<std::string>;
const std::string kAddRefusal = "содержит зарезервированную строку!"_cp;
const std::string kMoveRefusal = "Перемещение строки невозможно - это нарушит последовательность запуска компиляторов!"_cp;

struct Editor {
  explicit Editor(LineList lines) : batTemplate(std::move(lines)) {
    form->Activate();
  }
  ui::ListBox& List() { return form->Get<ui::ListBox>("BatList"); }
  ui::TextField& Added() { return form->Get<ui::TextField>("AddedLine"); }
  void Click(const char* name) { form->Get<ui::Control>(name).UserClick(); }
  void Select(int row) { List().UserSelect(row); }

  test::ScriptedStandardDialogs dialogs;
  MessageBoxes boxes{dialogs};
  std::unique_ptr<ui::Form> form = BuildBatForm();
  LineList batTemplate;
  std::vector<std::string> helpShown;
  BatTemplateEditor editor{*form, batTemplate, dialogs, boxes,
                           [this](const std::string& topic) { helpShown.push_back(topic); }};
};

TEST(BatTemplateEditor, DefaultTemplateRefusesEveryMoveDeleteAndEdit) {
  Editor e(DefaultBatTemplate());
  EXPECT_EQ(e.List().ItemIndex(), 0);  // opening selects the first row
  for (int row = 0; row < 6; ++row) {
    e.Select(row);
    if (row > 0) e.dialogs.Expect(kMoveRefusal, kAnswerOk);
    e.Click("ButtonUpLine");
    if (row < 5) e.dialogs.Expect(kMoveRefusal, kAnswerOk);
    e.Click("MenuDown");
    e.dialogs.Expect("\"" + e.batTemplate.Get(row) + "\"" + kAddRefusal, kAnswerOk);
    e.Click("ButtonDelLine");
    e.dialogs.Expect("Строка \""_cp + e.batTemplate.Get(row) + "\" зарезервирована - редактировать её нельзя!"_cp,
                     kAnswerOk);
    e.Click("MenuEdit");
  }
  EXPECT_EQ(e.batTemplate, DefaultBatTemplate());
  EXPECT_EQ(e.dialogs.boxes.shown.at(0).icon, BoxIcon::Exclamation);
  EXPECT_EQ(e.dialogs.boxes.shown.at(0).caption, "KMPX SHELL Professional");
}

TEST(BatTemplateEditor, AUserLineMovedUpPassesTheReservedLine) {
  Editor e({"%CSG%", "echo between", "%BSP%", "%VIS%", "%NETVIS%", "%RAD%", "%HL%"});
  e.Select(1);
  e.Click("ButtonUpLine");
  EXPECT_EQ(e.batTemplate.Get(0), "echo between");
  EXPECT_EQ(e.List().ItemIndex(), 0);
  EXPECT_EQ(TemplatePreLines(e.batTemplate, CompilerId::CSG).Lines(), (Lines{"echo between"}));
  e.Click("ButtonUpLine");  // at the top nothing happens
  e.List().UserKeyDown(ui::keys::kDown, ui::kAlt);
  e.List().UserKeyDown(ui::keys::kDown, ui::kAlt);
  EXPECT_EQ(e.batTemplate.Get(2), "echo between");
  EXPECT_EQ(e.List().Items(), e.batTemplate);
}

TEST(BatTemplateEditor, AddsBelowTheSelectionAndRefusesReservedText) {
  Editor e(DefaultBatTemplate());
  e.List().UserKeyDown(ui::keys::kInsert, ui::kNoShift);
  ASSERT_TRUE(e.Added().Focused());
  EXPECT_TRUE(e.form->Get<ui::SpeedButton>("ButtonAddLine").Enabled());

  e.Added().UserSetText("call x.bat %CSG%");
  e.dialogs.Expect("\"call x.bat %CSG%\"" + kAddRefusal, kAnswerOk);
  e.Added().UserKeyDown(ui::keys::kEnter, ui::kNoShift);
  EXPECT_EQ(e.batTemplate, DefaultBatTemplate());

  e.Added().UserSetText("echo %mapname%");
  e.Click("ButtonAddLine");
  EXPECT_EQ(e.batTemplate.Get(1), "echo %mapname%");
  EXPECT_EQ(e.List().ItemIndex(), 1);
  EXPECT_EQ(e.Added().Text(), "");

  e.Added().UserKeyDown(ui::keys::kEnter, ui::kNoShift);  // an empty text is a valid line
  EXPECT_EQ(e.batTemplate.Get(2), "");
  EXPECT_EQ(e.batTemplate.Count(), 8);

  e.List().SetFocus();
  EXPECT_FALSE(e.form->Get<ui::SpeedButton>("ButtonAddLine").Enabled());
}

TEST(BatTemplateEditor, DeletingUsesTheSelectedRowAndDisablesTheCommandsAfterwards) {
  Editor e({"%CSG%", "echo a", "%BSP%", "%VIS%", "%NETVIS%", "%RAD%", "%HL%"});
  e.Added().SetFocus();
  e.Added().UserSetText("harmless");
  e.dialogs.Expect("\"%CSG%\"" + kAddRefusal, kAnswerOk);
  e.Click("ButtonDelLine");  // the list's row 0 is selected, not the field's text

  e.Select(1);
  e.List().UserKeyDown(ui::keys::kDelete, ui::kNoShift);
  EXPECT_EQ(e.batTemplate, DefaultBatTemplate());
  EXPECT_EQ(e.List().ItemIndex(), -1);
  for (const char* name : {"ButtonUpLine", "MenuUp", "ButtonDelLine", "MenuEdit"})
    EXPECT_FALSE(e.form->Get<ui::Control>(name).Enabled()) << name;
  e.Select(2);
  EXPECT_TRUE(e.form->Get<ui::Control>("ButtonDelLine").Enabled());
}

TEST(BatTemplateEditor, EditingGoesThroughTheInputBox) {
  Editor e({"echo a", "%CSG%", "%BSP%", "%VIS%", "%NETVIS%", "%RAD%", "%HL%"});
  e.dialogs.inputs.push_back("%RAD%");
  e.dialogs.Expect("\"%RAD%\"" + kAddRefusal, kAnswerOk);
  e.List().UserDoubleClick();
  EXPECT_EQ(e.batTemplate.Get(0), "echo a");
  ASSERT_EQ(e.dialogs.inputRequests.size(), 1u);
  EXPECT_EQ(e.dialogs.inputRequests[0].caption, "Редактирование строки"_cp);
  EXPECT_EQ(e.dialogs.inputRequests[0].prompt, "Введите новый текст строки"_cp);
  EXPECT_EQ(e.dialogs.inputRequests[0].initial, "echo a");

  e.dialogs.inputs.push_back(std::nullopt);  // cancelled
  e.Click("ButtonEditLine");
  EXPECT_EQ(e.batTemplate.Get(0), "echo a");

  e.dialogs.inputs.push_back("echo b");
  e.List().UserKeyDown(ui::keys::kEnter, ui::kNoShift);
  EXPECT_EQ(e.batTemplate.Get(0), "echo b");
  EXPECT_EQ(e.List().Item(0), "echo b");
}

TEST(BatTemplateEditor, NewLineFieldKeys) {
  Editor e({"echo a", "%CSG%", "%BSP%", "%VIS%", "%NETVIS%", "%RAD%", "%HL%"});
  e.Added().SetFocus();
  e.Added().UserKeyDown(ui::keys::kRight, ui::kAlt);  // copies the selected user row
  EXPECT_EQ(e.Added().Text(), "echo a");
  e.Added().UserKeyDown(ui::keys::kLeft, ui::kAlt);
  EXPECT_EQ(e.Added().Text(), "");
  e.Select(1);
  e.Added().SetFocus();
  e.Added().UserKeyDown(ui::keys::kRight, ui::kAlt);  // a reserved row is not copied
  EXPECT_EQ(e.Added().Text(), "");
  e.Added().UserKeyDown(ui::keys::kUp, ui::kAlt);
  EXPECT_TRUE(e.List().Focused());
  e.Click("ButtonHelp");
  EXPECT_EQ(e.helpShown, (Lines{"IDH_DIALOG_BATFORM"}));
}

}  // namespace
}  // namespace kmpx
