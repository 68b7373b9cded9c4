#pragma once
// The group "Тулер" of the General page: the tool folder, the executable
// names of the compilers, the choice of tool description and its
// information. The main window builds it into its General page.
#include <array>
#include <string_view>

#include "ui/combo_box.h"
#include "ui/control.h"
#include "ui/text_fields.h"
#include "ui/text_views.h"

namespace kmpx {

// The executable-name fields and the description keys that fill them, in
// the order the description's GENERAL block lists them.
struct ExeNameField {
  std::string_view field;
  std::string_view key;
};
inline constexpr std::array<ExeNameField, 6> kExeNameFields = {{
    {"CSGpath", "CSG File"},
    {"BSPpath", "BSP File"},
    {"RADpath", "RAD File"},
    {"VISpath", "VIS File"},
    {"NETVISpath", "NETVIS File"},
    {"RIPENTpath", "RIPENT File"},
}};

// Builds `GroupBox3` with its controls at the end of parent's children.
ui::Control& BuildToolerGroup(ui::Control& parent);

// The controls the tool-description logic works on, found below root.
struct ToolerGroup {
  ui::ComboBox* toolerType = nullptr;
  ui::Memo* toolerInfo = nullptr;
  std::array<ui::TextField*, 6> exeNames{};  // as kExeNameFields
};
// std::out_of_range when a control is missing.
ToolerGroup FindToolerGroup(const ui::Control& root);

}  // namespace kmpx
