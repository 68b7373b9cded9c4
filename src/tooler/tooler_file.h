#pragma once
// A tool description file read into memory: the whole file, for lookups by
// key, and its parts. Installing the sections onto the option pages is the
// pages' business; this is only the file.
#include <array>
#include <optional>
#include <string>

#include "text/line_list.h"
#include "text/reporting.h"
#include "tooler/compiler_id.h"

namespace kmpx {

// The values of the INFO block, shown to the user as they are.
struct ToolerInfo {
  std::string name;
  std::string description;
  std::string version;
  std::string author;
  std::string authorContact;
  std::string webPage;
  std::string downloadLink;
  std::string releaseDate;
};

// The compilers' executable file names of the GENERAL block.
struct ToolerExeNames {
  std::string csg;
  std::string bsp;
  std::string rad;
  std::string vis;
  std::string netvis;
  std::string ripent;
};

struct ToolerConfig {
  // The file line by line. Keys are looked up over all of it, so an INFO or
  // GENERAL key must not occur anywhere else in a description.
  LineList lines;
  std::string formatVersion;  // "Formatver"
  ToolerInfo info;
  ToolerExeNames exeNames;  // empty where a key is missing
  LineList general;         // the GENERAL block without its markers, when it is whole
  // The sections CSG .. RAD without their markers; empty when a block is missing.
  std::array<LineList, 5> sections;

  LineList& Section(CompilerId id);
  const LineList& Section(CompilerId id) const;
};

// Splits the lines of a description into a ToolerConfig. Nothing when a
// compiler section lacks its end marker.
std::optional<ToolerConfig> ParseToolerConfig(LineList lines);

// Reads the description at path. A missing file is offered to be created from
// the built-in copy (refusing ends the program); an unreadable file ends the
// program. A block without its end marker makes the file malformed: nothing
// is returned and the user is asked to recreate it, so the caller keeps the
// description it had installed instead of a half-read one.
std::optional<ToolerConfig> ReadToolerFile(const std::string& path, Reporting& report);

// The answer to a malformed description: asks whether to write the built-in
// copy over path; No, or a failed write, ends the program. True when the file
// was recreated. The caller does not install it again at once.
bool RecreateMalformedToolerFile(const std::string& path, Reporting& report);

}  // namespace kmpx
