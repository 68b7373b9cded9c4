#include "batch/command_line.h"

#include "text/string_ops.h"

namespace kmpx {

std::string MapPathWithoutExtension(std::string_view mapPath) {
  for (std::size_t i = mapPath.size(); i-- > 0;) {
    if (mapPath[i] == '\\' || mapPath[i] == '/') break;
    if (mapPath[i] == '.') return i == 0 ? std::string(mapPath) : std::string(mapPath.substr(0, i));
  }
  return std::string(mapPath);
}

std::string BuildGameLine(std::string_view mapPath, std::string_view gamePath, std::string_view gameParams,
                          int afterCompileAction) {
  const auto nameStart = mapPath.find_last_of("\\/:");
  const std::string_view fileName = nameStart == std::string_view::npos ? mapPath : mapPath.substr(nameStart + 1);
  const std::string mapName = fileName.find('.') == std::string_view::npos ? std::string(fileName) : TextBefore(fileName, '.');
  std::string line = QuoteText(gamePath) + " " + ReplaceText(gameParams, "%mapfile%", mapName, false);
  return afterCompileAction == 1 ? line : "REM " + line;
}

}  // namespace kmpx
