#pragma once
// The five compiler option pages and the General page's common options, built
// as control trees. A page holds every control any supported tool suite may
// need; a tool description only switches on the slots it names. Direct
// children of a page are its numbered group boxes; a slot inside a group is
// found by number through any nesting of containers, in child order.
#include <cstdint>

#include "tooler/compiler_id.h"
#include "ui/control.h"
#include "ui/page_control.h"

namespace kmpx {

// Each builder adds the page as a tab sheet named after its compiler ("CSG"
// ... "RAD") at the end of pages. Controls come with their design data: names,
// captions, tags (group or slot number, flags clear), list items, masks,
// limits, hints and help keywords. Value controls start disabled, as their
// check boxes start unticked.
ui::TabSheet& BuildCsgPage(ui::PageControl& pages);
ui::TabSheet& BuildBspPage(ui::PageControl& pages);
ui::TabSheet& BuildVisPage(ui::PageControl& pages);
ui::TabSheet& BuildNetvisPage(ui::PageControl& pages);
ui::TabSheet& BuildRadPage(ui::PageControl& pages);
// The page of compiler CSG .. RAD (std::out_of_range for any other).
ui::TabSheet& BuildOptionPage(ui::PageControl& pages, CompilerId compiler);

// Tags of the General page's common options: both flags set, so they count
// as described and active wherever flags are read.
inline constexpr std::int32_t kCommonOptionBoxTag = -1;
inline constexpr std::int32_t kCommonOptionValueTag = -2;

// Adds the groups `InfoCompile` and `OtherOptions` to the General page, below
// whatever it already holds. No description names them; the value controls
// start disabled until their box is ticked.
void BuildCommonOptions(ui::Control& generalPage);

}  // namespace kmpx
