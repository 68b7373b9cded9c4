#include "text/blocks.h"

#include <stdexcept>
#include <string>

#include "text/string_ops.h"

namespace kmpx {

int CopyBlock(LineList& dest, LineList& src, std::string_view name, bool removeFromSource,
              bool withMarkers) {
  const std::string startMarker = "[" + std::string(name) + "]";
  const std::string endMarker = "[END_" + std::string(name) + "]";
  const int start = src.IndexOf(startMarker);
  if (start < 0) return -1;

  // Find the end first, so a malformed block leaves both lists as they were
  // instead of half moved.
  int end = start + 1;
  while (end < src.Count() && !SameTextDos(src.Get(end), endMarker)) ++end;
  if (end == src.Count())
    throw std::out_of_range("Block " + startMarker + " has no end marker " + endMarker);

  const int first = withMarkers ? start : start + 1;
  for (int i = first; i < end; ++i) dest.Add(src.Get(i));
  if (withMarkers) dest.Add(endMarker);
  if (!removeFromSource) return end;
  for (int i = end; i >= start; --i) src.Delete(i);
  return start;
}

int CopyLinesBetween(LineList& dest, const LineList& src, std::string_view fromLine, bool countOnly,
                     bool /*caseSensitive*/, std::string_view toLine) {
  const int first = src.IndexOf(fromLine) + 1;
  const int last = toLine.empty() ? src.Count() - 1 : src.IndexOf(toLine) - 1;
  if (last == -1 || last < first) return 0;
  if (!countOnly)
    for (int i = first; i <= last; ++i) dest.Add(src.Get(i));
  return last - first + 1;
}

void CopyAllLines(LineList& dest, const LineList& src) {
  if (&dest == &src) return;
  dest.Clear();
  for (const auto& line : src) dest.Add(line);
}

int ClearLines(LineList& list) {
  const int count = list.Count();
  list.Clear();
  return count;
}

}  // namespace kmpx
