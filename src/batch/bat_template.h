#pragma once
// The batch template: the user's batch lines around one reserved line per
// stage ("%CSG%" ... "%HL%"), each exactly once and in launch order.
#include <string>
#include <string_view>

#include "text/line_list.h"
#include "text/reporting.h"
#include "tooler/compiler_id.h"

namespace kmpx {

// "%CSG%" ... "%HL%" for the stages CSG..HL.
std::string ReservedLine(CompilerId stage);
// The template of a new configuration: the six reserved lines and nothing else.
LineList DefaultBatTemplate();

// Restores the invariant in place: reserved lines keep their places but are
// rewritten into launch order, surplus ones are deleted (each reported as an
// error naming context), missing ones are appended at the end.
void NormalizeTemplate(LineList& batTemplate, const std::string& context, MessageLog& log);

// The user lines that run before a stage: those strictly between the previous
// stage's reserved line and the stage's own (for CSG, all lines above it).
LineList TemplatePreLines(const LineList& batTemplate, CompilerId stage);

// The template editor's test: the line contains any reserved line, any case.
bool IsReservedLine(std::string_view line);

// Which stage a tool name belongs to: the first of CSG, BSP, NETVIS, VIS, RAD,
// HL contained in the upper-cased word ("NETVIS" is tested before "VIS").
CompilerId GetCompilerID(std::string_view word);
// Which stage a batch line starts: its first word, or its second after "REM";
// blanks inside double quotes do not split words.
CompilerId Bat_GetCompilerID(std::string_view line);

}  // namespace kmpx
