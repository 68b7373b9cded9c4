#include "compile/message_colours.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "compile/rtf_reader.h"
#include "text/text_file.h"

namespace kmpx {
namespace {

// Line texts of the colours file, in their fixed order.
constexpr const char* kLineNames[] = {"Background", "Text", "Error", "Warning"};

int PitchToRtf(ui::FontPitch pitch) {
  switch (pitch) {
    case ui::FontPitch::Fixed:
      return 1;
    case ui::FontPitch::Variable:
      return 2;
    case ui::FontPitch::Default:
      break;
  }
  return 0;
}

// Text of a font-table entry or a paragraph: RTF's special characters escaped,
// bytes above ASCII as \'hh so the file stays 7-bit.
std::string EscapeRtfText(std::string_view text, bool inFontTable) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += c;
    } else if (byte >= 0x80) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", byte);
      out += hex;
    } else if (byte < 0x20 || (inFontTable && c == ';')) {
      // A font-table entry ends at ';' and has no escape for it; control
      // characters have no place in a face name either.
      continue;
    } else {
      out += c;
    }
  }
  return out;
}

struct FontKey {
  std::string face;
  int charset;
  ui::FontPitch pitch;
  bool operator==(const FontKey&) const = default;
};

template <typename T>
int IndexOfOrAdd(std::vector<T>& items, const T& item) {
  const auto found = std::find(items.begin(), items.end(), item);
  if (found != items.end()) return static_cast<int>(found - items.begin());
  items.push_back(item);
  return static_cast<int>(items.size()) - 1;
}

}  // namespace

ui::TextFormat PaneFont() {
  ui::TextFormat font;
  font.face = "Arial";
  font.size = 8;
  font.charset = ui::kCyrillicCharset;
  return font;
}

namespace {
template <typename Attributes>
auto& FormatOfKind(Attributes& attributes, MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return attributes.error;
    case MessageKind::Warning:
      return attributes.warning;
    case MessageKind::Message:
      break;
  }
  return attributes.text;
}
}  // namespace

const ui::TextFormat& TextAttributes::For(MessageKind kind) const { return FormatOfKind(*this, kind); }
ui::TextFormat& TextAttributes::For(MessageKind kind) { return FormatOfKind(*this, kind); }

TextAttributes DefaultTextAttributes() {
  TextAttributes attributes;
  attributes.background = ui::Color::Rgb(0, 0, 128);
  attributes.text = attributes.error = attributes.warning = PaneFont();
  attributes.text.color = ui::Color::Rgb(255, 255, 0);
  attributes.error.color = ui::Color::Rgb(255, 0, 0);
  attributes.warning.color = ui::Color::Rgb(255, 0, 255);
  return attributes;
}

std::string WriteColoursRtf(const TextAttributes& attributes) {
  // The background line is set in the pane's own font; only its colour counts.
  ui::TextFormat backgroundLine = PaneFont();
  backgroundLine.color = attributes.background;
  const ui::TextFormat* formats[] = {&backgroundLine, &attributes.text, &attributes.error, &attributes.warning};

  std::vector<FontKey> fonts;
  std::vector<ui::Color> colours;
  int fontOf[4];
  int colourOf[4];
  for (int line = 0; line < 4; ++line) {
    const ui::TextFormat& format = *formats[line];
    fontOf[line] = IndexOfOrAdd(fonts, FontKey{format.face, format.charset, format.pitch});
    // Entry 0 is "auto", which is also where a system colour goes.
    colourOf[line] =
        format.color.system == ui::SystemColor::None ? IndexOfOrAdd(colours, format.color) + 1 : 0;
  }

  std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\r\n{\\fonttbl";
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    rtf += "{\\f" + std::to_string(i) + "\\fnil\\fcharset" + std::to_string(fonts[i].charset) + "\\fprq" +
           std::to_string(PitchToRtf(fonts[i].pitch)) + " " + EscapeRtfText(fonts[i].face, true) + ";}";
  }
  rtf += "}\r\n{\\colortbl ;";
  for (const ui::Color& colour : colours) {
    rtf += "\\red" + std::to_string(colour.red) + "\\green" + std::to_string(colour.green) + "\\blue" +
           std::to_string(colour.blue) + ";";
  }
  rtf += "}\r\n\\viewkind4\\uc1\\pard";
  for (int line = 0; line < 4; ++line) {
    const ui::TextFormat& format = *formats[line];
    rtf += "\\plain\\f" + std::to_string(fontOf[line]) + "\\fs" + std::to_string(std::max(1, format.size) * 2) +
           "\\cf" + std::to_string(colourOf[line]);
    if (format.style & ui::kBold) rtf += "\\b";
    if (format.style & ui::kItalic) rtf += "\\i";
    if (format.style & ui::kUnderline) rtf += "\\ul";
    if (format.style & ui::kStrikeOut) rtf += "\\strike";
    rtf += " ";
    rtf += EscapeRtfText(kLineNames[line], false);
    // Exactly four paragraphs: no paragraph mark after the last line.
    rtf += line < 3 ? "\\par\r\n" : "\r\n";
  }
  rtf += "}\r\n";
  return rtf;
}

std::optional<TextAttributes> ReadColoursRtf(std::string_view rtf) {
  const auto paragraphs = ReadRtfParagraphs(rtf);
  if (!paragraphs || paragraphs->size() < 4) return std::nullopt;
  TextAttributes attributes;
  attributes.background = (*paragraphs)[0].format.color;
  attributes.text = (*paragraphs)[1].format;
  attributes.error = (*paragraphs)[2].format;
  attributes.warning = (*paragraphs)[3].format;
  return attributes;
}

std::optional<TextAttributes> LoadColours(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return ReadColoursRtf(*bytes);
}

bool SaveColours(const TextAttributes& attributes, const std::string& path) {
  return WriteFileAtomically(path, WriteColoursRtf(attributes));
}

bool CreateDefaultColours(const std::string& path) { return SaveColours(DefaultTextAttributes(), path); }

}  // namespace kmpx
