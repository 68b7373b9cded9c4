// Until the window exists the shell starts headless: it resolves its folder,
// loads the settings, asking its questions on the terminal,
// writes the built-in files that are missing and prints what it loaded.
#include <QCoreApplication>

#include <iostream>

#include "app/console_ports.h"
#include "platform/program_dir.h"
#include "compile/event_sounds.h"
#include "settings/settings_file.h"
#include "tooler/tooler_catalogue.h"
#include "tooler/tooler_file.h"
#include "text/cp1251.h"

namespace {

using kmpx::Cp1251ToUtf8;

void PrintLoaded(const kmpx::ShellSettings& settings) {
  const char* keys[] = {"TOOLER VERSION", "Last Preset", "Map Path",    "Bsp Path",    "Tooler Path",
                        "CSG File",       "BSP File",    "VIS File",    "NETVIS File", "RAD File",
                        "RIPENT File",    "HL Path",     "HL.EXE Path", "HL PARAMS",   "AFTER COMPILE",
                        "Confirm",        "General",     "Interface",   "USESOUNDS"};
  for (const char* key : keys) std::cout << "  " << key << "=" << Cp1251ToUtf8(settings.Value(key)) << "\n";
  std::cout << "Звуковое оповещение: " << (settings.SoundsOn() ? "включено" : "выключено") << "\n";
  std::cout << "Сворачивание в трэй: " << (settings.MinimiseToTray ? "да" : "нет") << "\n";
  for (const auto& item : settings.RecentFiles)
    if (item.visible) std::cout << "Последний файл: " << Cp1251ToUtf8(item.caption) << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const std::string programDir = kmpx::ResolveProgramDir();
  if (!kmpx::EnterProgramDir(programDir)) {
    std::cerr << "Папка программы недоступна: " << Cp1251ToUtf8(programDir) << "\n";
    return 1;
  }
  std::cout << "Папка программы: " << Cp1251ToUtf8(programDir) << "\n";

  kmpx::ConsoleDialogs dialogs;
  kmpx::MessageBoxes boxes(dialogs);
  kmpx::ConsoleLog log;
  kmpx::ConsoleProgram program;
  kmpx::Reporting report{boxes, log, program};
  kmpx::ConsoleRegistration registration;

  kmpx::ShellSettings settings;
  const kmpx::SettingsLoad load = kmpx::LoadSettings(settings, programDir, false, registration, report);
  if (!load.loaded || program.aborted) {
    std::cerr << "Работа программы прервана.\n";
    return 1;
  }
  if (load.defaultWritten)
    std::cout << "Записан встроенный файл: " << Cp1251ToUtf8(kmpx::SettingsFilePath(programDir)) << "\n";
  std::cout << "Загружены настройки " << Cp1251ToUtf8(kmpx::SettingsFilePath(programDir)) << ":\n";
  PrintLoaded(settings);

  // Sounds are not the user's to be asked about: written silently when missing.
  if (!kmpx::WriteMissingSoundFiles(programDir)) std::cerr << "Не удалось записать звуковые файлы в папку Sounds\n";

  // The chosen tool description, with its question when the file is missing.
  const std::string toolerPath = kmpx::ToolerFilePath(programDir, settings.Value("TOOLER VERSION"));
  const auto tooler = kmpx::ReadToolerFile(toolerPath, report);
  if (program.aborted) {
    std::cerr << "Работа программы прервана.\n";
    return 1;
  }
  if (tooler) {
    std::cout << "Загружено описание тулера " << Cp1251ToUtf8(toolerPath) << ": " << Cp1251ToUtf8(tooler->info.name)
              << " " << Cp1251ToUtf8(tooler->info.version) << "\n";
  }
  return 0;
}
