#include "settings/settings_file.h"

#include <charconv>
#include <optional>
#include <span>

#include "settings/program_files.h"
#include "text/cp1251.h"
#include "text/embedded_resources.h"
#include "text/text_file.h"

namespace kmpx {
namespace {


constexpr const char* kRequiredKeys[] = {
    "Map Path",  "Bsp Path",    "Tooler Path", "CSG File", "BSP File",    "RAD File",
    "VIS File", "NETVIS File", "RIPENT File", "HL Path",  "HL.EXE Path",
};

// A whole number that fails instead of defaulting: a bad one is a format error.
// Leading blanks and a sign are accepted, as a hand-edited file may have them.
std::optional<int> ParseWholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string RecentFileKey(int k) { return "Hotfile-" + std::to_string(k); }

// Every character ticks (non-zero digit) or unticks (zero) the box at its
// position; boxes past the end of the string are unticked.
bool DigitsToBoxes(std::string_view digits, std::span<bool> boxes) {
  if (digits.size() > boxes.size()) return false;
  for (bool& box : boxes) box = false;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (digits[i] < '0' || digits[i] > '9') return false;
    boxes[i] = digits[i] != '0';
  }
  return true;
}

// The state the loaded lines give, or nothing when they are malformed. Built on
// a copy, so a broken file leaves nothing of itself in the menu or the boxes.
std::optional<ShellSettings> ApplyLoadedLines(const ShellSettings& current, bool agentKnown) {
  if (!CheckSettingsFormat(current.Ini)) return std::nullopt;
  ShellSettings next = current;
  for (int k = 1; k <= kRecentFiles; ++k) {
    const std::string path = next.Value(RecentFileKey(k));
    if (path.empty()) continue;
    next.RecentFiles[k - 1] = {path, true};
    if (k == 1)
      next.RecentSeparatorVisible = true;
    else
      next.RecentFiles[k - 2].visible = true;
  }
  next.ConfirmOptions = next.Value("Confirm");
  if (!DigitsToBoxes(next.ConfirmOptions, next.Confirms)) return std::nullopt;
  next.GeneralOptions = next.Value("General");
  if (!DigitsToBoxes(next.GeneralOptions, next.General)) return std::nullopt;
  const auto sounds = ParseWholeNumber(next.Value("USESOUNDS"));
  if (!sounds) return std::nullopt;
  next.SoundsEnabled = *sounds != 0;
  next.TrayCompileVisible = next.GeneralOn(6) && agentKnown;
  next.MinimiseToTray = next.GeneralOn(7);
  return next;
}

bool WriteBuiltInSettings(const std::string& path, Reporting& report) {
  if (ExtractResourceFile("EXEFILE", "INI", path)) return true;
  report.boxes.ErrorBox("Ошибка создания файла "_cp + "\"" + path + "\"");
  report.program.AbortProgram();
  return false;
}

void ApplyRegistration(const ShellSettings& settings, const std::string& programDir,
                       DesktopRegistration& registration, Reporting& report) {
  if (settings.GeneralOn(4) && !registration.RegisterConfigFileType(programDir + std::string(kShellProgramFile)))
    report.log.Error("Регистрация формата ksp завершилась неудачей!"_cp, true);
  if (!registration.SetAgentAutostart(settings.GeneralOn(5), programDir + std::string(kAgentProgramFile)))
    report.log.Error("Регистрация автозагрузки агента при запуске Windows завершилась неудачей!"_cp, true);
}

// An item not in use is written empty.
void WriteRecentFileLines(ShellSettings& settings) {
  for (int k = 1; k <= kRecentFiles; ++k) {
    const RecentFileItem& item = settings.RecentFiles[k - 1];
    settings.Replace(RecentFileKey(k), item.visible ? item.caption : std::string());
  }
}

}  // namespace

std::string SettingsFilePath(const std::string& programDir) {
  return programDir + std::string(kSettingsFileName);
}

bool CheckSettingsFormat(const LineList& ini) {
  for (const char* key : kRequiredKeys)
    if (ini.ValueOf(key).empty()) return false;
  return ParseWholeNumber(ini.ValueOf("AFTER COMPILE")).has_value();
}

SettingsLoad LoadSettings(ShellSettings& settings, const std::string& programDir, bool agentKnown,
                          DesktopRegistration& registration, Reporting& report) {
  SettingsLoad result;
  const std::string path = SettingsFilePath(programDir);
  const std::string quoted = "\"" + path + "\"";
  for (;;) {
    if (!FileExists(path)) {
      if (!AskOrAbort(report, "Файл инициализации оболочки "_cp + quoted +
                                  " не найден. Дальнейшая работа с программой будет невозможна! Создать файл автоматически?"_cp))
        return result;
      if (!WriteBuiltInSettings(path, report)) return result;
      result.defaultWritten = true;
    }
    if (!LoadLines(settings.Ini, path, true, report)) return result;
    if (auto applied = ApplyLoadedLines(settings, agentKnown)) {
      settings = std::move(*applied);
      break;
    }
    if (!AskOrAbort(report, "Ошибка формата файла инициализации оболочки "_cp + quoted +
                                ". Дальнейшая работа с программой будет невозможна! Создать новый корректный файл?"_cp))
      return result;
    if (!WriteBuiltInSettings(path, report)) return result;
    result.defaultWritten = true;
  }
  ApplyRegistration(settings, programDir, registration, report);
  result.loaded = true;
  return result;
}

bool SaveRecentFiles(ShellSettings& settings, const std::string& programDir, Reporting& report) {
  WriteRecentFileLines(settings);
  return WriteSettingsFile(settings, programDir, report);
}

bool SaveSettings(ShellSettings& settings, const std::string& programDir, Reporting& report) {
  WriteRecentFileLines(settings);
  settings.Replace("Interface", BoxDigits(settings.Interfaces));
  settings.Replace("Confirm", BoxDigits(settings.Confirms));
  settings.Replace("General", BoxDigits(settings.General));
  settings.Replace("USESOUNDS", settings.SoundsEnabled ? "1" : "0");
  return WriteSettingsFile(settings, programDir, report);
}

bool WriteSettingsFile(const ShellSettings& settings, const std::string& programDir, Reporting& report) {
  return SaveLines(settings.Ini, SettingsFilePath(programDir), false, report);
}

}  // namespace kmpx
