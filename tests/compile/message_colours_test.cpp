#include "compile/message_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compile/rtf_reader.h"
#include "support/test_reporting.h"
#include "text/cp1251.h"
#include "text/text_file.h"

namespace kmpx {

void PrintTo(const CharFormat& f, std::ostream* os) {
  *os << "{" << Cp1251ToUtf8(f.face) << ", " << f.size << "pt, rgb(" << int(f.colour.red) << ","
      << int(f.colour.green) << "," << int(f.colour.blue) << "), style " << f.style << ", charset " << f.charset
      << ", pitch " << static_cast<int>(f.pitch) << "}";
}

void PrintTo(const TextAttributes& a, std::ostream* os) {
  *os << "background rgb(" << int(a.background.red) << "," << int(a.background.green) << ","
      << int(a.background.blue) << ") text ";
  PrintTo(a.text, os);
  *os << " error ";
  PrintTo(a.error, os);
  *os << " warning ";
  PrintTo(a.warning, os);
}

namespace {

TextAttributes ChangedAttributes() {
  TextAttributes a = DefaultTextAttributes();
  a.background = {1, 2, 3};
  a.text.colour = a.background;  // shares a colour-table entry with the background line
  a.error = {"Courier New", 12, {10, 20, 30}, kStyleBold | kStyleItalic, 0, FontPitch::Fixed};
  a.warning = {"Тахома {особая}\\"_cp, 9, {255, 0, 255}, kStyleUnderline | kStyleStrikeOut, kCyrillicCharset,
               FontPitch::Variable};
  return a;
}

TEST(MessageColours, DefaultsAreTheDesignedPalette) {
  const TextAttributes a = DefaultTextAttributes();
  EXPECT_EQ(a.background, (RgbColour{0, 0, 128}));
  EXPECT_EQ(a.For(MessageKind::Message).colour, (RgbColour{255, 255, 0}));
  EXPECT_EQ(a.For(MessageKind::Error).colour, (RgbColour{255, 0, 0}));
  EXPECT_EQ(a.For(MessageKind::Warning).colour, (RgbColour{255, 0, 255}));
  for (const CharFormat* f : {&a.text, &a.error, &a.warning}) {
    EXPECT_EQ(f->face, "Arial");
    EXPECT_EQ(f->size, 8);
    EXPECT_EQ(f->charset, kCyrillicCharset);
    EXPECT_EQ(f->style, 0u);
  }
}

TEST(MessageColours, WrittenFileReadsBackTheSameFormats) {
  for (const TextAttributes& written : {DefaultTextAttributes(), ChangedAttributes()}) {
    const std::string rtf = WriteColoursRtf(written);
    SCOPED_TRACE(rtf);
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1251"));
    // Pure ASCII, so no code page can garble it on the way.
    for (const char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80);

    const auto paragraphs = ReadRtfParagraphs(rtf);
    ASSERT_TRUE(paragraphs);
    ASSERT_EQ(paragraphs->size(), 4u);
    const char* names[] = {"Background", "Text", "Error", "Warning"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ((*paragraphs)[i].text, names[i]);
    EXPECT_EQ((*paragraphs)[0].format.colour, written.background);

    EXPECT_EQ(ReadColoursRtf(rtf), written);
  }
}

TEST(MessageColours, CreateDefaultColoursWritesALoadableFile) {
  test::TempHome home;
  const std::string path = home.Path(kColoursFileName);
  ASSERT_TRUE(CreateDefaultColours(path));
  EXPECT_EQ(LoadColours(path), DefaultTextAttributes());

  ASSERT_TRUE(SaveColours(ChangedAttributes(), path));
  EXPECT_EQ(LoadColours(path), ChangedAttributes());
  EXPECT_FALSE(LoadColours(home.Path("missing.rtf")));
}

// A colours file written by this program, then opened and saved again as RTF
// by a word processor: its own font and colour tables, styles, nested groups.
// The word processor keeps faces, sizes, colours and styles; it rewrites every
// font as character set 0 with variable pitch, so those are not compared.
TEST(MessageColours, ReadsAFileResavedByAWordProcessor) {
  const auto bytes = ReadFileBytes(KMPX_TEST_DATA_DIR "mwattrib_resaved.rtf");
  ASSERT_TRUE(bytes);
  const auto read = ReadColoursRtf(*bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->background, (RgbColour{0, 64, 0}));
  struct Expected {
    MessageKind kind;
    const char* face;
    int size;
    RgbColour colour;
    unsigned style;
  };
  const Expected expected[] = {
      {MessageKind::Message, "Arial", 10, {255, 255, 0}, kStyleBold},
      {MessageKind::Error, "Courier New", 12, {10, 20, 30}, kStyleBold | kStyleItalic},
      {MessageKind::Warning, "DejaVu Sans", 9, {255, 0, 255}, kStyleUnderline | kStyleStrikeOut},
  };
  for (const Expected& e : expected) {
    const CharFormat& f = read->For(e.kind);
    EXPECT_EQ(f.face, e.face);
    EXPECT_EQ(f.size, e.size);
    EXPECT_EQ(f.colour, e.colour);
    EXPECT_EQ(f.style, e.style);
  }
}

TEST(MessageColours, RejectsWhatIsNotAColoursFile) {
  for (const std::string text : {"", "Background\r\nText\r\nError\r\nWarning\r\n",
                                 "{\\rtf1 Background\\par Text\\par Error}"}) {
    EXPECT_FALSE(ReadColoursRtf(text)) << text;
  }
}

// What other writers of RTF do, one paragraph each.
TEST(RtfReader, FollowsTheFormattingOtherWritersUse) {
  const std::string tables =
      "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times;}"
      "{\\f1\\fswiss\\fcharset204{\\*\\panose 020b0604020202020204}Arial;}"
      "{\\f2\\fnil\\fcharset204 \\'d2\\u1072?\\'e9\\'ec\\'f1;}}"
      "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
      "{\\stylesheet{\\s0\\f0\\fs40\\cf2 Normal;}}{\\info{\\title Title}}";
  struct Case {
    const char* body;
    std::string text;
    CharFormat format;
  };
  const Case cases[] = {
      {"\\pard\\plain Plain\\par", "Plain", {"Arial", 12, {}, 0, 204, FontPitch::Default}},
      {"\\f0\\fs17\\cf1 Rounded up\\par", "Rounded up", {"Times", 9, {255, 0, 0}, 0, 0, FontPitch::Variable}},
      {"\\f2\\cf2\\b\\i\\ulw\\striked1 Styled\\par", "Styled",
       {"Таймс"_cp, 12, {0, 128, 0}, kStyleBold | kStyleItalic | kStyleUnderline | kStyleStrikeOut, 204,
        FontPitch::Default}},
      {"{\\b\\ul Inner}\\i\\ul0 \\par", "Inner", {"Arial", 12, {}, kStyleBold | kStyleUnderline, 204, FontPitch::Default}},
      {"\\ulc1\\ul\\ulnone\\b\\b0 Not styled\\par", "Not styled", {"Arial", 12, {}, 0, 204, FontPitch::Default}},
      {"\\cf9 Unknown colour is automatic\\par", "Unknown colour is automatic",
       {"Arial", 12, {}, 0, 204, FontPitch::Default}},
      {"\\uc1\\u1058?\\'3f\\u1077\\'e5 x\\{\\}\\\\\\par", "Т?е x{}\\"_cp, {"Arial", 12, {}, 0, 204, FontPitch::Default}},
      {"\\bin4 {}\\}Binary\\par", "Binary", {"Arial", 12, {}, 0, 204, FontPitch::Default}},
      {"\\cf1\\par", "", {"Arial", 12, {255, 0, 0}, 0, 204, FontPitch::Default}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    const auto paragraphs = ReadRtfParagraphs(tables + c.body + "}");
    ASSERT_TRUE(paragraphs);
    ASSERT_EQ(paragraphs->size(), 1u);
    EXPECT_EQ((*paragraphs)[0].text, c.text);
    EXPECT_EQ((*paragraphs)[0].format, c.format);
  }
}

TEST(RtfReader, SurvivesBrokenInput) {
  struct Case {
    const char* rtf;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"{\\rtf1 {{{{ open", {" open"}},
      {"{\\rtf1 x}}}} y\\par", {"x"}},
      {"{\\rtf1\\", {}},
      {"{\\rtf1\\'4", {}},
      {"{\\rtf1\\bin99999 x", {}},
      {"{\\rtf1\\u-3 ?ok\\par", {"?ok"}},
  };
  for (const Case& c : cases) {
    const auto paragraphs = ReadRtfParagraphs(c.rtf);
    ASSERT_TRUE(paragraphs) << c.rtf;
    std::vector<std::string> texts;
    for (const auto& paragraph : *paragraphs) texts.push_back(paragraph.text);
    EXPECT_EQ(texts, c.texts) << c.rtf;
  }
}

}  // namespace
}  // namespace kmpx
