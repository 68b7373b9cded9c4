#pragma once
// The message window (TMessageWin) as designed: the list of messages, its
// hidden kind list and attribute pane, the tool bar and the status bar.
#include <memory>

#include "ui/form.h"

namespace kmpx::frame {

std::unique_ptr<ui::Form> BuildMessageWin();

}  // namespace kmpx::frame
