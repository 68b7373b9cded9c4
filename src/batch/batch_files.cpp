#include "batch/batch_files.h"

#include "batch/bat_template.h"
#include "text/string_ops.h"
#include "text/text_file.h"

namespace kmpx {
namespace {

bool HasSetLine(const LineList& lines, std::string_view name) {
  for (const std::string& line : lines) {
    const auto eq = line.find('=');
    if (eq != std::string::npos && SameTextDos(std::string_view(line).substr(0, eq), name)) return true;
  }
  return false;
}

bool HasLine(const LineList& lines, std::string_view text) {
  for (const std::string& line : lines)
    if (SameTextDos(line, text)) return true;
  return false;
}

std::string MapNameLine(const BatchInputs& inputs, const char* setWord) {
  return std::string(setWord) + "=" + QuoteText(inputs.mapPathWithoutExtension);
}

std::string WadRootLine(const BatchInputs& inputs) { return "SET WADROOT=" + QuoteText(inputs.textureFolder); }

}  // namespace

std::string BatchFilePath(const std::string& dir, const std::string& fileName) {
  std::string name = fileName.empty() ? std::string("ks_compile.bat") : fileName;
  if (name.size() < 4 || name[name.size() - 4] != '.') name += ".bat";
  return AddBackslash(dir) + name;
}

LineList MakeSavedBatch(const LineList& batTemplate, const BatchInputs& inputs) {
  LineList batch = batTemplate;
  if (!HasSetLine(batch, "SET WADROOT")) batch.Insert(0, WadRootLine(inputs));
  if (!HasSetLine(batch, "SET MAPNAME")) batch.Insert(0, MapNameLine(inputs, "SET MAPNAME"));
  for (int id = static_cast<int>(CompilerId::CSG); id <= static_cast<int>(CompilerId::HL); ++id) {
    const auto stage = static_cast<CompilerId>(id);
    const int index = batch.IndexOf(ReservedLine(stage));
    if (index >= 0) batch.Put(index, inputs.stageLine(stage));
  }
  if (inputs.addSignature && !HasLine(batch, kSignatureLine)) {
    batch.Insert(0, "");
    batch.Insert(0, kSignatureLine);
  }
  return batch;
}

bool SaveAsBatchFile(const LineList& batTemplate, const BatchInputs& inputs, const std::string& dir,
                     const std::string& fileName, Reporting& report) {
  return SaveLines(MakeSavedBatch(batTemplate, inputs), BatchFilePath(dir, fileName), false, report);
}

bool WriteStageBatches(const LineList& batTemplate, const BatchInputs& inputs, const std::string& dir,
                       const std::string& fileName, CompilerId stage, Reporting& report) {
  const LineList setLines{MapNameLine(inputs, "SET mapname"), WadRootLine(inputs)};
  if (IsStageCompiler(stage)) {
    LineList stageBatch{"@echo off"};
    for (const auto& line : setLines) stageBatch.Add(line);
    stageBatch.Add(inputs.stageLine(stage));
    stageBatch.Add("Exit");
    if (!SaveLines(stageBatch, BatchFilePath(dir, fileName), false, report)) return false;
  }
  LineList midBatch = setLines;
  for (const auto& line : TemplatePreLines(batTemplate, stage)) midBatch.Add(line);
  return SaveLines(midBatch, BatchFilePath(dir, "ks_midcompile.bat"), false, report);
}

}  // namespace kmpx
