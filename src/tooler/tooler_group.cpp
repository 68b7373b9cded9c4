#include "tooler/tooler_group.h"

#include <string>

#include "text/cp1251.h"
#include "tooler/tooler_catalogue.h"
#include "ui/buttons.h"
#include "ui/text_views.h"

namespace kmpx {
namespace {

struct ProgramField {
  std::string_view field;
  std::string_view button;
  std::string label;  // CP1251
  std::string_view text;
  std::string hint;  // CP1251
};

ui::TextField& AddPathField(ui::Control& group, const ProgramField& spec, int top) {
  group.Add<ui::Label>(std::string(spec.field) + "Label", spec.label).SetBounds(8, top + 3, 72, 16);
  auto& field = group.Add<ui::TextField>(std::string(spec.field), std::string(spec.text));
  field.SetReadOnly(true);
  field.SetHint(spec.hint);
  field.SetBounds(84, top, 150, 21);
  auto& browse = group.Add<ui::Button>(std::string(spec.button), "...");
  browse.SetHint("Обзор"_cp);
  browse.SetBounds(238, top, 21, 21);
  return field;
}

}  // namespace

ui::Control& BuildToolerGroup(ui::Control& parent) {
  auto& group = parent.Add<ui::GroupBox>("GroupBox3", "Тулер"_cp);
  group.SetBounds(8, 200, 530, 190);

  AddPathField(group, {"ToolerPath", "BrowseToolerPath", "Путь"_cp, "C:\\Program files\\Hammer",
                       "Путь к утилитам тулера"_cp}, 18);
  const std::array<ProgramField, 5> programs = {{
      {"CSGpath", "BrowseCSG", "CSG", "hlcsg.exe", "Имя испоняемого файла утилиты компиляции геометрии карты"_cp},
      {"BSPpath", "BrowseBSP", "BSP", "hlbsp.exe", "Имя испоняемого файла утилиты создания дерева BSP-файла"_cp},
      {"VISpath", "BrowseVIS", "VIS", "hlvis.exe", "Имя испоняемого файла утилиты компиляции визуализации"_cp},
      {"NETVISpath", "BrowseNETVIS", "NETVIS", "netvis.exe",
       "Имя испоняемого файла утилиты компиляции визуализации через сеть"_cp},
      {"RADpath", "BrowseRAD", "RAD", "hlrad.exe", "Имя испоняемого файла утилиты компиляции освещения на карте"_cp},
  }};
  int top = 44;
  for (const ProgramField& program : programs) {
    AddPathField(group, program, top);
    top += 26;
  }
  // RIPENT has no stage of its own here; its name is kept for the batch files.
  AddPathField(group, {"RIPENTpath", "browseRIPENT", "RIPENT", "ripent.exe", {}}, top);
  for (const std::string_view hidden : {"RIPENTpathLabel", "RIPENTpath", "browseRIPENT"})
    group.FindChild(hidden)->Hide();

  auto& toolerType = group.Add<ui::ComboBox>("ToolerType", ui::ComboStyle::PickOnly);
  toolerType.SetBounds(270, 18, 250, 21);
  for (const std::string& item : ToolerTypeItems()) toolerType.AddItem(item);
  toolerType.SetItemIndex(toolerType.IndexOfItem(kDefaultTooler));

  auto& info = group.Add<ui::Memo>("ToolerInfo");
  info.SetReadOnly(true);
  info.SetScrolling(ui::ScrollBars::Vertical);
  info.SetBounds(270, 44, 250, 136);
  return group;
}

ToolerGroup FindToolerGroup(const ui::Control& root) {
  ToolerGroup found;
  found.toolerType = &root.Get<ui::ComboBox>("ToolerType");
  found.toolerInfo = &root.Get<ui::Memo>("ToolerInfo");
  for (std::size_t i = 0; i < kExeNameFields.size(); ++i)
    found.exeNames[i] = &root.Get<ui::TextField>(kExeNameFields[i].field);
  return found;
}

}  // namespace kmpx
