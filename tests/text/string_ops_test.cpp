#include "text/string_ops.h"

#include <gtest/gtest.h>

#include <string>

#include "text/cp1251.h"

namespace kmpx {
namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(StringOps, DosCaseMapsLatinAndTheDosCyrillicRangesOnly) {
  EXPECT_EQ(DosUpperCase("csgThreads-1"), "CSGTHREADS-1");
  EXPECT_EQ(DosLowerCase("CSGThreads-1"), "csgthreads-1");
  // Boundaries of the moved ranges, as (lower, upper) pairs.
  const int pairs[][2] = {{'a', 'A'}, {'z', 'Z'}, {160, 128}, {175, 143}, {224, 144}, {239, 159}};
  for (const auto& p : pairs) {
    EXPECT_EQ(DosUpperCase(Byte(p[0])), Byte(p[1])) << p[0];
    EXPECT_EQ(DosLowerCase(Byte(p[1])), Byte(p[0])) << p[1];
  }
  for (int b : {64, 91, 127, 176, 192, 223, 240, 255}) EXPECT_EQ(DosUpperCase(Byte(b)), Byte(b)) << b;
  for (int b : {64, 91, 127, 160, 176, 192, 224, 255}) EXPECT_EQ(DosLowerCase(Byte(b)), Byte(b)) << b;
  // Code page 1251 upper-case Cyrillic lies outside both ranges.
  EXPECT_EQ(DosLowerCase("КАРТА"_cp), "КАРТА"_cp);
}

TEST(StringOps, SameTextDosIgnoresLatinCaseOnly) {
  EXPECT_TRUE(SameTextDos("[end_csg]", "[END_CSG]"));
  EXPECT_FALSE(SameTextDos("карта"_cp, "КАРТА"_cp));
  EXPECT_FALSE(SameTextDos("CSG", "CSG "));
  EXPECT_TRUE(SameTextDos("", ""));
}

TEST(StringOps, TextBeforeAndTextAfter) {
  EXPECT_EQ(TextBefore("test.map", '.'), "test");
  EXPECT_EQ(TextBefore("a.b.map", '.'), "a");
  EXPECT_EQ(TextBefore("readme", '.'), "readm");  // no dot: all but the last character
  EXPECT_EQ(TextBefore("", '.'), "");
  EXPECT_EQ(TextBefore(std::string(300, 'x') + ".map", '.'), std::string(255, 'x'));

  EXPECT_EQ(TextAfter("a=b=c", "="), "b=c");
  EXPECT_EQ(TextAfter("no equals", "="), "no equals");
  EXPECT_EQ(TextAfter("key=", "="), "");
  EXPECT_EQ(TextAfter("x-wadinclude y", "-wad"), "wadinclude y");  // rest of a longer sub stays
  EXPECT_EQ(TextAfter(std::string(300, 'v') + "=", "v"), std::string(299, 'v') + "=");
}

TEST(StringOps, LooseStartsWith) {
  struct Case {
    const char* s;
    const char* pattern;
    bool expected;
  };
  const Case cases[] = {
      {"TGroupBox", "TGr", true},
      {"TPageScroller", "TPag", true},
      {"TPBNumEdit", "TPag", false},
      {"_CSGThreads", "CSGThreads", true},
      {"csgthreads", "CSGThreads", true},
      {"CSGThreads", "CSGThreads", true},  // same length: the last character has no neighbour
      {"CSG", "CSGThreads", false},
      {"RADbounce", "CSG", false},
      {"T", "T", false},  // patterns need two characters
      {"TCheckBox", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(LooseStartsWith(c.s, c.pattern), c.expected) << c.s << " / " << c.pattern;
}

TEST(StringOps, FieldCountAndGetField) {
  EXPECT_EQ(CountChar("a|b||c", '|'), 3);
  EXPECT_EQ(FieldCount("a|b|c", '|'), 3);
  EXPECT_EQ(FieldCount("a|b|", '|'), 2);  // a trailing separator opens no field
  EXPECT_EQ(FieldCount("", '|'), 1);
  EXPECT_EQ(FieldCount("6 1 999999 1", ' '), 4);

  struct Case {
    std::string s;
    int n;
    char sep;
    std::string field;
  };
  const Case cases[] = {
      {"6 1 999999 1", 3, ' ', "999999"},
      {"6 1 999999 1", 4, ' ', "1"},
      {"6 1 999999 1", 5, ' ', ""},
      {"255| ", 2, '|', " "},
      {"255| ", 1, '|', "255"},
      {"a|b|", 3, '|', ""},
      {"a|b", 0, '|', ""},
      {"", 1, '|', ""},
      {"x|" + std::string(300, 'y'), 2, '|', std::string(255, 'y')},
  };
  for (const auto& c : cases) EXPECT_EQ(GetField(c.s, c.n, c.sep), c.field) << c.s << " #" << c.n;
}

TEST(StringOps, FieldIndexOf) {
  EXPECT_EQ(FieldIndexOf("CSG|BSP|VIS", "bsp", '|'), 2);
  EXPECT_EQ(FieldIndexOf("CSG|BSP|VIS", "VIS", '|'), 3);
  EXPECT_EQ(FieldIndexOf("CSG|BSP|VIS", "RAD", '|'), 0);
  EXPECT_EQ(FieldIndexOf("CSG|BSP|VIS", "BS", '|'), 0);
  EXPECT_EQ(FieldIndexOf("нет|да"_cp, "ДА"_cp, '|'), 0);  // Cyrillic case counts
  const std::string longField(1500, 'w');
  EXPECT_EQ(FieldIndexOf("a|" + longField + "|b", longField, '|'), 2);
}

TEST(StringOps, ReplaceText) {
  struct Case {
    std::string s, oldText, newText;
    bool caseSensitive;
    std::string expected;
  };
  const Case cases[] = {
      // Inserted text is not searched again, so this ends after one pass.
      {"hlcsg %mapfile%", "%mapfile%", "x%mapfile%y", true, "hlcsg x%mapfile%y"},
      {"Map MAP map", "map", "X", true, "Map MAP X"},
      {"Map MAP map", "map", "X", false, "X X X"},
      {"abcABC", "b", "_", false, "a_cA_C"},  // the rest of s keeps its case
      {"aaa", "aa", "b", true, "ba"},
      {"text", "", "x", false, "text"},
      {"путь ПУТЬ"_cp, "ПУТЬ"_cp, "p", false, "путь p"_cp},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceText(c.s, c.oldText, c.newText, c.caseSensitive), c.expected) << c.s;
}

TEST(StringOps, ReplaceNameSimbolChangesOnlyInsideQuotes) {
  EXPECT_EQ(ReplaceNameSimbol(R"(hlcsg "C:\my maps\a b.map" -wadinclude "x y")", '"', ' ', '*'),
            R"(hlcsg "C:\my*maps\a*b.map" -wadinclude "x*y")");
  EXPECT_EQ(ReplaceNameSimbol(R"(a "b c)", '"', ' ', '*'), R"(a "b*c)");
  EXPECT_EQ(ReplaceNameSimbol("no quotes here", '"', ' ', '*'), "no quotes here");
}

TEST(StringOps, CharacterRemovalAndReplacement) {
  EXPECT_EQ(ReplaceChar("a.b.c", '.', ','), "a,b,c");
  EXPECT_EQ(RemoveChar(" 1 2 ", ' '), "12");
  EXPECT_EQ(RemoveChars("a-b_c", "-_"), "abc");
  EXPECT_EQ(RemoveChars("a-b", ""), "a-b");
  EXPECT_EQ(RemoveChars("", "-"), "");

  EXPECT_EQ(RemoveCharBeside("a = b", '=', ' '), "a=b");
  EXPECT_EQ(RemoveCharBeside("a  =  b = c d", '=', ' '), "a=b=c d");
  EXPECT_EQ(RemoveCharBeside(" = ", '=', ' '), "=");
  EXPECT_EQ(RemoveCharBeside("a b  c", '=', ' '), "a b  c");
  EXPECT_EQ(RemoveCharBeside("a===b", '=', '='), "a=b");

  EXPECT_EQ(SqueezeChar("  -a   -b  ", ' '), "-a -b ");
  EXPECT_EQ(SqueezeChar("   ", ' '), "");
  EXPECT_EQ(SqueezeChar("a", ' '), "a");

  EXPECT_TRUE(ContainsAnyChar("a b", " \t"));
  EXPECT_FALSE(ContainsAnyChar("ab", " \t"));
  EXPECT_FALSE(ContainsAnyChar("ab", ""));
  EXPECT_FALSE(ContainsAnyChar("", "a"));

  EXPECT_EQ(RepeatChar(3, '-'), "---");
  EXPECT_EQ(RepeatChar(0, '-'), "");
  EXPECT_EQ(RepeatChar(-2, '-'), "");
}

TEST(StringOps, QuoteTextAndPercentWrap) {
  EXPECT_EQ(QuoteText(""), "");
  EXPECT_EQ(QuoteText("\"C:\\a b\""), "\"C:\\a b\"");
  EXPECT_EQ(QuoteText("C:\\a b"), "\"C:\\a b\"");
  EXPECT_EQ(QuoteText("\"open"), "\"\"open\"");
  EXPECT_EQ(QuoteText("\""), "\"\"\"");  // a lone quote is not a quoted text
  EXPECT_EQ(PercentWrap("mapfile"), "%mapfile%");
  EXPECT_EQ(PercentWrap("%mapfile%"), "%mapfile%");
  EXPECT_EQ(PercentWrap(""), "");
}

TEST(StringOps, AddBackslashKeepsThePathsOwnSeparator) {
#ifdef _WIN32
  const std::string own = "\\";
#else
  const std::string own = "/";
#endif
  struct Case {
    std::string path, expected;
  };
  const Case cases[] = {
      {"", ""},
      {"C:\\maps", "C:\\maps\\"},
      {"C:\\maps\\", "C:\\maps\\"},
      {"/home/user", "/home/user/"},
      {"/home/user/", "/home/user/"},
      {"C:\\maps/tools", "C:\\maps/tools/"},  // the last separator used wins
      {"maps", "maps" + own},
      {"C:", "C:" + own},
  };
  for (const auto& c : cases) EXPECT_EQ(AddBackslash(c.path), c.expected) << c.path;
}

TEST(StringOps, PathParts) {
  EXPECT_TRUE(IsAbsolutePath("/home"));
  EXPECT_TRUE(IsAbsolutePath("\\maps"));
  EXPECT_TRUE(IsAbsolutePath("C:\\maps"));
  EXPECT_TRUE(IsAbsolutePath("d:"));
  EXPECT_FALSE(IsAbsolutePath("maps\\a.map"));
  EXPECT_FALSE(IsAbsolutePath("1:\\x"));
  EXPECT_FALSE(IsAbsolutePath(""));

  struct Case {
    std::string path, name, filePath, dir, ext, bsp;
  };
  const Case cases[] = {
      {"C:\\maps\\test.map", "test.map", "C:\\maps\\", "C:\\maps", ".map", "C:\\maps\\test.bsp"},
      {"/home/u/a.b/file", "file", "/home/u/a.b/", "/home/u/a.b", "", "/home/u/a.b/file.bsp"},
      {"C:\\maps/x.y.map", "x.y.map", "C:\\maps/", "C:\\maps", ".map", "C:\\maps/x.y.bsp"},
      {"C:\\test.map", "test.map", "C:\\", "C:\\", ".map", "C:\\test.bsp"},
      {"/test", "test", "/", "/", "", "/test.bsp"},
      {"C:test.map", "test.map", "C:", "C:", ".map", "C:test.bsp"},
      {"test", "test", "", "", "", "test.bsp"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path), c.filePath) << c.path;
    EXPECT_EQ(ExtractFileDir(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    EXPECT_EQ(ChangeFileExt(c.path, ".bsp"), c.bsp) << c.path;
  }
}

}  // namespace
}  // namespace kmpx
