#pragma once
// The command line of one compile stage, built from the installed section of
// its tool description and the option slots of its page.
#include <string>

#include "text/line_list.h"
#include "text/reporting.h"
#include "tooler/compiler_id.h"
#include "ui/control.h"

namespace kmpx {

struct StageLineInputs {
  CompilerId stage = CompilerId::CSG;
  std::string exeName;           // a bare file name, never quoted
  bool inUse = true;             // the stage switch: off comments the line out with "REM "
  const LineList* section = nullptr;  // the installed section's entry lines
  const ui::Control* page = nullptr;  // the stage's option page
  // CSG only: the WAD include switch and its list; only the tick counts.
  bool wadInclude = false;
  LineList wadIncludeList;
  std::string mapPath;
  bool withMapPath = false;      // false: "%mapname%"; true: the quoted map path without extension
};

// An active text slot left empty is reported as two errors and left out; the
// line is still finished and returned.
std::string BuildStageLine(const StageLineInputs& inputs, MessageLog& log, MessageBoxes& boxes);

}  // namespace kmpx
