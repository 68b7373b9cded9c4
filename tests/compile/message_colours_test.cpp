#include "compile/message_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compile/rtf_reader.h"
#include "format_printing.h"
#include "support/test_reporting.h"
#include "text/cp1251.h"
#include "text/text_file.h"

namespace kmpx {

void PrintTo(const TextAttributes& a, std::ostream* os) {
  *os << "background " << testing::PrintToString(a.background) << " text " << testing::PrintToString(a.text)
      << " error " << testing::PrintToString(a.error) << " warning " << testing::PrintToString(a.warning);
}

namespace {

using ui::Color;
using ui::FontPitch;

ui::TextFormat Font(std::string face, int size, Color color, unsigned style = 0, int charset = ui::kCyrillicCharset,
                    FontPitch pitch = FontPitch::Default) {
  return {std::move(face), size, 0, color, style, charset, pitch};
}

const Color kAutomatic = Color::System(ui::SystemColor::WindowText);

TextAttributes ChangedAttributes() {
  TextAttributes a = DefaultTextAttributes();
  a.background = Color::Rgb(1, 2, 3);
  a.text.color = a.background;  // shares a colour-table entry with the background line
  a.error = Font("Courier New", 12, Color::Rgb(10, 20, 30), ui::kBold | ui::kItalic, 0, FontPitch::Fixed);
  a.warning = Font("Тахома {особая}\\"_cp, 9, kAutomatic, ui::kUnderline | ui::kStrikeOut, ui::kCyrillicCharset,
                   FontPitch::Variable);
  return a;
}

TEST(MessageColours, DefaultsAreTheDesignedPalette) {
  const TextAttributes a = DefaultTextAttributes();
  EXPECT_EQ(a.background, Color::Rgb(0, 0, 128));
  EXPECT_EQ(a.For(MessageKind::Message), Font("Arial", 8, Color::Rgb(255, 255, 0)));
  EXPECT_EQ(a.For(MessageKind::Error), Font("Arial", 8, Color::Rgb(255, 0, 0)));
  EXPECT_EQ(a.For(MessageKind::Warning), Font("Arial", 8, Color::Rgb(255, 0, 255)));
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
    EXPECT_EQ((*paragraphs)[0].format.color, written.background);

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
  EXPECT_EQ(read->background, Color::Rgb(0, 64, 0));
  struct Expected {
    MessageKind kind;
    const char* face;
    int size;
    Color color;
    unsigned style;
  };
  const Expected expected[] = {
      {MessageKind::Message, "Arial", 10, Color::Rgb(255, 255, 0), ui::kBold},
      {MessageKind::Error, "Courier New", 12, Color::Rgb(10, 20, 30), ui::kBold | ui::kItalic},
      {MessageKind::Warning, "DejaVu Sans", 9, Color::Rgb(255, 0, 255), ui::kUnderline | ui::kStrikeOut},
  };
  for (const Expected& e : expected) {
    const ui::TextFormat& f = read->For(e.kind);
    EXPECT_EQ(f.face, e.face);
    EXPECT_EQ(f.size, e.size);
    EXPECT_EQ(f.color, e.color);
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
    ui::TextFormat format;
  };
  const Color red = Color::Rgb(255, 0, 0);
  const ui::TextFormat arial = Font("Arial", 12, kAutomatic);
  const Case cases[] = {
      {"\\pard\\plain Plain\\par", "Plain", arial},
      {"\\f0\\fs17\\cf1 Rounded up\\par", "Rounded up", Font("Times", 9, red, 0, 0, FontPitch::Variable)},
      {"\\f2\\cf2\\b\\i\\ulw\\striked1 Styled\\par", "Styled",
       Font("Таймс"_cp, 12, Color::Rgb(0, 128, 0), ui::kBold | ui::kItalic | ui::kUnderline | ui::kStrikeOut)},
      {"{\\b\\ul Inner}\\i\\ul0 \\par", "Inner", Font("Arial", 12, kAutomatic, ui::kBold | ui::kUnderline)},
      {"\\ulc1\\ul\\ulnone\\b\\b0 Not styled\\par", "Not styled", arial},
      {"\\cf9 Unknown colour is automatic\\par", "Unknown colour is automatic", arial},
      {"\\uc1\\u1058?\\'3f\\u1077\\'e5 x\\{\\}\\\\\\par", "Т?е x{}\\"_cp, arial},
      {"\\bin4 {}\\}Binary\\par", "Binary", arial},
      {"\\cf1\\par", "", Font("Arial", 12, red)},
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
