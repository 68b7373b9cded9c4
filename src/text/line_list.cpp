#include "text/line_list.h"

#include <stdexcept>

#include "text/cp1251.h"

namespace kmpx {

void LineList::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit)
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& LineList::Get(int index) const {
  CheckIndex(index, Count());
  return lines_[static_cast<std::size_t>(index)];
}

void LineList::Put(int index, std::string text) {
  CheckIndex(index, Count());
  lines_[static_cast<std::size_t>(index)] = std::move(text);
}

void LineList::Insert(int index, std::string text) {
  CheckIndex(index, Count() + 1);
  lines_.insert(lines_.begin() + index, std::move(text));
}

void LineList::Delete(int index) {
  CheckIndex(index, Count());
  lines_.erase(lines_.begin() + index);
}

int LineList::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i)
    if (SameTextAnsi(lines_[static_cast<std::size_t>(i)], text)) return i;
  return -1;
}

int LineList::IndexOfKey(std::string_view key) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& line = lines_[static_cast<std::size_t>(i)];
    const auto eq = line.find('=');
    if (eq != std::string::npos && SameTextAnsi(std::string_view(line).substr(0, eq), key)) return i;
  }
  return -1;
}

std::string LineList::ValueOf(std::string_view key) const {
  const int index = IndexOfKey(key);
  if (index < 0) return {};
  const std::string& line = lines_[static_cast<std::size_t>(index)];
  return line.substr(line.find('=') + 1);
}

LineList LineList::FromText(std::string_view text) {
  LineList list;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      list.lines_.emplace_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) list.lines_.emplace_back(text.substr(start));
  return list;
}

std::string LineList::ToText() const {
  std::size_t size = 0;
  for (const auto& line : lines_) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace kmpx
