#include "batch/bat_template.h"

#include <gtest/gtest.h>

#include "support/test_reporting.h"

namespace kmpx {
namespace {

using Lines = std::vector<std::string>;
const Lines kDefault = {"%CSG%", "%BSP%", "%VIS%", "%NETVIS%", "%RAD%", "%HL%"};

TEST(NormalizeTemplate, RestoresLaunchOrderAndReportsSurplusLines) {
  struct Case {
    Lines in;
    Lines out;
    Lines deleted;
  };
  const Case cases[] = {
      {{}, kDefault, {}},
      {kDefault, kDefault, {}},
      {{"%BSP%", "copy a b", "%CSG%"},
       {"%CSG%", "copy a b", "%BSP%", "%VIS%", "%NETVIS%", "%RAD%", "%HL%"},
       {"%CSG%"}},
      {{"%hl%", "%csg%"}, kDefault, {"%csg%"}},
      {{"echo 1", "%csg%", "%Csg%", "echo 2"},
       {"echo 1", "%CSG%", "echo 2", "%BSP%", "%VIS%", "%NETVIS%", "%RAD%", "%HL%"},
       {"%Csg%"}},
  };
  for (const auto& c : cases) {
    test::RecordingLog log;
    LineList batTemplate;
    for (const auto& line : c.in) batTemplate.Add(line);
    NormalizeTemplate(batTemplate, "Загрузка файла \"a.ksp\""_cp, log);
    EXPECT_EQ(batTemplate.Lines(), c.out);
    ASSERT_EQ(log.entries.size(), c.deleted.size());
    for (std::size_t i = 0; i < c.deleted.size(); ++i) {
      EXPECT_EQ(log.entries[i].text, "(Загрузка файла \"a.ksp\") Строка \""_cp + c.deleted[i] +
                                         "\" удалена,так как не может повторятся в шаблоне Bat-файла более одного раза!"_cp);
      EXPECT_EQ(log.entries[i].kind, MessageKind::Error);
      EXPECT_TRUE(log.entries[i].bringForward);
    }
  }
}

TEST(TemplatePreLines, TakesTheUserLinesBeforeEachStage) {
  const LineList batTemplate{"", "echo start", "%CSG%", "echo between", "%BSP%", "%VIS%",
                             "%NETVIS%", "%RAD%", "%HL%", "echo end"};
  EXPECT_EQ(TemplatePreLines(batTemplate, CompilerId::CSG).Lines(), (Lines{"", "echo start"}));
  EXPECT_EQ(TemplatePreLines(batTemplate, CompilerId::BSP).Lines(), (Lines{"echo between"}));
  for (CompilerId stage : {CompilerId::VIS, CompilerId::NETVIS, CompilerId::RAD, CompilerId::HL})
    EXPECT_EQ(TemplatePreLines(batTemplate, stage).Count(), 0);
  EXPECT_EQ(TemplatePreLines(LineList{"echo x"}, CompilerId::CSG).Count(), 0);  // no reserved line at all
}

TEST(BatGetCompilerID, ClassifiesBatchLines) {
  const std::pair<const char*, CompilerId> cases[] = {
      {"REM hlrad.exe -extra %mapname%", CompilerId::RAD},
      {"hlcsg.exe -estimate %mapname%", CompilerId::CSG},
      {"netvis.exe %mapname%", CompilerId::NETVIS},  // NETVIS is found before VIS
      {"hlvis.exe -full %mapname%", CompilerId::VIS},
      {"qbsp2.exe x", CompilerId::BSP},
      {"\"C:\\Program Files\\hlcsg.exe\" -nowadtextures %mapname%", CompilerId::CSG},
      {"\"C:\\Half-life\\hl.exe\" +map test", CompilerId::HL},
      {"SET WADROOT=x", CompilerId::None},
      {"@echo off", CompilerId::None},
      {"REM", CompilerId::None},
      {"", CompilerId::None},
  };
  for (const auto& [line, id] : cases) EXPECT_EQ(Bat_GetCompilerID(line), id) << line;
}

TEST(IsReservedLine, FindsAReservedNameAnywhereInAnyCase) {
  EXPECT_TRUE(IsReservedLine("call x.bat %CSG%"));
  EXPECT_TRUE(IsReservedLine("echo %csg%"));
  EXPECT_TRUE(IsReservedLine("%Hl%"));
  EXPECT_FALSE(IsReservedLine("echo %mapname%"));
  EXPECT_FALSE(IsReservedLine("CSG"));
}

}  // namespace
}  // namespace kmpx
