#pragma once
// The message window's text attributes and their file "mwattrib.rtf": the
// list's background colour and one character format per message kind, kept
// as four RTF paragraphs "Background", "Text", "Error", "Warning" so that a
// word processor shows (and can edit) what the window will look like.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/reporting.h"

namespace kmpx {

inline constexpr char kColoursFileName[] = "mwattrib.rtf";

struct RgbColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const RgbColour&) const = default;
};

// Style bits of a character format; combine with |.
enum FontStyle : unsigned {
  kStyleBold = 1,
  kStyleItalic = 2,
  kStyleUnderline = 4,
  kStyleStrikeOut = 8,
};

enum class FontPitch { Default, Variable, Fixed };

inline constexpr int kCyrillicCharset = 204;

struct CharFormat {
  std::string face = "Arial";  // CP1251
  int size = 8;                // points
  RgbColour colour;
  unsigned style = 0;          // FontStyle bits
  int charset = kCyrillicCharset;
  FontPitch pitch = FontPitch::Default;

  // The font's height in pixels on a screen of that resolution. It follows
  // from the size, so the two can never disagree in a saved file.
  int Height(int pixelsPerInch = 96) const;

  bool operator==(const CharFormat&) const = default;
};

struct TextAttributes {
  RgbColour background;
  CharFormat text;
  CharFormat error;
  CharFormat warning;

  // The format of a message kind's lines.
  const CharFormat& For(MessageKind kind) const;
  CharFormat& For(MessageKind kind);

  bool operator==(const TextAttributes&) const = default;
};

// Navy background; yellow messages, red errors, magenta warnings; Arial 8 pt, Cyrillic.
TextAttributes DefaultTextAttributes();

// A complete RTF document of four paragraphs in the order above, each in its
// format (the "Background" one in the background colour).
std::string WriteColoursRtf(const TextAttributes& attributes);

// Reads what WriteColoursRtf writes and what a word processor saves from it:
// the formats of the first four paragraphs, by position. Empty when the text
// is not RTF or holds fewer than four paragraphs.
std::optional<TextAttributes> ReadColoursRtf(std::string_view rtf);

// Whole-file load and save; failures are the caller's to report.
std::optional<TextAttributes> LoadColours(const std::string& path);
bool SaveColours(const TextAttributes& attributes, const std::string& path);
bool CreateDefaultColours(const std::string& path);

}  // namespace kmpx
