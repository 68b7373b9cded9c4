#include "tooler/page_behaviour.h"

#include <algorithm>
#include <array>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "text/cp1251.h"
#include "text/string_ops.h"
#include "tooler/option_slots.h"
#include "ui/combo_box.h"
#include "ui/number_fields.h"

namespace kmpx {
namespace {

using Names = std::span<const std::string_view>;

bool ClassIn(const ui::Control& control, Names classes) {
  return std::ranges::find(classes, std::string_view(control.ClassName())) != classes.end();
}

bool NameIn(std::string_view name, Names names) {
  return std::ranges::any_of(names, [&](std::string_view n) { return SameTextAnsi(name, n); });
}

// The kinds a page switches on and off; labels are never touched.
constexpr std::string_view kPageEnabledClasses[] = {"TCheckBox", "TEdit",       "TMaskEdit", "TSpinEdit", "TComboBox",  "TSpeedButton",
                                       "TButton",   "TBitBtn",     "TListBox",  "TCheckListBox", "TPBNumEdit"};
// Value controls that follow their box (check boxes among them do not).
constexpr std::string_view kValueClasses[] = {"TEdit",   "TMaskEdit", "TSpinEdit",     "TSpeedButton", "TListBox",
                                 "TCheckListBox", "TComboBox", "TBitBtn", "TButton",      "TPBNumEdit"};

constexpr std::string_view kOptionCheckBoxes[] = {
    "CSGDev", "CSGThreads", "CSGTexdata", "CSGTiny", "CSGBrushunion", "CSGHullfile", "CSGwadcfgfile", "CSGadditional",
    "BSPDev", "BSPThreads", "BSPTexdata", "BSPsubdivide", "BSPmaxnodesize", "BSPadditional",
    "VISDev", "VISThreads", "VISTexdata", "VISmaxdistance", "VISLevel", "VISadditional",
    "NETVISDev", "NETVISThreads", "NETVISTexdata", "NETVISPort", "NETVISRate", "NETVISadditional",
    "RADDev", "RADthreads", "RADtexdata", "RADbounce", "RADmaxlight", "RADdlight", "RADsmooth", "RADcoring",
    "RADnolerp", "RADdscale", "RADfade", "RAD_fade", "RADfalloff", "RAD_falloff", "RADscale", "RADgamma", "RADsky",
    "RADambient", "RADcolourgamma", "RADcolourscale", "RADcolourjitter", "RADjitter", "RADsoftlight", "RADchop",
    "RADtexchop", "RADnotexscale", "RADlights", "RADadditional"};
constexpr std::string_view kBoxesWithoutReaction[] = {"RADNoskyfix", "RADnospotpoints", "RADnodiffuse", "NETVISChart",
                                         "NETVISNolog", "NETVISVerbose", "NETVISNoinfo"};
// Bound by the WAD lists.
constexpr std::string_view kWadListBoxes[] = {"CSGWadinclude", "CSGwadconfig"};

constexpr std::string_view kChangeLists[] = {"CSGPriority", "BSPPriority", "VISPriority", "NETVISPriority", "RADPriority",
                                "VISmode",     "NETVISmode",  "_CSGDev",     "_BSPDev",        "_VISDev",
                                "_NETVISDev",  "_RADDev",     "_RADfalloff", "_RAD_falloff"};
constexpr std::string_view kRestoringDecimals[] = {"_CSGTiny", "_RADdlight", "_RADsmooth", "_RADcoring", "_RADdscale",
                                      "_RADfade", "_RAD_fade",  "_RADscale",  "_RADgamma",  "_RADsky"};

// A common option of the General page and its copies, CSG .. RAD.
struct CommonOption {
  std::string_view source;
  std::array<std::string_view, 5> targets;
};
constexpr std::array<CommonOption, 5> kCommonTicks = {{
    {"Estimate", {"CSGEstimate", "BSPEstimate", "VISEstimate", "NETVISEstimate", "RADestimate"}},
    {"Nolog", {"CSGNolog", "BSPNolog", "VISNolog", "NETVISNolog", "RADnolog"}},
    {"Chart", {"CSGChart", "BSPChart", "VISChart", "NETVISChart", "RADchart"}},
    {"Verbose", {"CSGVerbose", "BSPVerbose", "VISVerbose", "NETVISVerbose", "RADverbose"}},
    {"Noinfo", {"CSGNoinfo", "BSPNoinfo", "VISNoinfo", "NETVISNoinfo", "RADnoinfo"}},
}};
// These first enable their own value control on the General page.
constexpr std::array<CommonOption, 3> kCommonSwitches = {{
    {"Dev", {"CSGDev", "BSPDev", "VISDev", "NETVISDev", "RADDev"}},
    {"Threads", {"CSGThreads", "BSPThreads", "VISThreads", "NETVISThreads", "RADthreads"}},
    {"Texdata", {"CSGTexdata", "BSPTexdata", "VISTexdata", "NETVISTexdata", "RADtexdata"}},
}};
constexpr CommonOption kCommonDevLevel = {"_dev", {"_CSGDev", "_BSPDev", "_VISDev", "_NETVISDev", "_RADDev"}};
constexpr std::array<CommonOption, 2> kCommonSpins = {{
    {"_Threads", {"_CSGThreads", "_BSPThreads", "_VISThreads", "_NETVISThreads", "_RADthreads"}},
    {"_Texdata", {"_CSGTexdata", "_BSPTexdata", "_VISTexdata", "_NETVISTexdata", "_RADtexdata"}},
}};
constexpr CommonOption kCommonPriority = {
    "_Priority", {"CSGPriority", "BSPPriority", "VISPriority", "NETVISPriority", "RADPriority"}};

template <class T>
std::vector<T*> Targets(const OptionPageContext& context, const CommonOption& option) {
  std::vector<T*> found;
  for (std::size_t i = 0; i < kStageCompilers.size(); ++i)
    if (T* target = context.Page(kStageCompilers[i]).FindChildAs<T>(option.targets[i])) found.push_back(target);
  return found;
}

template <class T>
T* FindOnPages(const OptionPageContext& context, std::string_view name) {
  for (const CompilerId id : kStageCompilers)
    if (T* control = context.Page(id).FindChildAs<T>(name)) return control;
  return nullptr;
}

void PlainClick(OptionPageContext& context, const ui::Control& box) {
  if (IsDescribed(box)) context.ConfigModified = true;
}

// Server and client of NETVIS exclude each other.
void NetvisConnectionClick(OptionPageContext& context, ui::CheckBox& clicked, ui::CheckBox* other) {
  OptionCheckClick(context, clicked);
  if (other != nullptr && clicked.Checked() && other->Checked()) other->SetChecked(false);
}

void WireCompilerCheckBoxes(OptionPageContext& context) {
  ui::CheckBox* server = FindOnPages<ui::CheckBox>(context, "NETVISserver");
  ui::CheckBox* client = FindOnPages<ui::CheckBox>(context, "NETVISclient");
  for (const CompilerId id : kStageCompilers) {
    context.Page(id).ForEachDescendant([&](const ui::Control& control) {
      auto* box = dynamic_cast<ui::CheckBox*>(const_cast<ui::Control*>(&control));
      if (box == nullptr) return;
      const std::string& name = box->Name();
      if (NameIn(name, kWadListBoxes)) return;
      if (NameIn(name, kBoxesWithoutReaction)) {
        box->onClick = nullptr;
      } else if (box == server) {
        box->onClick = [&context, box, client](ui::Control&) { NetvisConnectionClick(context, *box, client); };
      } else if (box == client) {
        box->onClick = [&context, box, server](ui::Control&) { NetvisConnectionClick(context, *box, server); };
      } else if (NameIn(name, kOptionCheckBoxes)) {
        box->onClick = [&context, box](ui::Control&) { OptionCheckClick(context, *box); };
      } else {
        box->onClick = [&context](ui::Control& sender) { PlainClick(context, sender); };
      }
    });
  }
}

void WirePageLists(OptionPageContext& context) {
  for (const std::string_view name : kChangeLists)
    if (auto* list = FindOnPages<ui::ComboBox>(context, name))
      list->onChange = [&context](ui::Control&) { context.ConfigModified = true; };
  for (const std::string_view name : kRestoringDecimals)
    if (auto* field = FindOnPages<ui::DecimalField>(context, name))
      field->onInvalidEntry = [field](ui::Control&) { field->SetValue(field->Value()); };
}

void WireCommonOptions(OptionPageContext& context) {
  ui::Control& general = *context.general;
  for (const CommonOption& option : kCommonTicks) {
    auto* source = general.FindChildAs<ui::CheckBox>(option.source);
    if (source == nullptr) continue;
    source->onClick = [source, targets = Targets<ui::CheckBox>(context, option)](ui::Control&) {
      for (ui::CheckBox* target : targets) target->SetChecked(source->Checked());
    };
  }
  for (const CommonOption& option : kCommonSwitches) {
    auto* source = general.FindChildAs<ui::CheckBox>(option.source);
    if (source == nullptr) continue;
    source->onClick = [&context, source, targets = Targets<ui::CheckBox>(context, option)](ui::Control&) {
      OptionCheckClick(context, *source);
      for (ui::CheckBox* target : targets) target->SetChecked(source->Checked());
    };
  }
  if (auto* priority = general.FindChildAs<ui::CheckBox>("Priority"))
    priority->onClick = [&context, priority](ui::Control&) { OptionCheckClick(context, *priority); };
  if (auto* level = general.FindChildAs<ui::ComboBox>(kCommonDevLevel.source))
    level->onChange = [level, targets = Targets<ui::ComboBox>(context, kCommonDevLevel)](ui::Control&) {
      for (ui::ComboBox* target : targets) target->SetItemIndex(level->ItemIndex());
    };
  for (const CommonOption& option : kCommonSpins) {
    auto* source = general.FindChildAs<ui::SpinField>(option.source);
    if (source == nullptr) continue;
    source->onChange = [source, targets = Targets<ui::SpinField>(context, option)](ui::Control&) {
      for (ui::SpinField* target : targets) target->SetValue(source->Value());
    };
  }
  if (auto* priority = general.FindChildAs<ui::ComboBox>(kCommonPriority.source))
    priority->onChange = [&context, priority, targets = Targets<ui::ComboBox>(context, kCommonPriority)](ui::Control&) {
      for (ui::ComboBox* target : targets) target->SetItemIndex(priority->ItemIndex());
      context.ConfigModified = true;
    };
}

}  // namespace

void SetPageEnabled(ui::Control& container, bool on) {
  for (const auto& child : container.Children()) {
    ui::Control& control = *child;
    if (IsSlotContainer(control) && control.ChildCount() > 0) {
      SetPageEnabled(control, on);
      continue;
    }
    const int number = SlotNumber(control);
    if (!IsDescribed(control) && number != kWadListSlot && number != kBrowseSlot) continue;
    const bool enabled = on && (control.Tag() == 0 || IsActive(control));
    if (ClassIn(control, kPageEnabledClasses)) control.SetEnabled(enabled);
  }
}

void OptionCheckClick(OptionPageContext& context, ui::CheckBox& box) {
  context.ConfigModified = true;
  const ui::Control* parent = box.Parent();
  if (parent == nullptr) return;
  const int boxNumber = SlotNumber(box);
  for (const auto& sibling : parent->Children()) {
    ui::Control& control = *sibling;
    const int number = SlotNumber(control);
    if (number == boxNumber || !LooseStartsWith(control.Name(), box.Name())) continue;
    if (number != kWadListSlot) SetActive(control, box.Checked());
    if (box.Enabled()) {
      bool enabled = box.Checked();
      if (number == kWadListSlot && !IsActive(control)) {
        enabled = false;
        SetActive(control, false);
      }
      if (ClassIn(control, kValueClasses)) control.SetEnabled(enabled);
    } else if (ClassIn(control, kValueClasses) || control.ClassName() == "TLabel") {
      control.SetEnabled(false);
    }
  }
}

void StageSwitchClick(OptionPageContext& context, CompilerId compiler) {
  ui::CheckBox& stageSwitch = context.StageSwitch(compiler);
  const bool pausable = compiler == CompilerId::CSG || compiler == CompilerId::RAD;
  if (pausable && !context.UiEventsEnabled) return;
  SetPageEnabled(context.Page(compiler), stageSwitch.Checked());
  // Only a user's click makes VIS and NETVIS exclude each other; a
  // configuration may set both.
  const CompilerId other = compiler == CompilerId::VIS      ? CompilerId::NETVIS
                           : compiler == CompilerId::NETVIS ? CompilerId::VIS
                                                            : CompilerId::None;
  if (other == CompilerId::None || !stageSwitch.Focused()) return;
  ui::CheckBox& otherSwitch = context.StageSwitch(other);
  if (otherSwitch.Checked()) otherSwitch.SetChecked(false);
}

void ApplyStageSwitches(OptionPageContext& context) {
  for (const CompilerId id : kStageCompilers) StageSwitchClick(context, id);
}

void WireOptionPages(OptionPageContext& context) {
  for (const CompilerId id : kStageCompilers)
    context.StageSwitch(id).onClick = [&context, id](ui::Control&) { StageSwitchClick(context, id); };
  WireCompilerCheckBoxes(context);
  WirePageLists(context);
  if (context.general != nullptr) WireCommonOptions(context);
}

}  // namespace kmpx
