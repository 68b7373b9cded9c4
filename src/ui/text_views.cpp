#include "ui/text_views.h"

#include <stdexcept>

namespace kmpx::ui {

void Memo::SetLines(const LineList& lines) {
  if (lines == lines_) return;
  lines_ = lines;
  Notify(Property::Lines);
  Fire(onChange);
}

void Memo::AddLine(std::string line) {
  lines_.Add(std::move(line));
  Notify(Property::Lines, lines_.Count() - 1);
  Fire(onChange);
}

void Memo::UserSetText(std::string_view text) {
  if (!AcceptsUserInput() || read_only_) return;
  SetFocus();
  SetLines(LineList::FromText(text));
}

const RichText::Line& RichText::At(int index) const {
  if (index < 0 || index >= LineCount())
    throw std::out_of_range("Line index out of bounds (" + std::to_string(index) + ")");
  return lines_[static_cast<std::size_t>(index)];
}

LineList RichText::PlainLines() const {
  LineList list;
  for (const auto& line : lines_) list.Add(line.text);
  return list;
}

void RichText::AddLine(std::string text, const TextFormat& format) {
  lines_.push_back({std::move(text), format});
  Notify(Property::Lines, LineCount() - 1);
  Fire(onChange);
}

int RichText::AddText(std::string_view text, const TextFormat& format) {
  // An empty text is one empty line, as appending it to a pane shows.
  const LineList pieces = text.empty() ? LineList{""} : LineList::FromText(text);
  for (const auto& piece : pieces) AddLine(piece, format);
  return pieces.Count();
}

void RichText::SetLineFormat(int index, const TextFormat& format) {
  At(index);
  auto& line = lines_[static_cast<std::size_t>(index)];
  if (line.format == format) return;
  line.format = format;
  Notify(Property::Lines, index);
}

void RichText::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Notify(Property::Lines);
  Fire(onChange);
}

}  // namespace kmpx::ui
