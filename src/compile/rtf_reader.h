#pragma once
// A small, tolerant RTF reader: the paragraphs of a document with the
// character format each one starts with. It follows groups, the font and
// colour tables and the character properties; everything else (styles,
// document info, pictures, unknown control words) is skipped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compile/message_colours.h"

namespace kmpx {

struct RtfParagraph {
  std::string text;   // CP1251
  // Of the first character, or of the paragraph mark when empty. The
  // automatic colour is the window text colour; the height is left to the size.
  ui::TextFormat format;
};

// Empty when the text does not start as an RTF document. A last paragraph
// without a closing \par counts when it holds text.
std::optional<std::vector<RtfParagraph>> ReadRtfParagraphs(std::string_view rtf);

}  // namespace kmpx
