#pragma once
// Plain values the controls carry: colours, character formats, alignment,
// keys. They mirror what the forms' design data names.
#include <cstdint>
#include <string>

namespace kmpx::ui {

// The system colours the design refers to; the renderer maps them to the
// platform's palette.
enum class SystemColor : std::uint8_t { None, WindowText, Window, ButtonFace, Highlight, HotLight, GrayText };

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  SystemColor system = SystemColor::None;  // when set, red/green/blue are unused

  static constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {r, g, b, SystemColor::None}; }
  static constexpr Color System(SystemColor c) { return {0, 0, 0, c}; }
  bool operator==(const Color&) const = default;
};

enum FontStyle : unsigned { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };
enum class FontPitch : std::uint8_t { Default, Fixed, Variable };

// Character set numbers as fonts and rich text store them.
constexpr int kDefaultCharset = 1;
constexpr int kCyrillicCharset = 204;

// A font, and the character format of a rich-text line: the same fields.
struct TextFormat {
  std::string face;  // CP1251; empty: the platform's default face
  int size = 8;      // points
  int height = 0;    // pixels as fonts store it (negative: character height); 0: from size
  Color color = Color::System(SystemColor::WindowText);
  unsigned style = 0;  // FontStyle bits
  int charset = kDefaultCharset;
  FontPitch pitch = FontPitch::Default;
  bool operator==(const TextFormat&) const = default;
};

enum class Align : std::uint8_t { None, Top, Bottom, Left, Right, Client };

// Key codes of key events: the virtual-key numbers the handlers compare with.
namespace keys {
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kInsert = 45;
constexpr int kDelete = 46;
constexpr int kF1 = 112;  // F2..F12 follow in order
}  // namespace keys

// Modifier keys held during a key event.
using ShiftState = unsigned;
constexpr ShiftState kNoShift = 0;
constexpr ShiftState kShift = 1;
constexpr ShiftState kAlt = 2;
constexpr ShiftState kCtrl = 4;

}  // namespace kmpx::ui
