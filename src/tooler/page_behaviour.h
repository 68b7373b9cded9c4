#pragma once
// How the option pages react: stage switches turn a page on or off, option
// check boxes enable their value controls, changes mark the configuration
// modified, and the General page's common options are copied to all five
// compiler pages. The reactions run for changes made by code as well, which
// the configuration loader and the batch import rely on.
#include "tooler/compiler_id.h"
#include "tooler/option_page_context.h"
#include "ui/check_boxes.h"
#include "ui/control.h"

namespace kmpx {

// Enables the described controls of container (and the WAD-list and browse
// helpers, 253 and 254) when on; a value control stays disabled until its
// switch is ticked (not Active). Off disables them all. Labels, ticks and
// values are left alone.
void SetPageEnabled(ui::Control& container, bool on);

// A check box's value controls: its siblings with another slot number whose
// names loosely start with the box's name ("_CSGThreads" for "CSGThreads",
// and also "RAD_fade" for "RADfade"). Their Active flag follows the tick;
// their enabled state follows it while the box is enabled. Values stay.
void OptionCheckClick(OptionPageContext& context, ui::CheckBox& box);

// The reaction of a stage switch: csguse and raduse act only while
// UiEventsEnabled; visuse and netvisuse, when the user clicked them (they
// have the focus), untick each other.
void StageSwitchClick(OptionPageContext& context, CompilerId compiler);

// The five stage-switch reactions in launch order, as when the tool list closes.
void ApplyStageSwitches(OptionPageContext& context);

// Binds every reaction onto the built pages, the stage switches and the
// General page's common options of context, by component name. Controls a
// page does not have are passed over; CSGWadinclude and CSGwadconfig are
// left to the WAD lists.
void WireOptionPages(OptionPageContext& context);

}  // namespace kmpx
