#include "tooler/tooler_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "support/test_reporting.h"
#include "text/cp1251.h"
#include "text/embedded_resources.h"
#include "text/string_ops.h"
#include "text/text_file.h"
#include "tooler/option_entry.h"
#include "tooler/tooler_catalogue.h"

namespace kmpx {

// Sections show as lines in failure messages.
void PrintTo(const LineList& list, std::ostream* out) {
  for (const std::string& line : list) *out << "\n  " << Cp1251ToUtf8(line);
}

namespace {

using test::TempHome;
using test::TestReporting;

std::string BuiltInBytes(std::string_view item) {
  const auto bytes =
      FindEmbeddedResource(kToolerResourceType, ToolerResourceName(std::string(item) + ".tlr"));
  if (!bytes) ADD_FAILURE() << "no built-in copy of " << item;
  return bytes ? std::string(*bytes) : std::string();
}

ToolerConfig BuiltIn(std::string_view item) {
  auto config = ParseToolerConfig(LineList::FromText(BuiltInBytes(item)));
  if (!config) ADD_FAILURE() << "built-in " << item << " is malformed";
  return config ? *config : ToolerConfig{};
}

bool IsWholeNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("-0123456789") == std::string::npos;
}

// What the pages will need of the data of each kind.
std::string DataFault(const OptionEntry& entry) {
  const std::string& data = entry.data;
  switch (entry.kind) {
    case OptionKind::CH:
      if (data.empty() || data.find('|') != std::string::npos) return "bad switch name";
      if (data != " " && data.find(' ') != std::string::npos) return "space in switch name";
      return {};
    case OptionKind::ED:
      if (FieldCount(data, '|') != 2 || !IsWholeNumber(GetField(data, 1, '|'))) return "not length|text";
      return {};
    case OptionKind::SP:
    case OptionKind::NE: {
      if (FieldCount(data, ' ') != 4) return "not four fields";
      const std::string length = GetField(data, 1, ' '), low = GetField(data, 2, ' '),
                        high = GetField(data, 3, ' '), value = GetField(data, 4, ' ');
      if (!IsWholeNumber(length) || !IsWholeNumber(low) || !IsWholeNumber(high) || !IsWholeNumber(value))
        return "not whole numbers";
      if (std::stol(low) > std::stol(value) || std::stol(value) > std::stol(high)) return "default outside limits";
      return {};
    }
    case OptionKind::CO: {
      const int fields = FieldCount(data, '|');
      if (fields == 1) return data.empty() ? "empty list text" : "";  // editable list
      const std::string index = GetField(data, fields, '|');
      if (!IsWholeNumber(index) || std::stoi(index) < 0 || std::stoi(index) > fields - 2)
        return "default item outside the values";
      return {};
    }
    case OptionKind::Other:
      return "unknown kind";
  }
  return {};
}

TEST(BuiltInToolers, AreWellFormedCp1251WithCrLf) {
  for (const auto item : kBuiltInToolers) {
    SCOPED_TRACE(std::string(item));
    const std::string bytes = BuiltInBytes(item);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const auto occurrences = [&](std::string_view what) {
      int n = 0;
      for (auto at = bytes.find(what); at != std::string::npos; at = bytes.find(what, at + 1)) ++n;
      return n;
    };
    EXPECT_EQ(occurrences("\r"), occurrences("\r\n"));
    EXPECT_EQ(occurrences("\n"), occurrences("\r\n"));
    const LineList lines = LineList::FromText(bytes);
    EXPECT_EQ(lines.Get(0), "[TOOLER PARAM CONFIGURATION]");
    EXPECT_EQ(lines.Get(1), "Formatver=0.996");
    EXPECT_EQ(lines.IndexOf(""), -1) << "empty line";

    std::vector<std::string> markers;
    for (const std::string& line : lines)
      if (line.starts_with('[') && line != lines.Get(0)) markers.push_back(line);
    const std::vector<std::string> blocks = {"INFO", "GENERAL", "CSG", "BSP", "VIS", "NETVIS", "RAD"};
    std::vector<std::string> expected;
    for (const auto& block : blocks) {
      expected.push_back("[" + block + "]");
      expected.push_back("[END_" + block + "]");
    }
    EXPECT_EQ(markers, expected);

    // Keys are read over the whole file, so each must be there exactly once.
    for (const char* key : {"Formatver", "Name", "Description", "Version", "Autor", "Autor Contact",
                            "Official WebPage", "Download Link", "Release Date", "CSG File", "BSP File",
                            "RAD File", "VIS File", "NETVIS File", "RIPENT File"}) {
      int count = 0;
      for (const std::string& line : lines)
        if (line.find('=') != std::string::npos && SameTextAnsi(TextBefore(line, '='), key)) ++count;
      EXPECT_EQ(count, 1) << key;
    }
  }
}

TEST(BuiltInToolers, SectionsFollowTheGrammarAndCarryUsableData) {
  for (const auto item : kBuiltInToolers) {
    const ToolerConfig config = BuiltIn(item);
    for (const CompilerId id : kStageCompilers) {
      SCOPED_TRACE(std::string(item) + " " + CompilerName(id));
      const LineList& section = config.Section(id);
      EXPECT_FALSE(section.Empty());
      for (const SectionFault& fault : CheckToolerSection(section))
        ADD_FAILURE() << "fault " << static_cast<int>(fault.kind) << " at " << section.Get(fault.line);
      for (const std::string& line : section) {
        EXPECT_TRUE(IsGroupLine(line) || IsEntryLine(line)) << line;
        if (const auto entry = ParseOptionEntry(line)) {
          EXPECT_EQ(entry->state, ' ') << line;
          EXPECT_EQ(DataFault(*entry), "") << line;
        }
      }
    }
  }
}

TEST(BuiltInToolers, InfoAndExecutables) {
  const std::string kmpx = "Расширенные утилиты компиляции"_cp;
  const ToolerExeNames kmpxExe{"hlcsg.exe", "hlbsp.exe", "hlrad.exe", "hlvis.exe", "netvis.exe", "ripent.exe"};
  const struct {
    std::string_view item;
    std::string name, description, version, releaseDate;
    ToolerExeNames exe;
  } cases[] = {
      {"KMPX 2.5.3-1.7", "KMPX", kmpx, "2.5.3-1.7", "08-12-02", kmpxExe},
      {"KMPX 2.5.3-1.6.1", "KMPX", kmpx, "2.5.3-1.6.1 Custom build", "03-06-2002 ", kmpxExe},
      {"KMPX 2.5.3-1.6", "KMPX", kmpx, "2.5.3-1.6", "02-05-2001", kmpxExe},
      {"QTOOLS", "QTOOLS", "Стандартные утилиты компиляции редакторов карт Worldcraft и Hammer"_cp, "3.4",
       "25-05-2000", {"qcsg.exe", "qbsp2.exe", "qrad.exe", "vis.exe", "netvis.exe", "ripent.exe"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item));
    const ToolerConfig config = BuiltIn(c.item);
    EXPECT_EQ(config.formatVersion, "0.996");
    EXPECT_EQ(config.info.name, c.name);
    EXPECT_EQ(config.info.description, c.description);
    EXPECT_EQ(config.info.version, c.version);
    EXPECT_EQ(config.info.releaseDate, c.releaseDate);
    for (const std::string* author : {&config.info.author, &config.info.authorContact, &config.info.webPage,
                                      &config.info.downloadLink})
      EXPECT_EQ(*author, " ");
    const auto& e = config.exeNames;
    EXPECT_EQ((std::vector{e.csg, e.bsp, e.rad, e.vis, e.netvis, e.ripent}),
              (std::vector{c.exe.csg, c.exe.bsp, c.exe.rad, c.exe.vis, c.exe.netvis, c.exe.ripent}));
    EXPECT_EQ(config.general.Count(), 6);
  }
}

// The sections of a description with whole entries (or whole groups, when no
// slot is named) left out.
struct Omission {
  CompilerId section;
  int group;
  std::set<int> slots;  // empty: the group line and all its entries
};

LineList Without(const LineList& section, const std::vector<Omission>& omissions, CompilerId id) {
  LineList kept;
  int group = 0;
  for (const std::string& line : section) {
    if (IsGroupLine(line)) group = ParseSlotNumber(line).value_or(0);
    bool drop = false;
    for (const Omission& o : omissions) {
      if (o.section != id || o.group != group) continue;
      drop = o.slots.empty() || (IsEntryLine(line) && o.slots.contains(ParseSlotNumber(line).value_or(0)));
    }
    if (!drop) kept.Add(line);
  }
  return kept;
}

TEST(BuiltInToolers, OlderKmpxVersionsDifferOnlyAsStated) {
  const ToolerConfig v17 = BuiltIn("KMPX 2.5.3-1.7");
  const ToolerConfig v161 = BuiltIn("KMPX 2.5.3-1.6.1");
  const ToolerConfig v16 = BuiltIn("KMPX 2.5.3-1.6");

  // 1.6.1: a smaller subdivide limit, the free text of BSP and VIS as an
  // argument instead of a switch, and no RAD slots 54, 55.
  const struct {
    CompilerId section;
    std::string from, to;
  } replaced[] = {
      {CompilerId::BSP, "#SP 3=3 64 512 64", "#SP 3=3 64 240 64"},
      {CompilerId::BSP, "2ED 2=255| ", "#ED 2=255| "},
      {CompilerId::VIS, "2ED 2=255| ", "#ED 2=255| "},
  };
  for (const CompilerId id : kStageCompilers) {
    LineList expected = Without(v17.Section(id), {{CompilerId::RAD, 5, {54, 55}}}, id);
    for (const auto& r : replaced) {
      if (r.section != id) continue;
      const int at = expected.IndexOf(r.from);
      ASSERT_NE(at, -1) << r.from;
      expected.Put(at, r.to);
    }
    EXPECT_EQ(v161.Section(id), expected) << CompilerName(id);
  }

  // 1.6: the 1.6.1 sections without the newer switches.
  const std::vector<Omission> missingIn16 = {
      {CompilerId::CSG, 3, {3}},
      {CompilerId::CSG, 4, {1, 2, 3, 6, 7}},
      {CompilerId::CSG, 5, {5}},
      {CompilerId::BSP, 5, {2}},
      {CompilerId::VIS, 3, {}},
      {CompilerId::RAD, 5, {16, 31, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43}},
  };
  for (const CompilerId id : kStageCompilers)
    EXPECT_EQ(v16.Section(id), Without(v161.Section(id), missingIn16, id)) << CompilerName(id);

  // A few of those lines by name, so a slip in the group numbers above shows.
  EXPECT_NE(v161.Section(CompilerId::CSG).IndexOf("0CH 3=Noclipeconomy"), -1);
  EXPECT_NE(v161.Section(CompilerId::RAD).IndexOf("4CH 42=softlight"), -1);
  EXPECT_NE(v16.Section(CompilerId::RAD).IndexOf("3CH 32=ambient"), -1);
  EXPECT_EQ(v16.Section(CompilerId::CSG).IndexOf("@4") + 3, v16.Section(CompilerId::CSG).IndexOf("@5"));
  EXPECT_EQ(v16.general, v17.general);
}

class ReadToolerFileTest : public ::testing::Test {
 protected:
  std::string Path(std::string_view name) const { return ToolerFilePath(home.Dir(), name); }
  std::string Quoted(std::string_view name) const { return "\"" + Path(name) + "\""; }

