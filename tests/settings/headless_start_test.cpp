// Runs the shell program itself in a fresh program folder, with no terminal
// on stdin, so every question is answered with its first button.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "settings_fixture.h"

namespace kmpx {
namespace {

struct ShellRun {
  int exitCode;
  std::string output;
};

ShellRun RunShell() {
  const std::string command = std::string("\"") + KMPX_SHELL_PROGRAM + "\" </dev/null 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, ""};
  std::string output;
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(HeadlessStart, WritesTheMissingSettingsAndPrintsWhatItLoaded) {
  test::TempHome home;
  const ShellRun first = RunShell();
  EXPECT_EQ(first.exitCode, 0) << first.output;
  EXPECT_EQ(ReadFileBytes(SettingsFilePath(home.Dir())),
            std::string(FindEmbeddedResource("EXEFILE", "INI").value()));
  EXPECT_NE(first.output.find("Записан встроенный файл"), std::string::npos) << first.output;
  EXPECT_NE(first.output.find("TOOLER VERSION=KMPX 2.5.3-1.7"), std::string::npos) << first.output;

  const ShellRun second = RunShell();
  EXPECT_EQ(second.exitCode, 0) << second.output;
  EXPECT_EQ(second.output.find("Записан встроенный файл"), std::string::npos) << second.output;
}

TEST(HeadlessStart, EndsWithAnErrorCodeWhenTheSettingsCannotBeRepaired) {
  test::TempHome home;
  test::WriteSettings(home, test::SettingsWith("General", "General=1x"));
  std::filesystem::create_directory(home.Path("kmpx shell.ini.kmpx-tmp"));  // the repair cannot be written
  const ShellRun run = RunShell();
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("Ошибка формата файла инициализации оболочки"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Ошибка создания файла"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace kmpx
