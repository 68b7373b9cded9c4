#include "batch/bat_editor.h"

#include "batch/bat_template.h"
#include "text/cp1251.h"

namespace kmpx {
namespace {

constexpr const char* kLineCommands[] = {"ButtonUpLine", "MenuUp",  "ButtonDownLine", "MenuDown",
                                         "ButtonDelLine", "MenuDel", "ButtonEditLine", "MenuEdit"};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

BatTemplateEditor::BatTemplateEditor(ui::Form& form, LineList& batTemplate, ui::StandardDialogs& dialogs,
                                     MessageBoxes& boxes, std::function<void(const std::string&)> showHelp)
    : form_(form),
      template_(batTemplate),
      dialogs_(dialogs),
      boxes_(boxes),
      show_help_(std::move(showHelp)),
      list_(form.Get<ui::ListBox>("BatList")),
      added_line_(form.Get<ui::TextField>("AddedLine")),
      add_button_(form.Get<ui::SpeedButton>("ButtonAddLine")) {
  form_.onActivate = [this](ui::Control&) { FormActivate(); };
  add_button_.onClick = [this](ui::Control&) { ButtonAddLineClick(); };
  add_button_.SetEnabled(false);
  for (const char* name : {"ButtonDelLine", "MenuDel"})
    form_.Get<ui::Control>(name).onClick = [this](ui::Control&) { ButtonDelLineClick(); };
  for (const char* name : {"ButtonUpLine", "MenuUp"})
    form_.Get<ui::Control>(name).onClick = [this](ui::Control&) { ButtonUpLineClick(); };
  for (const char* name : {"ButtonDownLine", "MenuDown"})
    form_.Get<ui::Control>(name).onClick = [this](ui::Control&) { ButtonDownLineClick(); };
  for (const char* name : {"ButtonEditLine", "MenuEdit"})
    form_.Get<ui::Control>(name).onClick = [this](ui::Control&) { ButtonEditLineClick(); };
  list_.onClick = [this](ui::Control&) { BatListClick(); };
  list_.onDblClick = [this](ui::Control&) { ButtonEditLineClick(); };
  list_.onKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { ListKeyDown(key, shift); };
  added_line_.onKeyDown = [this](ui::Control&, int& key, ui::ShiftState shift) { AddedLineKeyDown(key, shift); };
  // The add command belongs to the new-line field: usable only while it has the focus.
  added_line_.onEnter = [this](ui::Control&) { add_button_.SetEnabled(true); };
  added_line_.onExit = [this](ui::Control&) { add_button_.SetEnabled(false); };
  form_.Get<ui::Button>("ButtonHelp").onClick = [this](ui::Control&) {
    if (show_help_) show_help_("IDH_DIALOG_BATFORM");
  };
}

void BatTemplateEditor::ShowTemplate(int selected) {
  list_.SetItems(template_);
  list_.SetItemIndex(selected);
}

void BatTemplateEditor::SetLineCommandsEnabled(bool on) {
  for (const char* name : kLineCommands) form_.Get<ui::Control>(name).SetEnabled(on);
}

void BatTemplateEditor::FormActivate() {
  ShowTemplate(template_.Count() > 0 ? 0 : -1);
  list_.SetFocus();
}

void BatTemplateEditor::BatListClick() {
  if (list_.ItemIndex() >= 0) SetLineCommandsEnabled(true);
}

void BatTemplateEditor::ButtonAddLineClick() {
  const std::string text = added_line_.Text();
  if (IsReservedLine(text)) {
    boxes_.WarningBox(Quoted(text) + "содержит зарезервированную строку!"_cp);
    return;
  }
  const int at = list_.ItemIndex() + 1;  // below the selection; the top when nothing is selected
  template_.Insert(at, text);
  ShowTemplate(at);
  added_line_.SetText("");
}

void BatTemplateEditor::ButtonDelLineClick() {
  const int selected = list_.ItemIndex();
  if (selected >= 0) {
    if (IsReservedLine(template_.Get(selected))) {
      boxes_.WarningBox(Quoted(template_.Get(selected)) + "содержит зарезервированную строку!"_cp);
      return;
    }
    template_.Delete(selected);
    ShowTemplate(-1);
  }
  if (list_.ItemIndex() < 0) SetLineCommandsEnabled(false);
}

void BatTemplateEditor::MoveLine(int step) {
  const int from = list_.ItemIndex();
  const int to = from + step;
  if (from < 0 || to < 0 || to >= template_.Count()) return;
  if (IsReservedLine(template_.Get(from)) && IsReservedLine(template_.Get(to))) {
    boxes_.WarningBox("Перемещение строки невозможно - это нарушит последовательность запуска компиляторов!"_cp);
    return;
  }
  std::string moved = template_.Get(from);
  template_.Put(from, template_.Get(to));
  template_.Put(to, std::move(moved));
  ShowTemplate(to);
}

void BatTemplateEditor::ButtonEditLineClick() {
  const int selected = list_.ItemIndex();
  if (selected < 0) return;
  const std::string row = template_.Get(selected);
  if (IsReservedLine(row)) {
    boxes_.WarningBox("Строка "_cp + Quoted(row) + " зарезервирована - редактировать её нельзя!"_cp);
    return;
  }
  const auto edited = dialogs_.InputBox("Редактирование строки"_cp, "Введите новый текст строки"_cp, row);
  if (!edited) return;
  if (IsReservedLine(*edited)) {
    boxes_.WarningBox(Quoted(*edited) + "содержит зарезервированную строку!"_cp);
    return;
  }
  template_.Put(selected, *edited);
  ShowTemplate(selected);
}

void BatTemplateEditor::ListKeyDown(int& key, ui::ShiftState shift) {
  if (shift == ui::kAlt && (key == ui::keys::kUp || key == ui::keys::kDown)) {
    MoveLine(key == ui::keys::kUp ? -1 : +1);
    key = 0;
  } else if (shift == ui::kNoShift && key == ui::keys::kInsert) {
    added_line_.SetFocus();
    key = 0;
  } else if (shift == ui::kNoShift && key == ui::keys::kDelete) {
    ButtonDelLineClick();
    key = 0;
  } else if (shift == ui::kNoShift && key == ui::keys::kEnter) {
    ButtonEditLineClick();
    key = 0;
  }
}

void BatTemplateEditor::AddedLineKeyDown(int& key, ui::ShiftState shift) {
  if (shift == ui::kNoShift && key == ui::keys::kEnter) {
    ButtonAddLineClick();
    key = 0;
  } else if (shift == ui::kAlt && key == ui::keys::kLeft) {
    added_line_.SetText("");
    key = 0;
  } else if (shift == ui::kAlt && key == ui::keys::kRight) {
    const int selected = list_.ItemIndex();
    if (selected >= 0 && !IsReservedLine(template_.Get(selected))) added_line_.SetText(template_.Get(selected));
    key = 0;
  } else if (shift == ui::kAlt && key == ui::keys::kUp) {
    list_.SetFocus();
    key = 0;
  }
}

}  // namespace kmpx
