#include "text/cp1251.h"

#include <gtest/gtest.h>

namespace kmpx {
namespace {

TEST(Cp1251, RoundTripsEveryByte) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, ConvertsRussianAndMarksUnmappable) {
  EXPECT_EQ(Utf8ToCp1251("Ёжик №1"), "\xA8\xE6\xE8\xEA \xB9" "1");
  EXPECT_EQ(Cp1251ToUtf8("\xCA\xE0\xF0\xF2\xE0"), "Карта");
  EXPECT_EQ(Utf8ToCp1251("a漢b"), "a?b");          // no such character in the code page
  EXPECT_EQ(Utf8ToCp1251("a\xC3"), "a?");           // truncated sequence
  EXPECT_EQ(Utf8ToCp1251("x\x80y"), "x?y");         // stray continuation byte
}

TEST(Cp1251, CaseFoldingCoversCyrillic) {
  EXPECT_TRUE(SameTextAnsi("Map Path", "MAP PATH"));
  EXPECT_TRUE(SameTextAnsi("Ошибка ЁЖ"_cp, "ОШИБКА ёж"_cp));
  EXPECT_TRUE(SameTextAnsi("Їі"_cp, "їІ"_cp));
  EXPECT_FALSE(SameTextAnsi("MapPath", "Map Path"));
  EXPECT_EQ(Cp1251Upper(static_cast<unsigned char>('\xFF')), 0xDF);  // я -> Я
}

}  // namespace
}  // namespace kmpx
