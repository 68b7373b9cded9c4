#include "batch/compiler_line.h"

#include "batch/command_line.h"
#include "batch/stage_line.h"

namespace kmpx {

std::string BuildCompilerLine(const CompileLineSources& sources, CompilerId stage, bool withMapPath, Reporting& report) {
  if (stage == CompilerId::HL)
    return BuildGameLine(sources.mapPath, sources.gamePath, sources.gameParams, sources.afterCompileAction);
  const auto index = static_cast<std::size_t>(static_cast<int>(stage) - static_cast<int>(CompilerId::CSG));
  StageLineInputs inputs;
  inputs.stage = stage;
  inputs.exeName = sources.exeNames.at(index);
  inputs.inUse = sources.pages->StageSwitch(stage).Checked();
  inputs.section = &sources.pages->Section(stage);
  inputs.page = &sources.pages->Page(stage);
  inputs.wadInclude = sources.wadInclude;
  inputs.wadIncludeList = sources.wadIncludeList;
  inputs.mapPath = sources.mapPath;
  inputs.withMapPath = withMapPath;
  return BuildStageLine(inputs, report.log, report.boxes);
}

}  // namespace kmpx
