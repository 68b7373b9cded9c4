#include "tooler/tooler_catalogue.h"

#include <filesystem>
#include <system_error>

#include "text/cp1251.h"
#include "text/embedded_resources.h"
#include "text/string_ops.h"
#include "text/text_file.h"

namespace kmpx {

const std::string& OtherToolerItem() {
  static const std::string kOther = "Другая"_cp;
  return kOther;
}

const std::array<std::string, 5>& ToolerTypeItems() {
  static const std::array<std::string, 5> kItems = {
      std::string(kBuiltInToolers[0]), std::string(kBuiltInToolers[1]),
      std::string(kBuiltInToolers[2]), std::string(kBuiltInToolers[3]), OtherToolerItem()};
  return kItems;
}

std::string ToolerResourceName(std::string_view fileName) { return RemoveChars(fileName, " .-"); }

std::string ToolerFilePath(std::string_view programDir, std::string_view name) {
  const std::string toolers = AddBackslash(programDir) + "Toolers";
  return AddBackslash(toolers) + std::string(name) + ".tlr";
}

bool ExtractBuiltInToolerFile(const std::string& path) {
  std::error_code ignored;  // a missing folder shows as a failed write
  std::filesystem::create_directories(ToFsPath(ExtractFileDir(path)), ignored);
  return ExtractResourceFile(kToolerResourceType, ToolerResourceName(ExtractFileName(path)), path);
}

bool WriteMissingToolerFiles(std::string_view programDir) {
  bool allWritten = true;
  for (const std::string_view name : kBuiltInToolers) {
    const std::string path = ToolerFilePath(programDir, name);
    if (!FileExists(path) && !ExtractBuiltInToolerFile(path)) allWritten = false;
  }
  return allWritten;
}

}  // namespace kmpx
