#pragma once
// The command line of any stage of a compile, CSG .. RAD or the game, from
// the configuration: what the batch files and the compile description write.
#include <array>
#include <string>

#include "text/line_list.h"
#include "text/reporting.h"
#include "tooler/compiler_id.h"
#include "tooler/option_page_context.h"

namespace kmpx {

// The values of the General page the lines read, beside the option pages.
struct CompileLineSources {
  const OptionPageContext* pages = nullptr;
  std::array<std::string, 5> exeNames;  // CSGpath .. RADpath
  std::string mapPath;                  // FMAPpath
  std::string gamePath;                 // HLEXEpath
  std::string gameParams;               // HLparams
  int afterCompileAction = 0;           // AfterCompile
  bool wadInclude = false;              // CSGWadinclude
  LineList wadIncludeList;              // _CSGWadincludeList
};

std::string BuildCompilerLine(const CompileLineSources& sources, CompilerId stage, bool withMapPath, Reporting& report);

}  // namespace kmpx
