#include "text/blocks.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "text/cp1251.h"

namespace kmpx {
namespace {

using Lines = std::vector<std::string>;

// A free first line, two blocks whose names share a prefix, a line between.
LineList SampleFile() {
  return {"KSINI", "[csg]", "a=1", "b=2", "[end_CSG]", "between", "[CSG_PST]", "c=3", "[END_CSG_PST]"};
}

TEST(CopyBlock, CopiesOrMovesTheBlockWithOrWithoutMarkers) {
  struct Case {
    bool removeFromSource, withMarkers;
    int result;
    Lines dest;
    Lines srcAfter;
  };
  const Lines untouched = SampleFile().Lines();
  const Lines withoutBlock = {"KSINI", "between", "[CSG_PST]", "c=3", "[END_CSG_PST]"};
  const Case cases[] = {
      {false, false, 4, {"old", "a=1", "b=2"}, untouched},
      {false, true, 4, {"old", "[csg]", "a=1", "b=2", "[END_CSG]"}, untouched},
      {true, false, 1, {"old", "a=1", "b=2"}, withoutBlock},
      {true, true, 1, {"old", "[csg]", "a=1", "b=2", "[END_CSG]"}, withoutBlock},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "remove " << c.removeFromSource << " markers " << c.withMarkers);
    LineList src = SampleFile();
    LineList dest{"old"};
    EXPECT_EQ(CopyBlock(dest, src, "CSG", c.removeFromSource, c.withMarkers), c.result);
    EXPECT_EQ(dest.Lines(), c.dest);
    EXPECT_EQ(src.Lines(), c.srcAfter);
  }
}

TEST(CopyBlock, NamesAreComparedWhole) {
  LineList src = SampleFile();
  LineList dest;
  EXPECT_EQ(CopyBlock(dest, src, "CSG_PST", false, false), 8);
  EXPECT_EQ(dest.Lines(), Lines{"c=3"});
}

TEST(CopyBlock, MissingBlockChangesNothing) {
  LineList src = SampleFile();
  LineList dest{"old"};
  EXPECT_EQ(CopyBlock(dest, src, "RAD", true, true), -1);
  EXPECT_EQ(CopyBlock(dest, src, "CS", true, true), -1);
  EXPECT_EQ(dest.Lines(), Lines{"old"});
  EXPECT_EQ(src, SampleFile());
}

TEST(CopyBlock, MissingEndMarkerThrowsAndLeavesBothListsAlone) {
  // The end marker matches Latin letters in any case only: a Cyrillic name in
  // another case does not end the block.
  const LineList broken{"[VIS]", "x", "[END_RAD]", "[Опции]"_cp, "y", "[END_ОПЦИИ]"_cp};
  for (const char* name : {"VIS", "Опции"}) {
    SCOPED_TRACE(name);
    LineList src = broken;
    LineList dest{"old"};
    EXPECT_THROW(CopyBlock(dest, src, Utf8ToCp1251(name), true, true), std::out_of_range);
    EXPECT_EQ(src, broken);
    EXPECT_EQ(dest.Lines(), Lines{"old"});
  }
}

TEST(CopyLinesBetween, RangesBetweenMarkers) {
  const LineList src{"[BAT]", "one", "two", "[END]", "after"};
  struct Case {
    std::string from, to;
    bool countOnly;
    int result;
    Lines dest;
  };
  const Case cases[] = {
      {"[BAT]", "[END]", false, 2, {"one", "two"}},
      {"[bat]", "[end]", false, 2, {"one", "two"}},
      {"[NONE]", "[END]", false, 3, {"[BAT]", "one", "two"}},  // absent start: from the first line
      {"[BAT]", "", false, 4, {"one", "two", "[END]", "after"}},  // empty end: to the last line
      {"[END]", "[BAT]", false, 0, {}},                           // end before start
      {"[BAT]", "[NONE]", false, 0, {}},                          // absent end
      {"[BAT]", "one", false, 0, {}},                             // nothing in between
      {"[BAT]", "[END]", true, 2, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from + " .. " + c.to);
    LineList dest;
    EXPECT_EQ(CopyLinesBetween(dest, src, c.from, c.countOnly, false, c.to), c.result);
    EXPECT_EQ(dest.Lines(), c.dest);
  }
  LineList dest;
  EXPECT_EQ(CopyLinesBetween(dest, LineList{}, "[BAT]", false, false, ""), 0);
}

TEST(CopyLinesBetween, CyrillicMarkersAreFoundInAnyCase) {
  const LineList src{"[Начало]"_cp, "строка"_cp, "[Конец]"_cp};
  for (bool caseSensitive : {false, true}) {
    LineList dest;
    EXPECT_EQ(CopyLinesBetween(dest, src, "[НАЧАЛО]"_cp, false, caseSensitive, "[конец]"_cp), 1);
    EXPECT_EQ(dest.Lines(), Lines{"строка"_cp});
  }
}

TEST(CopyAllLinesAndClearLines, ReplaceAndEmpty) {
  LineList dest{"old", "older"};
  const LineList src{"a", "", "b"};
  CopyAllLines(dest, src);
  EXPECT_EQ(dest, src);
  CopyAllLines(dest, dest);
  EXPECT_EQ(dest, src);
  EXPECT_EQ(ClearLines(dest), 3);
  EXPECT_TRUE(dest.Empty());
  EXPECT_EQ(ClearLines(dest), 0);
}

}  // namespace
}  // namespace kmpx
