#include "tooler/install_section.h"

#include <string>

#include "text/cp1251.h"
#include "text/numeric_text.h"
#include "text/string_ops.h"
#include "tooler/option_entry.h"
#include "tooler/option_slots.h"
#include "ui/combo_box.h"
#include "ui/number_fields.h"
#include "ui/text_fields.h"

namespace kmpx {
namespace {

// Restores the flag however the install ends.
class EventsPaused {
 public:
  explicit EventsPaused(bool& flag) : flag_(flag), saved_(flag) { flag_ = false; }
  ~EventsPaused() { flag_ = saved_; }
  EventsPaused(const EventsPaused&) = delete;
  EventsPaused& operator=(const EventsPaused&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

struct EntryInstall {
  const OptionEntry& entry;
  ui::Control& control;
  const ui::CheckBox& stageSwitch;
  const std::string& context;
  MessageLog& log;
  bool applyEnabled;
  bool applyDefaults;
};

void InstallCheck(const EntryInstall& in) {
  if (in.applyEnabled) in.control.SetEnabled(in.stageSwitch.Checked());
  if (in.applyDefaults)
    if (auto* box = dynamic_cast<ui::CheckBox*>(&in.control)) box->SetChecked(in.entry.TickedByDefault());
  SetActive(in.control, true);
  SetDescribed(in.control, true);
}

void InstallText(const EntryInstall& in) {
  SetDescribed(in.control, true);
  auto* field = dynamic_cast<ui::TextField*>(&in.control);
  if (field == nullptr || !in.applyDefaults) return;
  field->SetMaxLength(FieldToIntDef(in.entry.data, 1, '|', in.context, 1024, in.log));
  if (in.applyEnabled) field->SetText(GetField(in.entry.data, 2, '|'));
}

void InstallDecimal(const EntryInstall& in) {
  SetDescribed(in.control, true);
  auto* field = dynamic_cast<ui::DecimalField*>(&in.control);
  if (field == nullptr) return;
  const std::string& data = in.entry.data;
  field->SetMaxLength(FieldToIntDef(data, 1, ' ', in.context, 0, in.log));
  const double min = static_cast<double>(FieldToFloatDef(data, 2, ' ', in.context, 0, in.log));
  const double max = FieldToIntDef(data, 3, ' ', in.context, 0, in.log);
  field->SetLimits(min, max);
  if (in.applyDefaults)
    field->SetValue(static_cast<double>(FieldToFloatDef(data, 4, ' ', in.context, field->Value(), in.log)));
}

void InstallSpin(const EntryInstall& in) {
  SetDescribed(in.control, true);
  auto* field = dynamic_cast<ui::SpinField*>(&in.control);
  if (field == nullptr) return;
  const std::string& data = in.entry.data;
  field->SetMaxLength(FieldToIntDef(data, 1, ' ', in.context, 0, in.log));
  const int min = FieldToIntDef(data, 2, ' ', in.context, 0, in.log);
  const int max = FieldToIntDef(data, 3, ' ', in.context, 0, in.log);
  field->SetLimits(min, max);
  if (in.applyDefaults) field->SetValue(FieldToIntDef(data, 4, ' ', in.context, min, in.log));
}

void InstallList(const EntryInstall& in) {
  SetDescribed(in.control, true);
  if (!in.entry.IsArgument()) SetActive(in.control, true);
  if (in.applyEnabled && in.entry.IsSwitch()) in.control.SetEnabled(in.stageSwitch.Checked());
  auto* list = dynamic_cast<ui::ComboBox*>(&in.control);
  if (list == nullptr || !in.applyDefaults) return;
  const std::string& data = in.entry.data;
  if (list->Style() == ui::ComboStyle::PickOnly)
    list->SetItemIndex(FieldToIntDef(data, FieldCount(data, '|'), '|', in.context, 0, in.log));
  else
    list->SetText(data);
}

void InstallEntry(const EntryInstall& in) {
  switch (in.entry.kind) {
    case OptionKind::CH: InstallCheck(in); break;
    case OptionKind::ED: InstallText(in); break;
    case OptionKind::NE: InstallDecimal(in); break;
    case OptionKind::SP: InstallSpin(in); break;
    case OptionKind::CO: InstallList(in); break;
    case OptionKind::Other: break;
  }
}

}  // namespace

bool InstallToolerSection(OptionPageContext& context, CompilerId compiler, bool applyEnabled, bool applyDefaults) {
  ui::Control& page = context.Page(compiler);
  ui::CheckBox& stageSwitch = context.StageSwitch(compiler);
  const LineList& lines = context.Section(compiler);
  MessageBoxes& boxes = context.report.boxes;
  const std::string where = "Настройка опций компилятора "_cp + CompilerName(compiler);

  if (applyDefaults && compiler != CompilerId::NETVIS) {
    const EventsPaused paused(context.UiEventsEnabled);
    stageSwitch.SetChecked(true);
  }
  ClearSlotFlags(page, true, applyDefaults);

  ui::Control* group = nullptr;
  for (const std::string& line : lines) {
    if (line.empty()) return false;
    if (IsGroupLine(line)) {
      const auto number = ParseSlotNumber(line);
      if (!number) return false;
      group = FindSlot(page, *number, false, boxes);
      if (group == nullptr) return false;
      SetDescribed(*group, true);
      SetActive(*group, true);
      continue;
    }
    if (!IsEntryLine(line)) continue;
    if (group == nullptr) return false;
    const auto number = ParseSlotNumber(line);
    if (!number) return false;
    ui::Control* control = FindSlot(*group, *number, true, boxes);
    if (control == nullptr) {
      boxes.AskBox("Component pointer is null", "Error during install tooler cfg", BoxButtons::Ok, BoxIcon::Stop);
      return false;
    }
    const OptionEntry entry = *ParseOptionEntry(line);
    InstallEntry({entry, *control, stageSwitch, where, context.report.log, applyEnabled, applyDefaults});
  }

  DisableUndescribedSlots(page);
  if (applyDefaults && compiler == CompilerId::NETVIS) stageSwitch.SetChecked(false);
  return true;
}

}  // namespace kmpx
