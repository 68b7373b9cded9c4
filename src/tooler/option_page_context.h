#pragma once
// What the option pages' logic works on: the five compiler pages with their
// stage switches, the installed description, the General page's common
// options and the two flags of the main window the reactions change. The
// main window owns one, fills it once the forms are built and hands it to
// the install, the reactions and the loader.
#include <array>
#include <cstddef>
#include <stdexcept>

#include "text/reporting.h"
#include "tooler/compiler_id.h"
#include "tooler/tooler_file.h"
#include "ui/check_boxes.h"
#include "ui/control.h"

namespace kmpx {

struct OptionPageContext {
  explicit OptionPageContext(Reporting& reporting) : report(reporting) {}

  Reporting& report;
  // Indexed CSG .. RAD: the tab sheets CSG ... RAD and the switches csguse ... raduse.
  std::array<ui::Control*, 5> pages{};
  std::array<ui::CheckBox*, 5> stageSwitches{};
  // The General page (or the part of it) holding the common options.
  ui::Control* general = nullptr;
  // The installed description (CONFIG) with the section lists CSGcfg ... RADcfg.
  ToolerConfig tooler;

  bool ConfigModified = false;
  // Cleared while code sets the stage switches, so their reactions wait.
  bool UiEventsEnabled = true;

  ui::Control& Page(CompilerId id) const { return *Require(pages[Index(id)]); }
  ui::CheckBox& StageSwitch(CompilerId id) const { return *Require(stageSwitches[Index(id)]); }
  LineList& Section(CompilerId id) { return tooler.Section(id); }
  const LineList& Section(CompilerId id) const { return tooler.Section(id); }

 private:
  static std::size_t Index(CompilerId id) {
    if (!IsStageCompiler(id)) throw std::out_of_range("no option page for this compiler");
    return static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(CompilerId::CSG));
  }
  template <class T>
  static T* Require(T* control) {
    if (control == nullptr) throw std::logic_error("option page context not filled");
    return control;
  }
};

}  // namespace kmpx
