#include "batch/stage_line.h"

#include "batch/command_line.h"
#include "text/cp1251.h"
#include "text/string_ops.h"
#include "tooler/option_entry.h"
#include "tooler/option_slots.h"
#include "ui/controls.h"

namespace kmpx {
namespace {

// A list's command-line value: the entry's value for the selected item of a
// fixed list, the typed or chosen text of any other list.
std::string ComboValue(const ui::Control& slot, const OptionEntry& entry) {
  const auto* combo = dynamic_cast<const ui::ComboBox*>(&slot);
  if (combo == nullptr) return {};
  if (combo->Style() == ui::ComboStyle::PickOnly) return GetField(entry.data, combo->ItemIndex() + 1, '|');
  return combo->Text();
}

void ReportEmptyText(const StageLineInputs& inputs, const std::string& line, MessageLog& log) {
  const std::string where = "(Создание строки bat-файла для компилятора "_cp + CompilerName(inputs.stage) + ": " +
                            line + " <?>) ";
  log.Error(where + "Не задан параметр опции!"_cp, true);
  log.Error(where + "Формирование строки для данного компилятора не завершено!"_cp, false);
}

}  // namespace

std::string BuildStageLine(const StageLineInputs& inputs, MessageLog& log, MessageBoxes& boxes) {
  std::string line = (inputs.inUse ? "" : "REM ") + inputs.exeName;
  const ui::Control* group = nullptr;
  if (inputs.section != nullptr && inputs.page != nullptr) {
    for (const std::string& text : *inputs.section) {
      if (IsGroupLine(text)) {
        const auto number = ParseSlotNumber(text);
        group = number ? FindSlot(*inputs.page, *number, false, boxes) : nullptr;
        continue;
      }
      const auto entry = ParseOptionEntry(text);
      if (!entry || !(entry->IsSwitch() || entry->IsArgument()) || group == nullptr) continue;
      const auto number = ParseSlotNumber(text);
      const ui::Control* slot = number ? FindSlot(*group, *number, true, boxes) : nullptr;
      if (slot == nullptr || !IsActive(*slot)) continue;
      switch (entry->kind) {
        case OptionKind::CH:
          if (SlotTicked(*slot)) line += " -" + entry->data;
          break;
        case OptionKind::ED: {
          const std::string value = SlotText(*slot);
          if (value.empty())
            ReportEmptyText(inputs, line, log);
          else
            line += " " + value;
          break;
        }
        case OptionKind::NE:
          line += " " + SlotText(*slot);
          break;
        case OptionKind::SP:
          line += " " + std::to_string(SlotWhole(*slot));
          break;
        case OptionKind::CO: {
          const std::string value = ComboValue(*slot, *entry);
          if (entry->IsArgument())
            line += " " + value;
          else if (value != " ")
            line += " -" + value;
          break;
        }
        case OptionKind::Other:
          break;
      }
    }
  }
  if (inputs.stage == CompilerId::CSG && inputs.wadInclude)
    for (const std::string& wad : inputs.wadIncludeList) line += " -wadinclude " + wad;
  line += " " + (inputs.withMapPath ? QuoteText(MapPathWithoutExtension(inputs.mapPath)) : std::string("%mapname%"));
  return line;
}

}  // namespace kmpx