  TempHome home;
  TestReporting t;
};

TEST_F(ReadToolerFileTest, ReadsAnExistingFile) {
  ASSERT_TRUE(WriteMissingToolerFiles(home.Dir()));
  const auto config = ReadToolerFile(Path("QTOOLS"), t.report);
  ASSERT_TRUE(config);
  EXPECT_EQ(config->Section(CompilerId::NETVIS), (LineList{"@7", "1CH 1= ", "#ED 2=255| "}));
  EXPECT_EQ(config->exeNames.bsp, "qbsp2.exe");
  EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(ReadToolerFileTest, MissingFileIsOfferedFromTheBuiltInCopy) {
  const std::string question = " не найден. Дальнейшая работа с программой будет невозможна! Создать файл автоматически?"_cp;
  {
    t.dialogs.Expect("Файл конфигурирования тулера "_cp + Quoted("KMPX 2.5.3-1.7") + question, kAnswerYes);
    const auto config = ReadToolerFile(Path("KMPX 2.5.3-1.7"), t.report);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->info.version, "2.5.3-1.7");
    EXPECT_EQ(ReadFileBytes(Path("KMPX 2.5.3-1.7")), BuiltInBytes("KMPX 2.5.3-1.7"));
    EXPECT_EQ(t.dialogs.shown.at(0).buttons, BoxButtons::YesNo);
    EXPECT_EQ(t.dialogs.shown.at(0).icon, BoxIcon::Stop);
    EXPECT_EQ(t.program.aborts, 0);
  }
  {
    TestReporting refused;
    refused.dialogs.Expect(Quoted("QTOOLS") + question, kAnswerNo);
    EXPECT_FALSE(ReadToolerFile(Path("QTOOLS"), refused.report));
    EXPECT_EQ(refused.program.aborts, 1);
    EXPECT_FALSE(FileExists(Path("QTOOLS")));
  }
  {
    TestReporting noCopy;  // only the four built-in names have a copy
    noCopy.dialogs.Expect(Quoted("Mine") + question, kAnswerYes);
    noCopy.dialogs.Expect("Ошибка создания файла "_cp + Quoted("Mine") + ".", kAnswerOk);
    EXPECT_FALSE(ReadToolerFile(Path("Mine"), noCopy.report));
    EXPECT_EQ(noCopy.program.aborts, 1);
  }
}

TEST_F(ReadToolerFileTest, SectionWithoutEndMarkerIsMalformedAndNothingIsReturned) {
  LineList broken = LineList::FromText(BuiltInBytes("KMPX 2.5.3-1.6"));
  broken.Delete(broken.IndexOf("[END_VIS]"));
  const std::string brokenText = broken.ToText();
  const std::string question = "Ошибка формата файла конфигурирования тулера "_cp + Quoted("KMPX 2.5.3-1.6") +
                               ". Дальнейшая работа с программой будет невозможна! Создать новый корректный файл?"_cp;
  std::filesystem::create_directories(ToFsPath(home.Path("Toolers")));
  {
    ASSERT_TRUE(WriteFileAtomically(Path("KMPX 2.5.3-1.6"), brokenText));
    TestReporting refused;
    refused.dialogs.Expect(question, kAnswerNo);
    EXPECT_FALSE(ReadToolerFile(Path("KMPX 2.5.3-1.6"), refused.report));
    EXPECT_EQ(refused.program.aborts, 1);
    EXPECT_EQ(ReadFileBytes(Path("KMPX 2.5.3-1.6")), brokenText);
  }
  {
    t.dialogs.Expect(question, kAnswerYes);
    // Recreated, but not read again: the caller keeps what it had installed.
    EXPECT_FALSE(ReadToolerFile(Path("KMPX 2.5.3-1.6"), t.report));
    EXPECT_EQ(t.program.aborts, 0);
    EXPECT_EQ(ReadFileBytes(Path("KMPX 2.5.3-1.6")), BuiltInBytes("KMPX 2.5.3-1.6"));
    EXPECT_EQ(t.dialogs.shown.at(0).buttons, BoxButtons::YesNo);
  }
}

TEST_F(ReadToolerFileTest, FailedRecreationEndsTheProgram) {
  t.dialogs.Expect("Ошибка формата файла конфигурирования тулера "_cp + Quoted("Mine"), kAnswerYes);
  t.dialogs.Expect("Ошибка создания файла "_cp + Quoted("Mine"), kAnswerRetry);
  EXPECT_FALSE(RecreateMalformedToolerFile(Path("Mine"), t.report));
  EXPECT_EQ(t.dialogs.shown.at(1).text, "Ошибка создания файла "_cp + Quoted("Mine"));
  EXPECT_EQ(t.dialogs.shown.at(1).buttons, BoxButtons::RetryCancel);
  EXPECT_EQ(t.program.aborts, 1);
}

TEST_F(ReadToolerFileTest, MissingBlocksAreTolerated) {
  // A hand-made description: no CSG block, a GENERAL block without its end
  // marker, a comment inside a section.
  std::filesystem::create_directories(ToFsPath(home.Path("Toolers")));
  const LineList lines{"[TOOLER PARAM CONFIGURATION]", "Formatver=0.996", "[GENERAL]", "CSG File=my csg.exe",
                       "[BSP]", "@2", "; threads", "1CH 1=Threads", "#SP 2=6 1 999999 1", "[END_BSP]"};
  ASSERT_TRUE(WriteFileAtomically(Path("Mine"), lines.ToText()));
  const auto config = ReadToolerFile(Path("Mine"), t.report);
  ASSERT_TRUE(config);
  EXPECT_TRUE(config->Section(CompilerId::CSG).Empty());
  EXPECT_EQ(config->Section(CompilerId::BSP).Count(), 4);
  EXPECT_EQ(config->exeNames.csg, "my csg.exe");
  EXPECT_EQ(config->exeNames.rad, "");
  EXPECT_EQ(config->lines, lines);
  EXPECT_TRUE(t.dialogs.shown.empty());
}

}  // namespace
}  // namespace kmpx
