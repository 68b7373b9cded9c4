#include "compile/event_sounds.h"

#include <filesystem>
#include <system_error>

#include "text/embedded_resources.h"
#include "text/text_file.h"

namespace kmpx {

bool PlayEventSound(const LineList& settings, SoundPlayer& player, std::string_view key) {
  if (settings.ValueOf("USESOUNDS") != "1") return false;
  const std::string file = settings.ValueOf(key);
  if (file.empty()) return false;
  return player.PlaySoundFile(file);
}

const std::vector<std::string>& DefaultSoundFileNames() {
  static const std::vector<std::string> names = {
      "ks_Error.wav", "ks_Warning.wav", "ks_ProcFinished.wav", "ks_AgentConnect.wav", "ks_AgentDisconnect.wav",
  };
  return names;
}

bool WriteMissingSoundFiles(const std::string& programDir) {
  // Join with the separator the folder already uses.
  const char separator = !programDir.empty() && programDir.back() == '\\' ? '\\' : '/';
  const std::string folder = programDir + kSoundsFolder + separator;
  std::error_code error;
  std::filesystem::create_directories(ToFsPath(folder), error);
  bool allThere = true;
  for (const std::string& name : DefaultSoundFileNames()) {
    const std::string path = folder + name;
    if (std::filesystem::exists(ToFsPath(path), error)) continue;
    if (!ExtractResourceFile(kSoundResourceType, name, path)) allThere = false;
  }
  return allThere;
}

}  // namespace kmpx
