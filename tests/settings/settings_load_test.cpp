#include <gtest/gtest.h>

#include <filesystem>

#include "settings/program_files.h"
#include "settings/settings_file.h"
#include "settings_fixture.h"
#include "text/cp1251.h"

namespace kmpx {
namespace {

using test::RecordingRegistration;
using test::SettingsWith;
using test::TempHome;
using test::TestReporting;
using test::WriteSettings;

std::string MissingQuestion(const std::string& path) {
  return "Файл инициализации оболочки \""_cp + path +
         "\" не найден. Дальнейшая работа с программой будет невозможна! Создать файл автоматически?"_cp;
}

std::string FormatQuestion(const std::string& path) {
  return "Ошибка формата файла инициализации оболочки \""_cp + path +
         "\". Дальнейшая работа с программой будет невозможна! Создать новый корректный файл?"_cp;
}

std::string BuiltInBytes() { return std::string(FindEmbeddedResource("EXEFILE", "INI").value()); }

std::vector<bool> Visibility(const ShellSettings& settings) {
  std::vector<bool> visible;
  for (const auto& item : settings.RecentFiles) visible.push_back(item.visible);
  return visible;
}

TEST(LoadSettings, MissingFileAnsweredYesIsWrittenFromTheBuiltInCopyAndApplied) {
  TempHome home;
  TestReporting t;
  RecordingRegistration registration;
  const std::string path = SettingsFilePath(home.Dir());
  t.dialogs.Expect(MissingQuestion(path), kAnswerYes);
  ShellSettings settings;
  const SettingsLoad result = LoadSettings(settings, home.Dir(), true, registration, t.report);

  ASSERT_TRUE(result.loaded);
  EXPECT_TRUE(result.defaultWritten);
  const MessageBoxRequest& box = t.dialogs.shown.at(0);
  EXPECT_EQ(box.text, MissingQuestion(path));
  EXPECT_EQ(box.caption, "KMPX SHELL Professional");
  EXPECT_EQ(box.buttons, BoxButtons::YesNo);
  EXPECT_EQ(box.icon, BoxIcon::Stop);
  EXPECT_EQ(ReadFileBytes(path), BuiltInBytes());

  EXPECT_EQ(settings.Ini, test::BuiltInSettings());
  EXPECT_EQ(settings.ConfirmOptions, "100111");
  EXPECT_EQ(settings.GeneralOptions, "10011101110");
  EXPECT_EQ(settings.Confirms, (std::array<bool, 7>{true, false, false, true, true, true, false}));
  EXPECT_EQ(settings.General,
            (std::array<bool, 11>{true, false, false, true, true, true, false, true, true, true, false}));
  EXPECT_FALSE(settings.ConfirmOn(7));  // the welcome dialog stays off: a missing digit is 0
  EXPECT_TRUE(settings.SoundsEnabled);
  EXPECT_EQ(Visibility(settings), std::vector<bool>(7, false));
  EXPECT_FALSE(settings.RecentSeparatorVisible);
  EXPECT_TRUE(settings.TrayCompileVisible);
  EXPECT_FALSE(settings.MinimiseToTray);
  EXPECT_EQ(registration.calls,
            (std::vector<std::string>{"type " + home.Dir() + std::string(kShellProgramFile),
                                      "autostart on " + home.Dir() + std::string(kAgentProgramFile)}));
  EXPECT_EQ(t.program.aborts, 0);
  EXPECT_TRUE(t.log.entries.empty());
}

TEST(LoadSettings, MissingFileAnsweredNoEndsTheProgramWithoutWritingAnything) {
  TempHome home;
  TestReporting t;
  RecordingRegistration registration;
  t.dialogs.Expect(MissingQuestion(SettingsFilePath(home.Dir())), kAnswerNo);
  ShellSettings settings;
  const SettingsLoad result = LoadSettings(settings, home.Dir(), false, registration, t.report);
  EXPECT_FALSE(result.loaded);
  EXPECT_EQ(t.program.aborts, 1);
  EXPECT_FALSE(FileExists(SettingsFilePath(home.Dir())));
  EXPECT_TRUE(registration.calls.empty());
}

TEST(LoadSettings, ProgramFolderThatCannotBeWrittenEndsWithTheCreationError) {
  TempHome home;
  // A file standing where the program folder should be: nothing can be written into it.
  ASSERT_TRUE(WriteFileAtomically(home.Path("blocked"), "x"));
  const std::string programDir = home.Path("blocked/");
  const std::string path = SettingsFilePath(programDir);
  TestReporting t;
  RecordingRegistration registration;
  t.dialogs.Expect(MissingQuestion(path), kAnswerYes);
  t.dialogs.Expect("Ошибка создания файла "_cp, kAnswerOk);
  ShellSettings settings;
  const SettingsLoad result = LoadSettings(settings, programDir, false, registration, t.report);
  EXPECT_FALSE(result.loaded);
  EXPECT_EQ(t.program.aborts, 1);
  EXPECT_EQ(t.dialogs.shown.at(1).text, "Ошибка создания файла \""_cp + path + "\"");
  EXPECT_EQ(t.dialogs.shown.at(1).buttons, BoxButtons::Ok);
  EXPECT_TRUE(registration.calls.empty());
}

TEST(LoadSettings, UnreadableFileEndsWithTheCriticalLoadMessage) {
  TempHome home;
  const std::string path = SettingsFilePath(home.Dir());
  WriteSettings(home, test::BuiltInSettings());
  namespace fs = std::filesystem;
  fs::permissions(ToFsPath(path), fs::perms::none);
  if (ReadFileBytes(path)) {
    // Permission bits do not stop root; a file the kernel refuses to read does.
    fs::remove(ToFsPath(path));
    std::error_code error;
    fs::create_symlink("/proc/sys/vm/drop_caches", ToFsPath(path), error);
    if (error || ReadFileBytes(path)) GTEST_SKIP() << "no unreadable file can be made here";
  }
  TestReporting t;
  RecordingRegistration registration;
  t.dialogs.Expect("Критическая ошибка при загрузке файла \""_cp + path + "\". Работа с программой будет прервана!"_cp,
                   kAnswerOk);
  ShellSettings settings;
  const SettingsLoad result = LoadSettings(settings, home.Dir(), false, registration, t.report);
  EXPECT_FALSE(result.loaded);
  EXPECT_FALSE(result.defaultWritten);
  EXPECT_EQ(t.program.aborts, 1);
  EXPECT_TRUE(registration.calls.empty());
}

TEST(LoadSettings, MalformedFileAnsweredNoEndsTheProgramAndKeepsTheFile) {
  struct Case {
    const char* what;
    std::string key;
    std::string line;  // empty: the line is removed
  };
  const Case cases[] = {
      {"empty tool name", "RIPENT File", "RIPENT File="},
      {"missing path line", "Map Path", ""},
      {"empty game program", "HL.EXE Path", "HL.EXE Path="},
      {"after-compile not a number", "AFTER COMPILE", "AFTER COMPILE=two"},
      {"after-compile empty", "AFTER COMPILE", "AFTER COMPILE="},
      {"after-compile trailing text", "AFTER COMPILE", "AFTER COMPILE=1x"},
      {"letter among the digits", "General", "General=1001a101110"},
      {"one digit more than boxes", "General", "General=100111011101"},
      {"eight confirm digits", "Confirm", "Confirm=10011100"},
      {"sign among the digits", "Confirm", "Confirm=-1"},
      {"sounds not a number", "USESOUNDS", "USESOUNDS=on"},
      {"sounds line missing", "USESOUNDS", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempHome home;
    WriteSettings(home, SettingsWith(c.key, c.line));
    const std::string path = SettingsFilePath(home.Dir());
    const auto before = ReadFileBytes(path);
    TestReporting t;
    RecordingRegistration registration;
    t.dialogs.Expect(FormatQuestion(path), kAnswerNo);
    ShellSettings settings;
    const SettingsLoad result = LoadSettings(settings, home.Dir(), false, registration, t.report);
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(t.program.aborts, 1);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_TRUE(registration.calls.empty());
    ASSERT_FALSE(t.dialogs.shown.empty());
    EXPECT_EQ(t.dialogs.shown[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(t.dialogs.shown[0].icon, BoxIcon::Stop);
  }
}

TEST(LoadSettings, MalformedFileAnsweredYesIsReplacedAndNoneOfItsValuesSurvive) {
  TempHome home;
  LineList broken = SettingsWith("General", "General=0000011x");
  broken.Put(broken.IndexOfKey("Hotfile-1"), "Hotfile-1=/maps/old.ksp");
  broken.Put(broken.IndexOfKey("Confirm"), "Confirm=1111111");
  WriteSettings(home, broken);
  TestReporting t;
  RecordingRegistration registration;
  t.dialogs.Expect(FormatQuestion(SettingsFilePath(home.Dir())), kAnswerYes);
  ShellSettings settings;
  const SettingsLoad result = LoadSettings(settings, home.Dir(), false, registration, t.report);
  ASSERT_TRUE(result.loaded);
  EXPECT_TRUE(result.defaultWritten);
  EXPECT_EQ(ReadFileBytes(SettingsFilePath(home.Dir())), BuiltInBytes());
  EXPECT_EQ(settings.Ini, test::BuiltInSettings());
  // The broken file was read as far as its bad digit, yet nothing of it reached the menu or the boxes.
  EXPECT_FALSE(settings.RecentFiles[0].visible);
  EXPECT_FALSE(settings.RecentSeparatorVisible);
  EXPECT_FALSE(settings.Confirms[1]);
  EXPECT_EQ(registration.calls.size(), 2u);  // applied once, after the reload
}

TEST(LoadSettings, MalformedFileThatCannotBeReplacedIsKept) {
  TempHome home;
  WriteSettings(home, SettingsWith("RIPENT File", "RIPENT File="));
  const std::string path = SettingsFilePath(home.Dir());
  const auto before = ReadFileBytes(path);
  // The replacement is written beside the file first; a folder in that place makes the write fail.
  std::filesystem::create_directory(ToFsPath(path + ".kmpx-tmp"));
  TestReporting t;
  RecordingRegistration registration;
  t.dialogs.Expect(FormatQuestion(path), kAnswerYes);
  t.dialogs.Expect("Ошибка создания файла \""_cp + path + "\"", kAnswerOk);
  ShellSettings settings;
  const SettingsLoad result = LoadSettings(settings, home.Dir(), false, registration, t.report);
  EXPECT_FALSE(result.loaded);
  EXPECT_EQ(t.program.aborts, 1);
  EXPECT_EQ(ReadFileBytes(path), before);
}

TEST(LoadSettings, UnusualButWellFormedValuesAreAccepted) {
  struct Case {
    std::string key;
    std::string line;
  };
  const Case cases[] = {
      {"HL PARAMS", "HL PARAMS="},
      {"AFTER COMPILE", "AFTER COMPILE=7"},
      {"AFTER COMPILE", "AFTER COMPILE= 2"},
      {"Confirm", "Confirm="},
      {"Confirm", ""},  // nothing to read: every box unticked
      {"General", "General=92011101110"},
      {"USESOUNDS", "USESOUNDS=-3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line.empty() ? "without " + c.key : c.line);
    TempHome home;
    WriteSettings(home, SettingsWith(c.key, c.line));
    TestReporting t;
    RecordingRegistration registration;
    ShellSettings settings;
    EXPECT_TRUE(LoadSettings(settings, home.Dir(), false, registration, t.report).loaded);
    EXPECT_EQ(t.program.aborts, 0);
  }
}

TEST(LoadSettings, BoxesFollowNonZeroDigitsWhileFeaturesNeedExactlyOne) {
  TempHome home;
  LineList lines = SettingsWith("General", "General=20000200000");
  lines.Put(lines.IndexOfKey("USESOUNDS"), "USESOUNDS=2");
  WriteSettings(home, lines);
  TestReporting t;
  RecordingRegistration registration;
  ShellSettings settings;
  settings.Confirms[6] = true;  // ticked in the dialog but never saved
  ASSERT_TRUE(LoadSettings(settings, home.Dir(), true, registration, t.report).loaded);
  EXPECT_TRUE(settings.General[0]);
  EXPECT_FALSE(settings.GeneralOn(1));
  EXPECT_TRUE(settings.General[5]);
  EXPECT_FALSE(settings.TrayCompileVisible);  // digit 6 is "2"
  EXPECT_TRUE(settings.SoundsEnabled);
  EXPECT_FALSE(settings.SoundsOn());
  EXPECT_FALSE(settings.Confirms[6]);  // the file's six digits leave the seventh box unticked
}

TEST(LoadSettings, KeysAreFoundInAnyCaseAndBlockAndOnlyTheFirstLineCounts) {
  TempHome home;
  LineList lines = SettingsWith("General", "");
  lines.Insert(lines.IndexOf("[MENU]") + 1, "general=00000110000");
  lines.Add("GENERAL=11111111111");
  lines.Put(lines.IndexOfKey("Map Path"), "MAP PATH=/maps/a.map");
  WriteSettings(home, lines);
  TestReporting t;
  RecordingRegistration registration;
  ShellSettings settings;
  ASSERT_TRUE(LoadSettings(settings, home.Dir(), true, registration, t.report).loaded);
  EXPECT_EQ(settings.GeneralOptions, "00000110000");
  EXPECT_TRUE(settings.TrayCompileVisible);
  EXPECT_TRUE(settings.MinimiseToTray);
  EXPECT_EQ(settings.Value("map path"), "/maps/a.map");
}

TEST(LoadSettings, RecentFilesShowTheirItemAndTheOneAboveIt) {
  struct Case {
    std::vector<std::pair<int, std::string>> files;
    std::vector<bool> visible;
    bool separator;
  };
  const Case cases[] = {
      {{{1, "/m/a.ksp"}}, {true, false, false, false, false, false, false}, true},
      {{{1, "/m/a.ksp"}, {3, "/m/c.ksp"}}, {true, true, true, false, false, false, false}, true},
      {{{7, "/m/g.ksp"}}, {false, false, false, false, false, true, true}, false},
  };
  for (const auto& c : cases) {
    TempHome home;
    LineList lines = test::BuiltInSettings();
    for (const auto& [k, path] : c.files)
      lines.Put(lines.IndexOfKey("Hotfile-" + std::to_string(k)), "Hotfile-" + std::to_string(k) + "=" + path);
    WriteSettings(home, lines);
    TestReporting t;
    RecordingRegistration registration;
    ShellSettings settings;
    ASSERT_TRUE(LoadSettings(settings, home.Dir(), false, registration, t.report).loaded);
    EXPECT_EQ(Visibility(settings), c.visible) << c.files.back().second;
    EXPECT_EQ(settings.RecentSeparatorVisible, c.separator) << c.files.back().second;
    for (const auto& [k, path] : c.files) EXPECT_EQ(settings.RecentFiles[k - 1].caption, path);
  }
}

TEST(LoadSettings, RegistrationFollowsDigitsFourAndFiveAndReportsEachFailure) {
  struct Case {
    std::string general;
    bool fail;
    std::vector<std::string> calls;  // with the folder left out
    std::vector<std::string> errors;
  };
  const std::string typeError = "Регистрация формата ksp завершилась неудачей!"_cp;
  const std::string autostartError = "Регистрация автозагрузки агента при запуске Windows завершилась неудачей!"_cp;
  const std::string shell(kShellProgramFile), agent(kAgentProgramFile);
  const Case cases[] = {
      {"00011", false, {"type " + shell, "autostart on " + agent}, {}},
      {"00020", false, {"autostart off " + agent}, {}},
      {"0", false, {"autostart off " + agent}, {}},
      {"00011", true, {"type " + shell, "autostart on " + agent}, {typeError, autostartError}},
      {"0", true, {"autostart off " + agent}, {autostartError}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.general + (c.fail ? " failing" : ""));
    TempHome home;
    WriteSettings(home, SettingsWith("General", "General=" + c.general));
    TestReporting t;
    RecordingRegistration registration;
    registration.failTypeRegistration = registration.failAutostart = c.fail;
    ShellSettings settings;
    ASSERT_TRUE(LoadSettings(settings, home.Dir(), false, registration, t.report).loaded);
    std::vector<std::string> calls;
    for (const auto& call : c.calls) {
      const auto space = call.rfind(' ');
      calls.push_back(call.substr(0, space + 1) + home.Dir() + call.substr(space + 1));
    }
    EXPECT_EQ(registration.calls, calls);
    EXPECT_EQ(t.log.Texts(), c.errors);
    for (const auto& entry : t.log.entries) {
      EXPECT_EQ(entry.kind, MessageKind::Error);
      EXPECT_TRUE(entry.bringForward);
    }
    EXPECT_EQ(t.program.aborts, 0);
  }
}

TEST(OptionDigits, OnlyAnExistingOneIsOn) {
  struct Case {
    std::string digits;
    int k;
    bool on;
  };
  const Case cases[] = {
      {"100111", 1, true}, {"100111", 2, false}, {"100111", 7, false}, {"2", 1, false},
      {"", 1, false},      {"1", 0, false},      {"01", 2, true},
  };
  for (const auto& c : cases) EXPECT_EQ(OptionDigitOn(c.digits, c.k), c.on) << c.digits << " digit " << c.k;
}

}  // namespace
}  // namespace kmpx
