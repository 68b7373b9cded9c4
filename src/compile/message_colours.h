#pragma once
// The message window's text attributes and their file "mwattrib.rtf": the
// list's background colour and one character format per message kind, kept
// as four RTF paragraphs "Background", "Text", "Error", "Warning" so that a
// word processor shows (and can edit) what the window will look like.
#include <optional>
#include <string>
#include <string_view>

#include "text/reporting.h"
#include "ui/types.h"

namespace kmpx {

inline constexpr char kColoursFileName[] = "mwattrib.rtf";

// The attribute pane's own font: Arial 8 pt, Cyrillic. A font height of 0
// means "from the size": the file keeps sizes only, so the two never disagree.
ui::TextFormat PaneFont();

struct TextAttributes {
  ui::Color background;
  ui::TextFormat text;
  ui::TextFormat error;
  ui::TextFormat warning;

  // The format of a message kind's lines.
  const ui::TextFormat& For(MessageKind kind) const;
  ui::TextFormat& For(MessageKind kind);

  bool operator==(const TextAttributes&) const = default;
};

// Navy background; yellow messages, red errors, magenta warnings; Arial 8 pt, Cyrillic.
TextAttributes DefaultTextAttributes();

// A complete RTF document of four paragraphs in the order above, each in its
// format (the "Background" one in the background colour). A system colour is
// written as the automatic one.
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
