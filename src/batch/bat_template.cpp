#include "batch/bat_template.h"

#include "text/blocks.h"
#include "text/cp1251.h"
#include "text/string_ops.h"

namespace kmpx {
namespace {

constexpr CompilerId kTemplateStages[] = {CompilerId::CSG, CompilerId::BSP,    CompilerId::VIS,
                                          CompilerId::NETVIS, CompilerId::RAD, CompilerId::HL};

CompilerId NextStage(CompilerId stage) { return static_cast<CompilerId>(static_cast<int>(stage) + 1); }

// The stage whose reserved line the line is (DOS case rule), or None.
CompilerId ReservedStageOf(std::string_view line) {
  for (CompilerId stage : kTemplateStages)
    if (SameTextDos(line, ReservedLine(stage))) return stage;
  return CompilerId::None;
}

}  // namespace

std::string ReservedLine(CompilerId stage) { return PercentWrap(CompilerName(stage)); }

LineList DefaultBatTemplate() {
  LineList batTemplate;
  for (CompilerId stage : kTemplateStages) batTemplate.Add(ReservedLine(stage));
  return batTemplate;
}

void NormalizeTemplate(LineList& batTemplate, const std::string& context, MessageLog& log) {
  CompilerId expected = CompilerId::CSG;
  int i = 0;
  while (i < batTemplate.Count()) {
    const CompilerId stage = ReservedStageOf(batTemplate.Get(i));
    if (stage == CompilerId::None) {
      ++i;
    } else if (stage < expected) {
      log.Error("(" + context + ") Строка "_cp + "\"" + batTemplate.Get(i) + "\"" +
                    " удалена,так как не может повторятся в шаблоне Bat-файла более одного раза!"_cp,
                true);
      batTemplate.Delete(i);
    } else {
      // A reserved line of a later stage takes the place of the one expected
      // here, so the stages come out in launch order whatever the file said.
      batTemplate.Put(i, ReservedLine(expected));
      expected = NextStage(expected);
      ++i;
    }
  }
  for (; expected <= CompilerId::HL; expected = NextStage(expected)) batTemplate.Add(ReservedLine(expected));
}

LineList TemplatePreLines(const LineList& batTemplate, CompilerId stage) {
  LineList preLines;
  const int own = batTemplate.IndexOf(ReservedLine(stage));
  if (own < 0) return preLines;
  if (stage == CompilerId::CSG) {
    // Everything above, empty lines included: no start marker to search for.
    for (int i = 0; i < own; ++i) preLines.Add(batTemplate.Get(i));
    return preLines;
  }
  const CompilerId previous = static_cast<CompilerId>(static_cast<int>(stage) - 1);
  CopyLinesBetween(preLines, batTemplate, ReservedLine(previous), false, false, ReservedLine(stage));
  return preLines;
}

bool IsReservedLine(std::string_view line) {
  const std::string upper = DosUpperCase(line);
  for (CompilerId stage : kTemplateStages)
    if (upper.find(ReservedLine(stage)) != std::string::npos) return true;
  return false;
}

CompilerId GetCompilerID(std::string_view word) {
  const std::string upper = DosUpperCase(word);
  static const std::pair<const char*, CompilerId> kOrder[] = {
      {"CSG", CompilerId::CSG}, {"BSP", CompilerId::BSP}, {"NETVIS", CompilerId::NETVIS},
      {"VIS", CompilerId::VIS}, {"RAD", CompilerId::RAD}, {"HL", CompilerId::HL}};
  for (const auto& [name, id] : kOrder)
    if (upper.find(name) != std::string::npos) return id;
  return CompilerId::None;
}

CompilerId Bat_GetCompilerID(std::string_view line) {
  const std::string protectedLine = ReplaceNameSimbol(line, '"', ' ', '\x01');
  const std::string first = GetField(protectedLine, 1, ' ');
  return GetCompilerID(SameTextDos(first, "REM") ? GetField(protectedLine, 2, ' ') : first);
}

}  // namespace kmpx
