#include "tooler/tooler_file.h"

#include <stdexcept>

#include "text/blocks.h"
#include "text/cp1251.h"
#include "text/text_file.h"
#include "tooler/tooler_catalogue.h"

namespace kmpx {
namespace {

std::size_t SectionIndex(CompilerId id) {
  if (!IsStageCompiler(id)) throw std::out_of_range("no description section for this compiler");
  return static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(CompilerId::CSG));
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A block without its end marker runs the copy past the last line.
bool CopyWholeBlock(LineList& dest, LineList& source, const std::string& name) {
  LineList block;
  try {
    CopyBlock(block, source, name, false, false);
  } catch (const std::out_of_range&) {
    return false;
  }
  dest = std::move(block);
  return true;
}

// False when the program is to end: the user refused, or the copy failed.
bool OfferMissingFile(const std::string& path, Reporting& report) {
  if (!AskOrAbort(report, "Файл конфигурирования тулера "_cp + Quoted(path) +
                              " не найден. Дальнейшая работа с программой будет невозможна! Создать файл автоматически?"_cp))
    return false;
  if (!ExtractBuiltInToolerFile(path)) {
    report.boxes.ErrorBox("Ошибка создания файла "_cp + Quoted(path) + ".");
    report.program.AbortProgram();
    return false;
  }
  return true;
}

}  // namespace

LineList& ToolerConfig::Section(CompilerId id) { return sections[SectionIndex(id)]; }
const LineList& ToolerConfig::Section(CompilerId id) const { return sections[SectionIndex(id)]; }

std::optional<ToolerConfig> ParseToolerConfig(LineList lines) {
  ToolerConfig config;
  config.lines = std::move(lines);
  const LineList& all = config.lines;
  config.formatVersion = all.ValueOf("Formatver");
  config.info = {all.ValueOf("Name"),          all.ValueOf("Description"),
                 all.ValueOf("Version"),       all.ValueOf("Autor"),
                 all.ValueOf("Autor Contact"), all.ValueOf("Official WebPage"),
                 all.ValueOf("Download Link"), all.ValueOf("Release Date")};
  config.exeNames = {all.ValueOf("CSG File"),    all.ValueOf("BSP File"),
                     all.ValueOf("RAD File"),    all.ValueOf("VIS File"),
                     all.ValueOf("NETVIS File"), all.ValueOf("RIPENT File")};
  // The names above are read by key, so a GENERAL block without its end
  // marker costs only the block copy.
  CopyWholeBlock(config.general, config.lines, "GENERAL");
  for (const CompilerId id : kStageCompilers)
    if (!CopyWholeBlock(config.Section(id), config.lines, CompilerName(id))) return std::nullopt;
  return config;
}

std::optional<ToolerConfig> ReadToolerFile(const std::string& path, Reporting& report) {
  if (!FileExists(path) && !OfferMissingFile(path, report)) return std::nullopt;
  LineList lines;
  if (!LoadLines(lines, path, true, report)) return std::nullopt;
  auto config = ParseToolerConfig(std::move(lines));
  if (!config) RecreateMalformedToolerFile(path, report);
  return config;
}

bool RecreateMalformedToolerFile(const std::string& path, Reporting& report) {
  if (!AskOrAbort(report, "Ошибка формата файла конфигурирования тулера "_cp + Quoted(path) +
                              ". Дальнейшая работа с программой будет невозможна! Создать новый корректный файл?"_cp))
    return false;
  if (ExtractBuiltInToolerFile(path)) return true;
  // Only Retry and Cancel are offered; either way the program cannot go on.
  report.boxes.AskBox("Ошибка создания файла "_cp + Quoted(path), report.boxes.MessageCaption,
                      BoxButtons::RetryCancel, BoxIcon::Stop);
  report.program.AbortProgram();
  return false;
}

}  // namespace kmpx
