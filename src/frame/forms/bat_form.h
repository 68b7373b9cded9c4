#pragma once
// The batch template editor window "TBatFormWin": the template's lines, a
// field for a new line and the line commands (also on the list's pop-up menu).
#include <memory>

#include "ui/controls.h"

namespace kmpx {

std::unique_ptr<ui::Form> BuildBatForm();

}  // namespace kmpx
