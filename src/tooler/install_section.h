#pragma once
// Laying one compiler section of the installed description onto its page.
#include "tooler/compiler_id.h"
#include "tooler/option_page_context.h"

namespace kmpx {

// Marks the groups and slots the section names as Described (and Active,
// for switches and lists), lays their limits and, with applyDefaults, their
// defaults and the stage switch; with applyEnabled the switches follow the
// stage switch. Every other numbered control of the page is disabled.
// False when the section is malformed (an empty line, an entry before the
// first group, a group or slot the page does not have, a number that is no
// number): the install stops there and the caller asks about the file.
bool InstallToolerSection(OptionPageContext& context, CompilerId compiler, bool applyEnabled, bool applyDefaults);

}  // namespace kmpx
