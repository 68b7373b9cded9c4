#include "text/numeric_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "support/test_reporting.h"
#include "text/cp1251.h"

namespace kmpx {
namespace {

using test::RecordingLog;

const std::string kContext = "Настройка опций компилятора CSG"_cp;

// The two lines a bad number leaves in the log, quoting text and default.
void ExpectReported(const RecordingLog& log, const std::string& text, const std::string& defaultText) {
  ASSERT_EQ(log.entries.size(), 2u) << text;
  EXPECT_EQ(log.entries[0].text, "[Настройка опций компилятора CSG] Невозможно преобразование строки \""_cp +
                                     text + "\" в число!"_cp);
  EXPECT_EQ(log.entries[0].kind, MessageKind::Error);
  EXPECT_EQ(log.entries[1].text, "[Настройка опций компилятора CSG] Автозамена строки \""_cp + text +
                                     "\" на \""_cp + defaultText + "\" - значение по умолчанию!"_cp);
  EXPECT_EQ(log.entries[1].kind, MessageKind::Warning);
  EXPECT_FALSE(log.entries[0].bringForward);
  EXPECT_FALSE(log.entries[1].bringForward);
}

TEST(NumericText, IsNotNumber) {
  for (const char* good : {"0", "12", "-12", "007", "-007", "-"})
    EXPECT_FALSE(IsNotNumber(good)) << good;
  for (const char* bad : {"", "--1", "1-", "1-2", ".5", "5.", "1.5", "1..2", "+1", "1 2", "1a", "1,5"})
    EXPECT_TRUE(IsNotNumber(bad)) << bad;
}

TEST(NumericText, TextToIntDef) {
  struct Case {
    std::string text;
    int expected;
    bool reported;
  };
  const Case cases[] = {
      {" 12 ", 12, false},
      {"1 024", 1024, false},
      {"-5", -5, false},
      {"0042", 42, false},
      {"2147483647", 2147483647, false},
      {"-2147483648", -2147483647 - 1, false},
      {"", 7, false},
      {"1.5", 7, true},
      {" 1.5 ", 7, true},  // quoted as passed in, spaces included
      {"   ", 7, true},
      {"-", 7, true},
      {"2147483648", 7, true},
      {"99999999999", 7, true},
      {"abc", 7, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    RecordingLog log;
    EXPECT_EQ(TextToIntDef(c.text, 7, kContext, log), c.expected);
    if (c.reported)
      ExpectReported(log, c.text, "7");
    else
      EXPECT_TRUE(log.entries.empty());
  }
}

TEST(NumericText, FieldToIntDef) {
  RecordingLog log;
  EXPECT_EQ(FieldToIntDef("6 1 999999 1", 3, ' ', kContext, 0, log), 999999);
  EXPECT_EQ(FieldToIntDef("1024|Путь"_cp, 1, '|', kContext, 0, log), 1024);
  EXPECT_TRUE(log.entries.empty());

  EXPECT_EQ(FieldToIntDef("6 1 999999 1", 5, ' ', kContext, -3, log), -3);
  ExpectReported(log, "", "-3");  // a missing field is reported as an empty text

  RecordingLog badField;
  EXPECT_EQ(FieldToIntDef("a|1.5|b", 2, '|', kContext, 1024, badField), 1024);
  ExpectReported(badField, "1.5", "1024");
}

TEST(NumericText, TextToFloatDef) {
  struct Case {
    std::string text;
    long double expected;
    bool reported;
  };
  const Case cases[] = {
      {"0,5", 0.5L, false},
      {"-1,25", -1.25L, false},
      {"+2", 2, false},
      {" 3,25 ", 3.25L, false},
      {",5", 0.5L, false},
      {"5,", 5, false},
      {"1,5E3", 1500, false},
      {"2e-2", 0.02L, false},
      {"", 1.5L, false},
      {"0.5", 1.5L, true},
      {",", 1.5L, true},
      {"1e", 1.5L, true},
      {"e5", 1.5L, true},
      {"1,2,3", 1.5L, true},
      {"1 000", 1.5L, true},
      {"--1", 1.5L, true},
      {"1e99999", 1.5L, true},
      {"nan", 1.5L, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    RecordingLog log;
    EXPECT_EQ(TextToFloatDef(c.text, kContext, 1.5L, log), c.expected);
    if (c.reported)
      ExpectReported(log, c.text, "1,5");
    else
      EXPECT_TRUE(log.entries.empty());
  }
}

TEST(NumericText, FieldToFloatDef) {
  RecordingLog log;
  EXPECT_EQ(FieldToFloatDef("4 16 1024 64", 2, ' ', kContext, 0, log), 16);
  EXPECT_EQ(FieldToFloatDef("1 0,25 2", 2, ' ', kContext, 0, log), 0.25L);
  EXPECT_EQ(FieldToFloatDef("4 16", 4, ' ', kContext, 9, log), 9);  // missing field: silent default
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(FieldToFloatDef("4 0.1", 2, ' ', kContext, 64, log), 64);
  ExpectReported(log, "0.1", "64");
}

TEST(NumericText, DottedTextToFloat) {
  EXPECT_EQ(DottedTextToFloat("0.5"), 0.5L);
  EXPECT_EQ(DottedTextToFloat("12"), 12);
  EXPECT_EQ(DottedTextToFloat("-1.25e2"), -125);
  EXPECT_EQ(DottedTextToFloat("0,5"), 0.5L);
  for (const char* bad : {"", "abc", "1.2.3", "."}) {
    EXPECT_THROW(DottedTextToFloat(bad), NumberTextError) << bad;
  }
  try {
    DottedTextToFloat("x1");
    FAIL();
  } catch (const NumberTextError& error) {
    EXPECT_EQ(error.Text(), "x1");
  }
}

TEST(NumericText, FloatToTextIsShortAndUsesTheComma) {
  struct Case {
    long double value;
    const char* text;
  };
  const Case cases[] = {
      {0.5L, "0,5"},       {64, "64"},           {0, "0"},
      {-0.0L, "0"},        {-2.25L, "-2,25"},    {0.1L, "0,1"},
      {0.001L, "0,001"},   {1e20L, "1E20"},      {1.5e-7L, "1,5E-7"},
      {-3e-5L, "-3E-5"},   {1e15L, "1E15"},      {123456789012345.0L, "123456789012345"},
      {1000, "1000"},      {1.0L / 4, "0,25"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToText(c.value), c.text);
}

TEST(NumericText, WrittenDecimalsReadBackUnchanged) {
  RecordingLog log;
  const long double values[] = {0.1L,   1.0L / 3,  2.0L / 3, -0.7L,   1e-300L, 6.02214076e23L, 0.3L,
                                1e-4L,  1e-5L,     99999.99L, 1e14L,  std::numeric_limits<long double>::max(),
                                std::numeric_limits<long double>::min(),
                                static_cast<long double>(0.1)};
  for (long double value : values) {
    const std::string text = FloatToText(value);
    EXPECT_EQ(TextToFloatDef(text, kContext, -1, log), value) << text;
    EXPECT_EQ(FloatToText(TextToFloatDef(text, kContext, -1, log)), text);
  }
  // What a user types comes back as typed.
  for (const char* typed : {"0,5", "1,25", "0,001", "12,3456", "-7", "1E20", "1,5E-7"})
    EXPECT_EQ(FloatToText(TextToFloatDef(typed, kContext, -1, log)), typed);
  EXPECT_TRUE(log.entries.empty());
}

}  // namespace
}  // namespace kmpx
