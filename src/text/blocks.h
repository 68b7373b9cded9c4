#pragma once
// Named blocks of a line list: block NAME is the lines between "[NAME]" and
// the next "[END_NAME]". Settings, tool descriptions and configurations are
// made of them.
#include <string_view>

#include "text/line_list.h"

namespace kmpx {

// Adds block name of src to dest: with withMarkers the marker lines too; with
// removeFromSource the whole block, markers included, leaves src. Returns the
// index the end marker had (after the removal when removing), or -1 when src
// has no start marker and nothing changes. The start marker matches in any
// letter case, the end marker under the DOS case rule. A block without its end
// marker is a malformed file: throws std::out_of_range and changes neither list.
int CopyBlock(LineList& dest, LineList& src, std::string_view name, bool removeFromSource,
              bool withMarkers);

// Adds to dest (unless countOnly) the lines strictly between the first line
// equal to fromLine and the first line equal to toLine, both found in any
// letter case; returns how many lines that is. A missing fromLine starts at
// the first line, an empty toLine runs to the last; a missing toLine, or one
// before fromLine, gives 0. caseSensitive is kept for callers: the markers are
// matched without regard to case either way.
int CopyLinesBetween(LineList& dest, const LineList& src, std::string_view fromLine, bool countOnly,
                     bool caseSensitive, std::string_view toLine);

// dest becomes a copy of src.
void CopyAllLines(LineList& dest, const LineList& src);

// Empties the list; returns how many lines it held.
int ClearLines(LineList& list);

}  // namespace kmpx
