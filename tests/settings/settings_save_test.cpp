#include <gtest/gtest.h>

#include <filesystem>

#include "settings/settings_file.h"
#include "settings_fixture.h"
#include "text/cp1251.h"

namespace kmpx {
namespace {

using test::RecordingRegistration;
using test::TempHome;
using test::TestReporting;

ShellSettings LoadedFrom(const TempHome& home, const LineList& lines) {
  test::WriteSettings(home, lines);
  TestReporting t;
  RecordingRegistration registration;
  ShellSettings settings;
  EXPECT_TRUE(LoadSettings(settings, home.Dir(), false, registration, t.report).loaded);
  return settings;
}

LineList FileLines(const TempHome& home) {
  return LineList::FromText(ReadFileBytes(SettingsFilePath(home.Dir())).value_or(""));
}

TEST(SaveSettings, WritesMenuBoxesAndSoundsAndReloadsToTheSameState) {
  TempHome home;
  ShellSettings settings = LoadedFrom(home, test::BuiltInSettings());
  settings.RecentFiles[0] = {"/maps/новая.ksp"_cp, true};
  settings.RecentFiles[1] = {"/maps/b.ksp", true};
  settings.RecentFiles[2] = {"/maps/hidden.ksp", false};  // not in use: written empty
  settings.RecentSeparatorVisible = true;
  settings.Confirms = {false, true, false, false, false, false, true};
  settings.General[10] = true;
  settings.SoundsEnabled = false;
  settings.Replace("Tooler Path", "/opt/tools");  // a writer's change in memory reaches the disk too
  TestReporting t;
  ASSERT_TRUE(SaveSettings(settings, home.Dir(), t.report));

  LineList expected = test::BuiltInSettings();
  const std::pair<const char*, std::string> changed[] = {
      {"Hotfile-1", "/maps/новая.ksp"_cp}, {"Hotfile-2", "/maps/b.ksp"}, {"Confirm", "0100001"},
      {"General", "10011101111"},          {"USESOUNDS", "0"},          {"Tooler Path", "/opt/tools"},
  };
  for (const auto& [key, value] : changed) expected.Put(expected.IndexOfKey(key), std::string(key) + "=" + value);
  EXPECT_EQ(FileLines(home), expected);

  TestReporting again;
  RecordingRegistration registration;
  ShellSettings reloaded;
  ASSERT_TRUE(LoadSettings(reloaded, home.Dir(), false, registration, again.report).loaded);
  EXPECT_EQ(reloaded.Confirms, settings.Confirms);
  EXPECT_EQ(reloaded.General, settings.General);
  EXPECT_EQ(reloaded.ConfirmOptions, "0100001");
  EXPECT_FALSE(reloaded.SoundsEnabled);
  EXPECT_EQ(reloaded.RecentFiles[0].caption, "/maps/новая.ksp"_cp);
  EXPECT_TRUE(reloaded.RecentFiles[1].visible);
  EXPECT_FALSE(reloaded.RecentFiles[2].visible);
}

TEST(SaveSettings, ShortDigitStringsAndLoudSoundsAreWrittenInFull) {
  TempHome home;
  LineList lines = test::BuiltInSettings();
  lines.Put(lines.IndexOfKey("USESOUNDS"), "USESOUNDS=2");
  lines.Put(lines.IndexOfKey("Interface"), "Interface=111");  // never read, so written back from the unticked list
  ShellSettings settings = LoadedFrom(home, lines);
  TestReporting t;
  ASSERT_TRUE(SaveSettings(settings, home.Dir(), t.report));
  const LineList saved = FileLines(home);
  EXPECT_EQ(saved.ValueOf("Confirm"), "1001110");
  EXPECT_EQ(saved.ValueOf("USESOUNDS"), "1");
  EXPECT_EQ(saved.ValueOf("Interface"), "000");
}

TEST(SaveSettings, LinesMissingFromAHandEditedFileAreNotAdded) {
  TempHome home;
  LineList lines = test::SettingsWith("Hotfile-3", "");
  lines.Delete(lines.IndexOfKey("Interface"));
  ShellSettings settings = LoadedFrom(home, lines);
  settings.RecentFiles[2] = {"/maps/c.ksp", true};
  TestReporting t;
  ASSERT_TRUE(SaveSettings(settings, home.Dir(), t.report));
  const LineList saved = FileLines(home);
  EXPECT_EQ(saved.Count(), lines.Count());
  EXPECT_EQ(saved.IndexOfKey("Hotfile-3"), -1);
  EXPECT_EQ(saved.IndexOfKey("Interface"), -1);
  EXPECT_FALSE(settings.Replace("Hotfile-3", "x"));
}

TEST(SaveRecentFiles, WritesOnlyTheRecentFileLines) {
  TempHome home;
  ShellSettings settings = LoadedFrom(home, test::BuiltInSettings());
  settings.Confirms[6] = true;  // the dialog's boxes are not this save's business
  settings.SoundsEnabled = false;
  for (int i = 0; i < kRecentFiles; ++i) settings.RecentFiles[i] = {"/m/" + std::to_string(i) + ".ksp", true};
  TestReporting t;
  ASSERT_TRUE(SaveRecentFiles(settings, home.Dir(), t.report));
  LineList expected = test::BuiltInSettings();
  for (int k = 1; k <= kRecentFiles; ++k) {
    const std::string key = "Hotfile-" + std::to_string(k);
    expected.Put(expected.IndexOfKey(key), key + "=/m/" + std::to_string(k - 1) + ".ksp");
  }
  EXPECT_EQ(FileLines(home), expected);
}

TEST(SaveSettings, AFailedSaveIsShownAndTheProgramGoesOnWithTheListInMemory) {
  TempHome home;
  ShellSettings settings = LoadedFrom(home, test::BuiltInSettings());
  const std::string path = SettingsFilePath(home.Dir());
  std::filesystem::create_directory(ToFsPath(path + ".kmpx-tmp"));  // blocks the write beside the file
  settings.SoundsEnabled = false;
  TestReporting t;
  t.dialogs.Expect("Ошибка создания файла \""_cp + path + "\".", kAnswerOk);
  EXPECT_FALSE(SaveSettings(settings, home.Dir(), t.report));
  EXPECT_EQ(t.dialogs.shown.at(0).text, "Ошибка создания файла \""_cp + path + "\".");
  EXPECT_EQ(t.program.aborts, 0);
  EXPECT_EQ(settings.Value("USESOUNDS"), "0");
  EXPECT_EQ(FileLines(home), test::BuiltInSettings());
}

}  // namespace
}  // namespace kmpx
