#include "text/line_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "text/cp1251.h"

namespace kmpx {
namespace {

TEST(LineList, SplitsAtEveryKindOfLineEnd) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\n", {""}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR is two line ends
  };
  for (const auto& c : cases) EXPECT_EQ(LineList::FromText(c.text).Lines(), c.lines) << c.text;
}

TEST(LineList, WritesCrLfAfterEveryLineIncludingTheLast) {
  EXPECT_EQ((LineList{"KSINI", "", "x=1"}).ToText(), "KSINI\r\n\r\nx=1\r\n");
  EXPECT_EQ(LineList{}.ToText(), "");
}

TEST(LineList, IndexOfIgnoresLatinAndCyrillicCase) {
  const LineList list{"[general]", "[Настройка]"_cp, "[GENERAL]"};
  EXPECT_EQ(list.IndexOf("[GENERAL]"), 0);
  EXPECT_EQ(list.IndexOf("[НАСТРОЙКА]"_cp), 1);
  EXPECT_EQ(list.IndexOf("[GENERAL"), -1);
}

TEST(LineList, KeyLookupUsesTheFirstEqualsSignAndWholeKeys) {
  const LineList list{"[GENERAL]", "Map Path=C:\\a=b.map", "map path=second", "MapPath=third",
                      "no equals here", "Empty="};
  EXPECT_EQ(list.IndexOfKey("MAP PATH"), 1);
  EXPECT_EQ(list.ValueOf("map path"), "C:\\a=b.map");  // the second line is never read
  EXPECT_EQ(list.ValueOf("MapPath"), "third");         // spaces are part of the key
  EXPECT_EQ(list.IndexOfKey("no equals here"), -1);
  EXPECT_EQ(list.ValueOf("Empty"), "");
  EXPECT_EQ(list.ValueOf("missing"), "");
}

TEST(LineList, IndexOutsideTheListIsAnError) {
  LineList list{"a"};
  EXPECT_THROW(list.Get(1), std::out_of_range);
  EXPECT_THROW(list.Get(-1), std::out_of_range);
  EXPECT_THROW(list.Put(1, "x"), std::out_of_range);
  EXPECT_THROW(list.Delete(1), std::out_of_range);
  EXPECT_THROW(list.Insert(2, "x"), std::out_of_range);
  list.Insert(1, "b");  // inserting at Count appends
  list.Insert(0, "z");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"z", "a", "b"}));
}

}  // namespace
}  // namespace kmpx
