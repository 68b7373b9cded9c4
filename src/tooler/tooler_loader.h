#pragma once
// Choosing and installing a tool description: reading its file, laying its
// five sections onto the pages, the executable names and the information
// text of the General page, and the reactions of the list `ToolerType`.
#include <functional>
#include <string>
#include <string_view>

#include "settings/shell_settings.h"
#include "tooler/option_page_context.h"
#include "tooler/tooler_group.h"
#include "ui/status_bar.h"

namespace kmpx {

// The dialogs the loader opens that belong to other parts of the program.
struct ToolerLoaderHooks {
  // The question about unsaved changes (Yes saves, No discards); false when
  // the user cancels. Unset: nothing to ask.
  std::function<bool()> askSaveChanges;
  // `SetOtherKMPXwin` shown modally; returns its modal result.
  std::function<int()> showOtherToolerDialog;
  // The batch template editor shown modally.
  std::function<void()> showBatchTemplateEditor;
};

class ToolerLoader {
 public:
  // programDir ends with a separator.
  ToolerLoader(OptionPageContext& pages, const ToolerGroup& group, ShellSettings& settings, std::string programDir);

  // Reads "Toolers/<name>.tlr" and installs its five sections. A missing,
  // unreadable or malformed file ends in the questions about re-creating it;
  // false then (and when the user cancels the save question), with the pages
  // as far as they were laid.
  bool LoadToolerConfig(std::string_view name, bool applyDefaults, bool askSave);
  // The six executable names from the installed description's GENERAL keys,
  // or from the settings; a missing key empties its field.
  void SetExeNamesFrom(bool fromDescription);
  // The installed description's INFO values, one labelled line each.
  void ShowToolerInfo();

  // `ToolerType` reactions: a new choice installs that description without
  // defaults (the installed one is not read again); "Другая" shows the
  // information dialog and keeps the choice as it was.
  void ToolerTypeSelect();
  void ToolerTypeCloseUp();
  // Binds the two reactions onto `ToolerType`.
  void Wire();

  // The item of `ToolerType` whose description is installed.
  int PreviousToolerIndex = -1;
  // What status panel 5 shows; written to the bar too when one is set.
  std::string ToolerStatusText;
  ui::StatusBar* statusBar = nullptr;
  ToolerLoaderHooks hooks;

 private:
  bool InstallSections(bool applyDefaults);

  OptionPageContext& pages_;
  ToolerGroup group_;
  ShellSettings& settings_;
  std::string programDir_;
};

}  // namespace kmpx
