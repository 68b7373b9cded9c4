#pragma once
// The batch template editor: edits the template in place, every change at
// once, and refuses whatever would break the reserved lines' invariant.
#include <functional>
#include <string>

#include "text/dialogs.h"
#include "text/line_list.h"
#include "ui/controls.h"
#include "ui/standard_dialogs.h"

namespace kmpx {

class BatTemplateEditor {
 public:
  // Wires the handlers of a form built by BuildBatForm. showHelp opens a help topic.
  BatTemplateEditor(ui::Form& form, LineList& batTemplate, ui::StandardDialogs& dialogs, MessageBoxes& boxes,
                    std::function<void(const std::string& topic)> showHelp);

  void FormActivate();
  void ButtonAddLineClick();
  void ButtonDelLineClick();
  void ButtonUpLineClick() { MoveLine(-1); }
  void ButtonDownLineClick() { MoveLine(+1); }
  void ButtonEditLineClick();
  void BatListClick();

 private:
  void MoveLine(int step);
  void SetLineCommandsEnabled(bool on);
  void ShowTemplate(int selected);
  void ListKeyDown(int& key, ui::ShiftState shift);
  void AddedLineKeyDown(int& key, ui::ShiftState shift);

  ui::Form& form_;
  LineList& template_;
  ui::StandardDialogs& dialogs_;
  MessageBoxes& boxes_;
  std::function<void(const std::string&)> show_help_;
  ui::ListBox& list_;
  ui::TextField& added_line_;
  ui::SpeedButton& add_button_;
};

}  // namespace kmpx
