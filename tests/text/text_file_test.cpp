#include "text/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_reporting.h"
#include "text/embedded_resources.h"

namespace kmpx {
namespace {

using test::TempHome;
using test::TestReporting;

TEST(TextFile, SaveThenLoadKeepsCp1251BytesAndLineEnds) {
  TempHome home;
  TestReporting t;
  const std::string path = home.Path("Настройка.ksp"_cp);
  const LineList lines{"[GENERAL]", "Карта=E:\\тест.map"_cp, ""};
  ASSERT_TRUE(SaveLines(lines, path, false, t.report));
  EXPECT_EQ(ReadFileBytes(path), "[GENERAL]\r\n" + "Карта=E:\\тест.map"_cp + "\r\n\r\n");
  LineList loaded{"old"};
  ASSERT_TRUE(LoadLines(loaded, path, false, t.report));
  EXPECT_EQ(loaded, lines);
  EXPECT_TRUE(t.log.entries.empty());
  // Nothing but the target is left in the folder: the temporary file was renamed.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.Dir()), {}), 1);
}

TEST(TextFile, BackslashPathsWorkOnEveryPlatform) {
  TempHome home;
  TestReporting t;
  std::filesystem::create_directory(home.Path("Sounds"));
  ASSERT_TRUE(SaveLines({"x"}, home.Dir() + "Sounds\\a.txt", false, t.report));
  EXPECT_TRUE(FileExists(home.Path("Sounds/a.txt")));
}

TEST(TextFile, FailedLoadLogsAndShowsTheMessage) {
  TempHome home;
  const std::string path = home.Path("missing.ini");
  const std::string quoted = "\"" + path + "\"";
  {
    TestReporting t;
    t.dialogs.Expect("Ошибка при загрузке файла "_cp + quoted, kAnswerOk);
    LineList list{"stale"};
    EXPECT_FALSE(LoadLines(list, path, false, t.report));
    EXPECT_EQ(list.Count(), 0);
    ASSERT_EQ(t.log.entries.size(), 1u);
    EXPECT_EQ(t.log.entries[0].text, "Ошибка при загрузке файла "_cp + quoted);
    EXPECT_EQ(t.log.entries[0].kind, MessageKind::Error);
    EXPECT_EQ(t.program.aborts, 0);
  }
  {
    TestReporting t;
    t.dialogs.Expect("Критическая ошибка при загрузке файла "_cp + quoted +
                         ". Работа с программой будет прервана!"_cp,
                     kAnswerOk);
    LineList list;
    EXPECT_FALSE(LoadLines(list, path, true, t.report));
    EXPECT_EQ(t.program.aborts, 1);
    EXPECT_EQ(t.dialogs.shown.at(0).icon, BoxIcon::Stop);
  }
  {
    TestReporting t;  // a folder is not a file
    t.dialogs.Expect("Ошибка при загрузке файла "_cp, kAnswerOk);
    LineList list;
    EXPECT_FALSE(LoadLines(list, home.Dir(), false, t.report));
  }
}

TEST(TextFile, FailedSaveKeepsTheOldFileAndSaysSo) {
  TempHome home;
  // A folder standing where the file should be cannot be replaced: the save
  // fails after the temporary file was written, and nothing is lost.
  const std::string path = home.Path("kmpx shell.ini");
  std::filesystem::create_directory(home.Path("kmpx shell.ini"));
  ASSERT_TRUE(WriteFileAtomically(home.Path("kmpx shell.ini/keep"), "old\r\n"));
  TestReporting t;
  t.dialogs.Expect("Ошибка создания файла \""_cp + path + "\". Дальнейшая работа с программой невозможна!"_cp,
                   kAnswerOk);
  EXPECT_FALSE(SaveLines({"new"}, path, true, t.report));
  EXPECT_EQ(t.program.aborts, 0);  // a critical save failure does not end the program by itself
  EXPECT_EQ(ReadFileBytes(home.Path("kmpx shell.ini/keep")), "old\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".kmpx-tmp"));

  // A folder that cannot hold files (here: a file in its place) gives the plain message.
  TestReporting plain;
  plain.dialogs.Expect("Ошибка создания файла \""_cp + home.Path("kmpx shell.ini/keep/x.ini") + "\"."_cp,
                       kAnswerOk);
  EXPECT_FALSE(SaveLines({"new"}, home.Path("kmpx shell.ini/keep/x.ini"), false, plain.report));
  EXPECT_EQ(plain.dialogs.shown.at(0).text.find("Дальнейшая"_cp), std::string::npos);
}

TEST(TextFile, ResourcesAreFoundWithoutRegardToCase) {
  TempHome home;
  EXPECT_TRUE(FindEmbeddedResource("exefile", "ini").has_value());
  EXPECT_FALSE(FindEmbeddedResource("EXEFILE", "NOSUCH").has_value());
  ASSERT_TRUE(ExtractResourceFile("EXEFILE", "Ini", home.Path("out.ini")));
  EXPECT_EQ(ReadFileBytes(home.Path("out.ini")), std::string(*FindEmbeddedResource("EXEFILE", "INI")));
  EXPECT_FALSE(ExtractResourceFile("EXEFILE", "INI", home.Path("no/such/folder/out.ini")));
}

}  // namespace
}  // namespace kmpx
